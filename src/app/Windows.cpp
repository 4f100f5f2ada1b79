#include "app/Windows.h"

#include "common/WindowManager.h"
#include "shell/AboutBox.h"

namespace vornax {

void registerProgramWindows()
{
    auto& windows = WindowManager::instance();
    windows.registerWindow("frmAbout", [] { return new AboutBox; });
}

}  // namespace vornax
