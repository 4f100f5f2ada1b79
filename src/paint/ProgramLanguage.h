// The language of the program's own texts: the Qt translation of the chosen
// code (translations/vornax_<code>.qm beside the shipped language files,
// English when there is none for the code) and Qt's translation of its own
// dialogs, installed in the application; the core's marked texts follow it.
// Installing sends every widget a LanguageChange event: each window re-reads
// its captions then.
#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace vornax {

// Installs the translations of `code` ("fr", "en", ...), replacing those in
// force (installed again even when the code is the same, so the windows
// re-read their captions from a new language file). Gives the code of the
// translation actually loaded ("en" for a code without one).
std::string useProgramLanguage(const std::string& code);

// Removes every translation: the texts show as written in the source (tests).
void removeProgramLanguage();

// The code given by the last useProgramLanguage ("fr" before any).
const std::string& programLanguage();

// Where vornax_*.qm are: beside the shipped lang/ (build tree, portable copy,
// installed data folder); empty when none is found.
std::filesystem::path translationsFolder();

}  // namespace vornax
