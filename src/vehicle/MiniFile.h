// The Mini file (".Dat"): the editor's vehicle as plain text, one value per
// line, CR LF line ends. Line 1 is "[VersionV1]"; then the name, the final
// drive index (and its typed ratio for "Autre", 19), the gearbox index (and
// four typed ratios for "Boite 4 Autre", 6, or five for "Boite 5", 7), the
// tyre index (and the three tyre sizes for index 4), the mass, and the three
// gear-cut indexes. Index lines are printed numbers (" 5 ", "-1 "); text lines
// hold the field's text exactly.
//
// "Boite 6" writes no ratios, so its six ratios come back from the store on
// loading. After these described lines come nine more, which they leave out:
// the three tyre sizes (used on loading for a typed tyre), the body index and
// S·Cx, the engine index and inertia, the rim index and wheel inertia (the
// texts used for "Autre" or no selection), and the car's own rolling
// coefficient when it has one (a car of the program's constant writes no
// such line). A file without them, or
// with only the first of them, still loads, the editor keeping what it holds
// for the rest, except the rolling coefficient: a file without it is a car
// of the constant. Readers that stop after the described lines ignore them.
#pragma once

#include "common/Result.h"
#include "common/Translation.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vornax {

class VehicleEditor;

inline constexpr const char* kMiniFileVersion = "[VersionV1]";
// Lines written after the described ones.
inline constexpr std::size_t kMiniFileAppendedLines = 9;
// ... and one more, the rolling coefficient, for a car that has its own.

// The lines of the file for the editor's current state, without line ends.
std::vector<std::string> miniFileLines(const VehicleEditor& editor);

// Writes the file atomically (a failed save leaves the old file in place).
Status saveMiniFile(const VehicleEditor& editor, const std::filesystem::path& file);

struct MiniLoad {
    enum class Outcome {
        Loaded,
        WrongVersion,  // first line is not "[VersionV1]": nothing was read
        RuntimeError,  // missing or unreadable file, ended early, bad index
    };
    Outcome outcome = Outcome::Loaded;
    int errorNumber = 0;      // for RuntimeError: 53, 62, 13, 6, 380, 75
    std::string description;  // for RuntimeError: the error's description
    std::string reason;       // for RuntimeError: where and why, in plain words

    bool loaded() const { return outcome == Outcome::Loaded; }
    // The message box text: "Fichier Incorrect", or "Erreur 62" CR LF, the
    // description, CR LF and the reason.
    std::string messageText() const;
};
inline constexpr const char* kRuntimeErrorTitle = txNoop("MiniFile", "Error The Vornax Meter");

// The message of a run-time error that no load produced (a failed save):
// "Erreur 75" CR LF, the description and the detail.
std::string runtimeErrorText(int number, const std::string& detail);
inline constexpr int kFileAccessError = 75;

// Loads the lines into the editor's fields and lists, in file order; each
// index runs its list's handler. A load that fails changes nothing.
MiniLoad loadMiniLines(VehicleEditor& editor, const std::vector<std::string>& lines);
MiniLoad loadMiniFile(VehicleEditor& editor, const std::filesystem::path& file);

}  // namespace vornax
