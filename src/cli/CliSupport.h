// What every `vornax` command shares: its errors and exit status (0 success,
// 1 bad input with one line on standard error, 2 usage), numbers that take a
// comma or a point, JSON numbers, and the refusal to write over an input.
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace vornax::cli {

// Bad input: a missing file, not a WAV, a line that is not a number... Exit 1.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command used wrongly (an option value that is not a number...). Exit 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A number given on the command line, with a comma or a point; throws
// UsageError naming the option otherwise.
float numberOption(const std::string& text, const std::string& option);
double doubleOption(const std::string& text, const std::string& option);

// The shortest decimal that reads back as the same single, as a JSON number.
nlohmann::json jsonSingle(float value);

// Throws BadInput when `output` names one of the inputs.
void refuseOverwritingInput(const std::filesystem::path& output, std::initializer_list<std::filesystem::path> inputs);

// Loads a language file into the store: `file` when given (BadInput when it
// cannot be read), else the active language file of the application folder.
// Gives the code of the program's words that go with it ("fr", "en"), for
// the pages and pictures, which speak the language as the windows do.
std::string loadLanguage(const std::string& file);

// Commits a vehicle into the store as the editor's OK does: the Mini file
// when `miniFile` is not empty, else the editor's defaults, with S.Cx and the
// engine inertia typed in when given (UsageError when they are not numbers).
// BadInput with the editor's message when it cannot commit.
void commitVehicle(const std::string& miniFile, const std::optional<std::string>& scx = std::nullopt,
                   const std::optional<std::string>& engineInertia = std::nullopt);

// Prints a JSON object on standard output, one line.
void printJson(const nlohmann::json& object);

}  // namespace vornax::cli
