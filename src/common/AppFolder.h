// The application folder that holds the default folders Wav, RPM, Mini,
// Puissance, Acc and lang:
//   1. VORNAX_HOME when that environment variable is set;
//   2. else the executable's own folder when it holds lang/ and is writable
//      (a build tree or a portable copy);
//   3. else $XDG_DATA_HOME/vornax-meter (~/.local/share/vornax-meter), created
//      on first use.
// Whichever folder is chosen, when it has no usable lang/lang.lang the shipped
// language files are copied into its lang/ (French active), new folder or not.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornax {

// The resolved application folder (created when missing). Resolved once per
// process; resetAppFolderForTests() forgets the answer.
const std::filesystem::path& appFolder();
void resetAppFolderForTests();

// A default folder under the application folder ("Wav", "RPM", "Mini",
// "Puissance", "Acc", "lang"), created on first use. Names are case-sensitive.
std::filesystem::path defaultFolder(std::string_view name);

// The folder where the shipped language files were installed, or an empty
// path when none is found.
std::filesystem::path shippedLanguageFolder();
// Tests choose the shipped folder (an empty path restores the search).
void setShippedLanguageFolderForTests(const std::filesystem::path& folder);

// A language file the program can read: a regular, readable, non-empty file.
bool isUsableLanguageFile(const std::filesystem::path& file);

// Why the application folder has no usable lang/lang.lang after seeding (it
// could not be written), to be said once; nothing when all is well.
std::optional<std::string> languageFolderProblem();

// The application folder's lang/lang.lang, or the shipped one when the folder
// has no usable copy (a read-only folder), so the program still starts in
// French.
std::filesystem::path usableActiveLanguageFile();

// The running executable's folder.
std::filesystem::path executableFolder();

}  // namespace vornax
