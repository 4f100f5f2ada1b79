#include "common/AppSettings.h"

#include "common/AppFolder.h"
#include "common/TextFile.h"
#include "common/Translation.h"

namespace vornax {

std::filesystem::path settingsFile() { return appFolder() / "settings.txt"; }

Settings readSettings(const std::filesystem::path& file)
{
    Settings settings;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return settings;
    const auto lines = readTextLines(file, 1u << 20);
    if (!lines)
        return settings;
    for (const std::string& line : *lines) {
        const auto equals = line.find('=');
        if (equals != std::string::npos && equals > 0)
            settings[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return settings;
}

Status writeSettings(const Settings& changed, const std::filesystem::path& file)
{
    Settings all = readSettings(file);
    for (const auto& [key, value] : changed) {
        if (key.empty() || key.find_first_of("=\r\n") != std::string::npos ||
            value.find_first_of("\r\n") != std::string::npos)
            return Failure{tx("AppSettings", "the setting %1 cannot be written").arg(quotedValue(key))};
        all[key] = value;
    }
    TextWriter writer;
    for (const auto& [key, value] : all)
        writer.line(key + "=" + value);
    return writeFileAtomically(file, writer.bytes());
}

}  // namespace vornax
