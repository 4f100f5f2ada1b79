// Language files: 91 lines whose meaning is given by their line number alone.
// Each line's text goes to a store entry, to one of two main-menu captions
// (lines 10 and 12), or nowhere. A short file updates what it reaches and
// leaves the rest as it was.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vornax {

constexpr int kLanguageLines = 91;

struct LanguageLoad {
    int linesRead = 0;                         // 0 .. 91
    std::optional<std::string> autreCaption;   // line 10, when reached
    std::optional<std::string> langueCaption;  // line 12, when reached
};

// Store entry of a line (1-based), or nullptr for menu and unused lines.
const char* languageEntryOfLine(int line);

// Applies lines 1..91 of `lines` in order; lines past 91 are ignored.
LanguageLoad applyLanguageLines(Varia& store, const std::vector<std::string>& lines);

// Reads a language file and applies it. A missing or unreadable file applies
// nothing; no error is reported (the texts in force stay).
LanguageLoad loadLanguageFile(Varia& store, const std::filesystem::path& file);

// The language of the program's own texts (messages, dialogs, the captions
// the file does not reach) that goes with a language file, as a code naming
// its translation file (vornax_<code>.qm): the letters in brackets at the end
// of line 2 ("Language: English [en]"); else "fr" when line 2 is the French
// one ("Langue : ...", as in copies made before the code was written there)
// or when the file has no line 2 (a missing file leaves the store's French
// texts in force); else "en".
std::string programLanguageOf(const std::vector<std::string>& lines);
std::string programLanguageOfFile(const std::filesystem::path& file);

// The active language file, lang/lang.lang under the application folder.
std::filesystem::path activeLanguageFile();

// Copies `chosen` over `active` line by line, each line ended by CR LF,
// through a temporary file, so `active` is either the old or the new file,
// never a damaged one.
Status installLanguageFile(const std::filesystem::path& chosen, const std::filesystem::path& active);

}  // namespace vornax
