// The application folder that holds the default folders Wav, RPM, Mini,
// Puissance, Acc and lang:
//   1. VORNAX_HOME when that environment variable is set;
//   2. else the executable's own folder when it holds lang/ and is writable
//      (a build tree or a portable copy);
//   3. else $XDG_DATA_HOME/vornax-meter (~/.local/share/vornax-meter), created
//      on first use and seeded with the shipped language files.
#pragma once

#include <filesystem>
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

// The running executable's folder.
std::filesystem::path executableFolder();

}  // namespace vornax
