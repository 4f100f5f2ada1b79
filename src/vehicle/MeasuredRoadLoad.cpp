#include "vehicle/MeasuredRoadLoad.h"

#include "common/NumberText.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

namespace vornax {

std::string measuredScxText(double scx) { return decimalsText(scx, 3); }
std::string measuredRollingText(double rolling) { return decimalsText(rolling, 4); }

Status writeRoadLoadToMiniFile(Varia& store, const std::filesystem::path& miniFile, double scx, double rolling)
{
    if (!(scx >= 0.1 && scx <= 3.0))
        return Failure{"S.Cx " + decimalsText(scx, 3) + " m2 is no car's (0,1 to 3 m2); the vehicle is not changed"};
    if (!(rolling > 0 && rolling < 0.1))
        return Failure{"the rolling coefficient " + decimalsText(rolling, 4) +
                       " is no car's (above 0, below 0,1); the vehicle is not changed"};
    VehicleEditor editor(store);
    const MiniLoad load = loadMiniFile(editor, miniFile);
    if (!load.loaded()) {
        std::string text = load.messageText();
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, ": ");
        return Failure{miniFile.string() + ": " + text};
    }
    editor.select(ListId::SCx, kBodyAutre);
    editor.type(Field::SCx, measuredScxText(scx));
    editor.leave(Field::SCx);
    editor.setRollingCoefficient(measuredRollingText(rolling));
    const Status saved = saveMiniFile(editor, miniFile);
    if (!saved)
        return Failure{miniFile.string() + ": " + saved.error()};
    return success();
}

}  // namespace vornax
