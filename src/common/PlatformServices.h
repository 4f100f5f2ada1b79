// The operating system's dialogs, reached through one small interface so that
// windows can be driven by tests. The Qt implementation is the real one
// (QtPlatformServices); tests install a scripted fake. Cancelling a dialog is
// an ordinary result (nullopt), not an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vornax {

struct FileDialogRequest {
    std::string title;
    std::string filter;         // "Wav|*.wav" pairs of description|pattern, '|' separated
    std::string initialFolder;  // absolute path
    std::string initialName;    // proposed file name, may be empty
};

enum class MessageIcon { None, Information, Warning, Critical };

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // A message box with an OK button.
    virtual void message(const std::string& text, const std::string& title = {},
                         MessageIcon icon = MessageIcon::None) = 0;
    virtual std::optional<Rgb> pickColour(Rgb initial) = 0;
    // A question with "Yes" and "No" buttons, "No" the default; true for Yes.
    // Services without dialogs answer No, the answer that changes nothing.
    virtual bool ask(const std::string& text, const std::string& title = {});
};

// A save dialog's answer with the extension of the chosen filter's first
// pattern ("*.ReT" of "Fichier courbe *.ReT|*.ReT") added when the file name
// has no extension of its own (no "." in it), as desktop programs do, so that
// the open dialogs, which list by extension, find the file again. A pattern
// without a plain extension ("*.*", "*") adds nothing; `selectedFilter`
// counts the description|patterns pairs from 0.
std::string withFilterExtension(const std::string& path, const std::string& filter, int selectedFilter = 0);

// The services in force. setPlatformServices does not take ownership.
PlatformServices& platform();
void setPlatformServices(PlatformServices* services);

}  // namespace vornax
