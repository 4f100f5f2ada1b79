#include "app/Windows.h"

#include "common/WindowManager.h"
#include "shell/AboutBox.h"
#include "vehicle/VehicleEditorWindow.h"

namespace vornax {

void registerProgramWindows()
{
    auto& windows = WindowManager::instance();
    windows.registerWindow("frmAbout", [] { return new AboutBox; });
    windows.registerWindow("MiniV1", [] { return new VehicleEditorWindow; });
}

}  // namespace vornax
