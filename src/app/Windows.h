// Registers every window of the program with the window manager.
#pragma once

namespace vornax {

void registerProgramWindows();

}  // namespace vornax
