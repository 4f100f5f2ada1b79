#include "cli/CliSupport.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "store/Language.h"
#include "store/Varia.h"
#include "vehicle/HeadlessCommit.h"

#include <iostream>

namespace vornax::cli {

float numberOption(const std::string& text, const std::string& option)
{
    const auto value = parseSingle(text);
    if (!value)
        throw UsageError(option + ": " + quotedValue(text) + " is not a number");
    return *value;
}

double doubleOption(const std::string& text, const std::string& option)
{
    const auto value = parseDouble(text);
    if (!value)
        throw UsageError(option + ": " + quotedValue(text) + " is not a number");
    return *value;
}

nlohmann::json jsonSingle(float value) { return shortestSingleAsDouble(value); }

void refuseOverwritingInput(const std::filesystem::path& output, std::initializer_list<std::filesystem::path> inputs)
{
    for (const auto& input : inputs)
        if (samePath(output, input))
            throw BadInput("the output \"" + output.string() + "\" is an input; choose another name");
}

std::string loadLanguage(const std::string& file)
{
    if (file.empty()) {
        if (const auto problem = languageFolderProblem())
            std::cerr << "vornax: " << *problem << '\n';
        const auto active = usableActiveLanguageFile();
        loadLanguageFile(store(), active);
        return programLanguageOfFile(active);
    }
    auto lines = readTextLines(file, 4u << 20);
    if (!lines)
        throw BadInput(lines.error());
    applyLanguageLines(store(), *lines);
    return programLanguageOf(*lines);
}

void printJson(const nlohmann::json& object) { std::cout << object.dump() << '\n'; }

void commitVehicle(const std::string& miniFile, const std::optional<std::string>& scx,
                   const std::optional<std::string>& engineInertia)
{
    HeadlessVehicleOptions options;
    if (!miniFile.empty())
        options.miniFile = miniFile;
    if (scx) {
        numberOption(*scx, "--scx");
        options.scx = *scx;
    }
    if (engineInertia) {
        numberOption(*engineInertia, "--engine-inertia");
        options.engineInertia = *engineInertia;
    }
    const Status committed = commitVehicleHeadless(store(), options);
    if (!committed)
        throw BadInput(committed.error());
}

}  // namespace vornax::cli
