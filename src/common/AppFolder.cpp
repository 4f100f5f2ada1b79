#include "common/AppFolder.h"

#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace vornax {
namespace fs = std::filesystem;
namespace {

std::optional<fs::path>& cached()
{
    static std::optional<fs::path> folder;
    return folder;
}

bool isWritableFolder(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec) && ::access(p.c_str(), W_OK) == 0;
}

// Copies the shipped language files into a new application folder's lang/,
// with French as the active language when none is active yet.
void seedLanguages(const fs::path& home)
{
    const fs::path shipped = shippedLanguageFolder();
    std::error_code ec;
    const fs::path lang = home / "lang";
    fs::create_directories(lang, ec);
    if (shipped.empty() || fs::equivalent(shipped, lang, ec))
        return;
    for (const auto& entry : fs::directory_iterator(shipped, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        const fs::path to = lang / entry.path().filename();
        if (!fs::exists(to, ec))
            fs::copy_file(entry.path(), to, ec);
    }
}

fs::path resolve()
{
    if (const char* env = std::getenv("VORNAX_HOME"); env && *env) {
        fs::path home(env);
        std::error_code ec;
        if (!fs::exists(home, ec)) {
            fs::create_directories(home, ec);
            seedLanguages(home);
        }
        return home;
    }
    const fs::path exe = executableFolder();
    std::error_code ec;
    if (!exe.empty() && fs::is_directory(exe / "lang", ec) && isWritableFolder(exe))
        return exe;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path(ec);
    const fs::path folder = base / "vornax-meter";
    if (!fs::exists(folder / "lang", ec)) {
        fs::create_directories(folder, ec);
        seedLanguages(folder);
    }
    return folder;
}

}  // namespace

fs::path executableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path shippedLanguageFolder()
{
    const fs::path exe = executableFolder();
    std::error_code ec;
    for (const fs::path& candidate : {exe / ".." / "share" / "vornax-meter" / "lang", exe / "lang",
                                      fs::path("/usr/share/vornax-meter/lang"),
                                      fs::path("/usr/local/share/vornax-meter/lang")}) {
        if (fs::is_regular_file(candidate / "lang.lang", ec))
            return fs::weakly_canonical(candidate, ec);
    }
    return {};
}

const fs::path& appFolder()
{
    auto& folder = cached();
    if (!folder)
        folder = resolve();
    return *folder;
}

void resetAppFolderForTests() { cached().reset(); }

fs::path defaultFolder(std::string_view name)
{
    const fs::path folder = appFolder() / fs::path(name);
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

}  // namespace vornax
