#include "vehicle/MiniFileCommands.h"

#include "common/AppFolder.h"
#include "common/PlatformServices.h"
#include "common/Translation.h"
#include "store/Varia.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

namespace vornax {
namespace {

// Each dialog is titled as the menu entry that opened it, in the language in
// force ("Charger", "Enregistrer Sous").
FileDialogRequest miniFileDialog(const VehicleEditor& editor, const char* captionEntry)
{
    FileDialogRequest request;
    request.title = editor.store().get(captionEntry);
    // Linux names are case-sensitive: list the spellings Mini files come in,
    // the one a name typed without extension gets first.
    request.filter = tx("MiniFileCommands", "Fichiers Mini *.Dat|*.Dat;*.dat;*.DAT");
    request.initialFolder = defaultFolder("Mini").string();
    return request;
}

}  // namespace

void MiniFileCommands::open(VehicleEditor& editor)
{
    const auto chosen = platform().openFile(miniFileDialog(editor, "LbCharger"));
    if (!chosen)
        return;
    currentFile_ = *chosen;
    const MiniLoad load = loadMiniFile(editor, currentFile_);
    switch (load.outcome) {
    case MiniLoad::Outcome::Loaded: saveEnabled_ = true; break;
    case MiniLoad::Outcome::WrongVersion:
        platform().message(load.messageText());
        saveEnabled_ = true;
        break;
    case MiniLoad::Outcome::RuntimeError:
        platform().message(load.messageText(), Text("MiniFile", kRuntimeErrorTitle), MessageIcon::Critical);
        break;
    }
}

void MiniFileCommands::save(const VehicleEditor& editor)
{
    if (currentFile_.empty())
        return;
    const Status saved = saveMiniFile(editor, currentFile_);
    if (!saved)
        platform().message(runtimeErrorText(kFileAccessError, saved.error()), Text("MiniFile", kRuntimeErrorTitle),
                           MessageIcon::Critical);
}

void MiniFileCommands::saveAs(const VehicleEditor& editor)
{
    const auto chosen = platform().saveFile(miniFileDialog(editor, "LbEnregistrerSous"));
    if (!chosen)
        return;
    currentFile_ = *chosen;
    save(editor);
}

}  // namespace vornax
