// The editor's "Fichier" menu: open a Mini file into the editor, save the
// editor to the current Mini file, save it as a chosen file. Dialogs and
// messages go through platform(), so the window and the tests share this.
#pragma once

#include <filesystem>

namespace vornax {

class VehicleEditor;

class MiniFileCommands {
public:
    // Ouvrir_Click: asks for a file (titled LbCharger, Mini folder); the chosen
    // path becomes the current file and is loaded into the editor. A wrong
    // first line shows "Fichier Incorrect"; any other failure shows the
    // run-time error message and leaves save as it was. Cancel: nothing.
    void open(VehicleEditor& editor);

    // Enregistrer_Click: writes the editor to the current file. Does nothing
    // while there is no current file (its menu entry is disabled then).
    void save(const VehicleEditor& editor);

    // EnregistrerS_Click: asks for a file (titled LbEnregistrerSous); it becomes the current file and is
    // written. Does not enable save.
    void saveAs(const VehicleEditor& editor);

    // Enregistrer's menu entry: disabled when the editor opens, enabled by an
    // open that read the file (or stopped at its first line).
    bool saveEnabled() const { return saveEnabled_; }
    const std::filesystem::path& currentFile() const { return currentFile_; }

private:
    std::filesystem::path currentFile_;
    bool saveEnabled_ = false;
};

}  // namespace vornax
