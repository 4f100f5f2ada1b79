#include "compare/AverageCurve.h"

#include "common/Translation.h"
#include "formats/PowerCurveFile.h"

#include <algorithm>
#include <cmath>

namespace vornax::compare {
namespace {

// 3.14 exactly, as the stored average files were made; the summed power is
// never used. The torque goes back to N·m and the watts to the power unit the
// other columns are in.
float averagePower(float rpm, float torque, const DisplayUnits& units)
{
    const double omega = double(rpm) * 2.0 * 3.14 / 60.0;
    return static_cast<float>(omega * (double(torque) / double(units.torquePerNm)) / double(units.wattsPerPowerUnit));
}

std::vector<const CurveSlot*> tickedSlots(const CurveSet& slots)
{
    std::vector<const CurveSlot*> ticked;
    for (const CurveSlot& slot : slots)
        if (slot.ticked)
            ticked.push_back(&slot);
    return ticked;
}

AverageCurve byPosition(const std::vector<const CurveSlot*>& ticked, const DisplayUnits& units)
{
    const auto n = static_cast<float>(ticked.size());
    std::vector<PowerPoint> table(kAveragePoints);
    for (int i = 0; i < kAveragePoints; ++i) {
        PowerPoint& sum = table[static_cast<std::size_t>(i)];
        for (const CurveSlot* slot : ticked) {
            const PowerPoint p = slot->point(i);
            sum.rpm += p.rpm;
            sum.torque += p.torque;
        }
        sum.rpm /= n;
        sum.torque /= n;
        sum.power = averagePower(sum.rpm, sum.torque, units);
    }

    AverageCurve curve;
    curve.units = units;
    for (int i = 0; i + 1 < kAveragePoints; ++i) {
        if (table[static_cast<std::size_t>(i) + 1].rpm < table[static_cast<std::size_t>(i)].rpm)
            break;
        curve.points.push_back(table[static_cast<std::size_t>(i)]);
    }
    return curve;
}

// A curve's points as torque against rising engine speed: a point is kept
// only when its engine speed is above every one kept before it, so that the
// jitter of a fine curve and a lifted foot at the end of a run do not fold
// the curve back on itself.
std::vector<PowerPoint> risingPart(const CurveSlot& slot)
{
    std::vector<PowerPoint> rising;
    for (int i = 0; i < slot.pointCount; ++i) {
        const PowerPoint p = slot.point(i);
        if (std::isfinite(p.rpm) && (rising.empty() || p.rpm > rising.back().rpm))
            rising.push_back(p);
    }
    return rising;
}

// Torque at `rpm` within [front, back] of a rising curve, linearly between
// the two points around it.
double torqueAt(const std::vector<PowerPoint>& curve, double rpm)
{
    const auto after = std::lower_bound(curve.begin(), curve.end(), rpm,
                                        [](const PowerPoint& p, double r) { return double(p.rpm) < r; });
    if (after == curve.end())
        return curve.back().torque;
    if (after == curve.begin() || double(after->rpm) == rpm)
        return after->torque;
    const auto before = after - 1;
    const double t = (rpm - double(before->rpm)) / (double(after->rpm) - double(before->rpm));
    return double(before->torque) + t * (double(after->torque) - double(before->torque));
}

Result<AverageCurve> onCommonGrid(const CurveSet& slots, const DisplayUnits& units)
{
    std::vector<std::vector<PowerPoint>> curves;
    double from = -INFINITY, to = INFINITY;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        if (!slots[k].ticked)
            continue;
        auto rising = risingPart(slots[k]);
        if (rising.size() < 2)
            return Failure{tx("AverageCurve", "the curve of slot %1 has fewer than two engine speeds to average")
                               .arg(std::to_string(k + 1))};
        from = std::max(from, double(rising.front().rpm));
        to = std::min(to, double(rising.back().rpm));
        curves.push_back(std::move(rising));
    }
    if (!(from < to))
        return Failure{tx("AverageCurve", "the curves do not share their engine speeds and have no engine-speed "
                                          "range in common: nothing to average")};

    // As fine as the finest curve over the shared range.
    std::size_t count = 2;
    for (const auto& curve : curves) {
        const auto inside = std::count_if(curve.begin(), curve.end(), [&](const PowerPoint& p) {
            return double(p.rpm) >= from && double(p.rpm) <= to;
        });
        count = std::max(count, static_cast<std::size_t>(inside));
    }
    count = std::min(count, static_cast<std::size_t>(kMaxGridPoints));

    AverageCurve average;
    average.units = units;
    average.commonGrid = true;
    average.gridFrom = static_cast<float>(from);
    average.gridTo = static_cast<float>(to);
    const double step = (to - from) / static_cast<double>(count - 1);
    for (std::size_t g = 0; g < count; ++g) {
        const double rpm = g + 1 == count ? to : from + step * static_cast<double>(g);
        double torque = 0;
        for (const auto& curve : curves)
            torque += torqueAt(curve, rpm);
        torque /= static_cast<double>(curves.size());
        PowerPoint p{static_cast<float>(rpm), static_cast<float>(torque), 0};
        p.power = averagePower(p.rpm, p.torque, units);
        average.points.push_back(p);
    }
    return average;
}

}  // namespace

std::string AverageCurve::fileBytes() const
{
    return powerFileText(points, units.wattsPerPowerUnit, units.torquePerNm);
}

bool shareEngineSpeeds(const CurveSet& slots)
{
    const auto ticked = tickedSlots(slots);
    if (ticked.empty())
        return true;
    int common = kMaxCurveLines;
    for (const CurveSlot* slot : ticked)
        common = std::min(common, static_cast<int>(slot->pointCount));
    for (int i = 0; i < common; ++i) {
        const float rpm = ticked.front()->point(i).rpm;
        for (const CurveSlot* slot : ticked)
            if (slot->point(i).rpm != rpm)
                return false;
    }
    return true;
}

Result<AverageCurve> averageCurve(const CurveSet& slots, const DisplayUnits& units)
{
    const auto ticked = tickedSlots(slots);
    if (ticked.empty())
        return Failure{tx("AverageCurve", "no curve is ticked: tick the curves to average")};
    // A slot ticked since the last plot command and never read would add
    // zeros and halve every figure.
    for (std::size_t k = 0; k < slots.size(); ++k)
        if (slots[k].ticked && slots[k].pointCount == 0)
            return Failure{
                tx("AverageCurve", "slot %1 is ticked but holds no curve: plot the curves before averaging them")
                    .arg(std::to_string(k + 1))};
    if (shareEngineSpeeds(slots))
        return byPosition(ticked, units);
    return onCommonGrid(slots, units);
}

}  // namespace vornax::compare
