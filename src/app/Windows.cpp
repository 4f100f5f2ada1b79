#include "app/Windows.h"

#include "capture/RecorderWindow.h"
#include "common/WindowManager.h"
#include "compare/CompareWindow.h"
#include "power/PowerWindow.h"
#include "shell/AboutBox.h"
#include "signal/WavWindow.h"
#include "simulation/SimTD.h"
#include "speedlog/SpeedLogWindow.h"
#include "vehicle/VehicleEditorWindow.h"

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
