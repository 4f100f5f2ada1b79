#include "power/PowerCurveFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"
#include "shell/EntryCaptions.h"

#include <algorithm>

namespace vornax {

int powerCurveDataLines(int pointCount) { return std::max(0, pointCount - 49); }

std::string powerCurveFileBytes(const PowerTable& table, int pointCount, float wattsPerUnit, float unitsPerNm)
{
    TextWriter out;
    const int last = std::min(pointCount - 40, static_cast<int>(table.size()) - 1);
    std::string line;
    for (int i = 10; i <= last; ++i) {
        const PowerRow& r = table[static_cast<std::size_t>(i)];
        line = singleText(r.rpm);
        line += ';';
        line += singleText(r.torque);
        line += ';';
        line += singleText(r.power);
        out.line(line);
    }
    out.line(printedSingle(wattsPerUnit));
    out.line(printedSingle(unitsPerNm));
    return out.bytes();
}

Status savePowerCurveFile(const std::filesystem::path& file, const PowerTable& table, int pointCount,
                          const Varia& store)
{
    const auto watts = store.single("LbConvertionWatt");
    const auto nm = store.single("LbConvertionNm");
    if (!watts)
        return Failure{tx("PowerCurveFile", "%1: %2 is not a number")
                           .arg(entryCaption(store, "LbConvertionWatt"))
                           .arg(quotedValue(store.get("LbConvertionWatt")))};
    if (!nm)
        return Failure{tx("PowerCurveFile", "%1: %2 is not a number")
                           .arg(entryCaption(store, "LbConvertionNm"))
                           .arg(quotedValue(store.get("LbConvertionNm")))};
    return writeFileAtomically(file, powerCurveFileBytes(table, pointCount, *watts, *nm));
}

}  // namespace vornax
