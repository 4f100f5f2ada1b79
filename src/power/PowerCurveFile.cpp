#include "power/PowerCurveFile.h"

#include "common/TextFile.h"
#include "common/Translation.h"
#include "formats/PowerCurveFile.h"
#include "store/StoreReadings.h"

#include <algorithm>

namespace vornax {

int powerCurveDataLines(int pointCount) { return std::max(0, pointCount - 49); }

std::string powerCurveFileBytes(const PowerTable& table, int pointCount, float wattsPerUnit, float unitsPerNm)
{
    const int last = std::min(pointCount - 40, static_cast<int>(table.size()) - 1);
    std::vector<PowerPoint> points;
    for (int i = 10; i <= last; ++i) {
        const PowerRow& r = table[static_cast<std::size_t>(i)];
        points.push_back({r.rpm, r.torque, r.power});
    }
    return powerFileText(points, wattsPerUnit, unitsPerNm);
}

Status savePowerCurveFile(const std::filesystem::path& file, const PowerTable& table, int pointCount,
                          const Varia& store)
{
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};
    return writeFileAtomically(file,
                               powerCurveFileBytes(table, pointCount, units->wattsPerPowerUnit, units->torquePerNm));
}

}  // namespace vornax
