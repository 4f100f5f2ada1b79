// The Mini vehicle file as the editor loads it, then confirmed (OK) and
// written back, as a user does after opening a file.
#include "FuzzLines.h"
#include "store/Varia.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Varia varia;
    VehicleEditor editor(varia);
    const MiniLoad load = loadMiniLines(editor, fuzzing::linesOf(data, size));
    (void)load.messageText();
    (void)miniFileLines(editor);
    editor.commit();
    (void)varia.vehicleEntries();
    return 0;
}
