#include "app/Windows.h"

#include "gui/capture/RecorderWindow.h"
#include "gui/common/WindowManager.h"
#include "gui/compare/CompareWindow.h"
#include "gui/power/PowerWindow.h"
#include "gui/shell/AboutBox.h"
#include "gui/signal/WavWindow.h"
#include "gui/simulation/SimTD.h"
#include "gui/speedlog/SpeedLogWindow.h"
#include "gui/vehicle/VehicleEditorWindow.h"

namespace vornax {

void registerProgramWindows()
{
    auto& windows = WindowManager::instance();
    windows.registerWindow("frmAbout", [] { return new AboutBox; });
    windows.registerWindow("MiniV1", [] { return new VehicleEditorWindow; });
    windows.registerWindow("CPuiss", [] { return new PowerWindow; });
    windows.registerWindow("GRph", [] { return new CompareWindow; });
    windows.registerWindow("SimTD", [] { return new SimTD; });
    windows.registerWindow("JournalVitesse", [] { return new SpeedLogWindow; });
    windows.registerWindow("WavT", [] { return new WavWindow; });
    windows.registerWindow("Form1", [] { return new RecorderWindow; });
}

}  // namespace vornax
