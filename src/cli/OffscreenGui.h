// The commands that draw (report, plot, demo) paint with Qt Gui: they start
// a QGuiApplication on the offscreen platform, only for themselves, so they
// need no display and every other command stays free of Qt.
#pragma once

namespace vornax::cli {

// The one QGuiApplication of the process, made on first use.
void startOffscreenGui();

}  // namespace vornax::cli
