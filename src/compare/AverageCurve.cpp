#include "compare/AverageCurve.h"

#include "common/NumberText.h"
#include "common/TextFile.h"

namespace vornax::compare {

std::string AverageCurve::fileBytes() const
{
    TextWriter out;
    for (const CurvePoint& p : points)
        out.line(singleText(p.rpm) + ";" + singleText(p.torque) + ";" + singleText(p.power));
    return out.bytes();
}

Result<AverageCurve> averageCurve(const CurveSet& slots, const DisplayUnits& units)
{
    int ticked = 0;
    for (const CurveSlot& slot : slots)
        ticked += slot.ticked ? 1 : 0;
    if (ticked == 0)
        return Failure{"no curve is ticked: tick the curves to average"};
    const auto n = static_cast<float>(ticked);

    std::vector<CurvePoint> table(kAveragePoints);
    for (int i = 0; i < kAveragePoints; ++i) {
        CurvePoint& sum = table[static_cast<std::size_t>(i)];
        for (const CurveSlot& slot : slots) {
            if (!slot.ticked)
                continue;
            const CurvePoint p = slot.point(i);
            sum.rpm += p.rpm;
            sum.torque += p.torque;
        }
        sum.rpm /= n;
        sum.torque /= n;
        // 3.14 exactly, as the stored average files were made; the summed
        // power is never used. The torque goes back to N·m and the watts to
        // the power unit the other columns are in.
        const double omega = double(sum.rpm) * 2.0 * 3.14 / 60.0;
        sum.power = static_cast<float>(omega * (double(sum.torque) / double(units.torquePerNm)) /
                                       double(units.wattsPerPowerUnit));
    }

    AverageCurve curve;
    for (int i = 0; i + 1 < kAveragePoints; ++i) {
        if (table[static_cast<std::size_t>(i) + 1].rpm < table[static_cast<std::size_t>(i)].rpm)
            break;
        curve.points.push_back(table[static_cast<std::size_t>(i)]);
    }
    return curve;
}

}  // namespace vornax::compare
