#include "power/PowerChart.h"

#include <algorithm>

namespace vornax {

ChartDrawing powerChart(const PowerResult& result)
{
    const ChartScale& s = result.scale;
    const double dN = s.rpmSpan;
    const double dP = s.powerSpan;
    ChartDrawing chart;
    chart.width = dN;
    chart.height = dP;

    // Horizontal grid from the bottom edge up to the top edge, then vertical
    // grid from the right edge to the left edge.
    for (int i = 0; i <= 9; ++i) {
        const double y = dP - dP * i / 9.0;
        chart.lines.push_back({0, y, dN, y, kGridColour});
    }
    for (int i = 0; i <= 8; ++i) {
        const double x = dN - dN * i / 8.0;
        chart.lines.push_back({x, dP, x, 0, kGridColour});
    }

    const auto& rows = result.table;
    const int last = std::min(result.pointCount - 40, static_cast<int>(rows.size()) - 2);
    const double left = s.rpmLeft;
    for (int i = 10; i <= last; ++i) {
        const PowerRow& a = rows[static_cast<std::size_t>(i)];
        const PowerRow& b = rows[static_cast<std::size_t>(i + 1)];
        chart.lines.push_back({a.rpm - left, static_cast<double>(s.powerTop) - a.power,
                               b.rpm - left, static_cast<double>(s.powerTop) - b.power, kPowerColour});
    }
    const double k = s.torqueToPower;
    const double top = k * s.torqueTop;
    for (int i = 10; i <= last; ++i) {
        const PowerRow& a = rows[static_cast<std::size_t>(i)];
        const PowerRow& b = rows[static_cast<std::size_t>(i + 1)];
        chart.lines.push_back({a.rpm - left, top - k * a.torque, b.rpm - left, top - k * b.torque, kTorqueColour});
    }
    return chart;
}

}  // namespace vornax
