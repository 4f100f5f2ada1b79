#include "power/PowerChart.h"

#include <algorithm>

namespace vornax {

double chartX(const ChartScale& scale, double rpm) { return rpm - scale.rpmLeft; }
double chartPowerY(const ChartScale& scale, double power) { return static_cast<double>(scale.powerTop) - power; }
double chartTorqueY(const ChartScale& scale, double torque)
{
    const double k = scale.torqueToPower;
    return k * scale.torqueTop - k * torque;
}

PlotList powerChart(const PowerResult& result)
{
    const ChartScale& s = result.scale;
    const double dN = s.rpmSpan;
    const double dP = s.powerSpan;
    PlotList chart;
    chart.scaleWidth = dN;
    chart.scaleHeight = dP;

    // Horizontal grid from the bottom edge up to the top edge, then vertical
    // grid from the right edge to the left edge.
    for (int i = 0; i <= 9; ++i) {
        const double y = dP - dP * i / 9.0;
        chart.line(0, y, dN, y, kGridColour);
    }
    for (int i = 0; i <= 8; ++i) {
        const double x = dN - dN * i / 8.0;
        chart.line(x, dP, x, 0, kGridColour);
    }

    const auto& rows = result.table;
    const int last = std::min(result.pointCount - 40, static_cast<int>(rows.size()) - 2);
    std::vector<PlotPoint> power, torque;
    for (int i = 10; i <= last + 1 && last >= 10; ++i) {
        const PowerRow& row = rows[static_cast<std::size_t>(i)];
        power.push_back({chartX(s, row.rpm), chartPowerY(s, row.power)});
        torque.push_back({chartX(s, row.rpm), chartTorqueY(s, row.torque)});
    }
    chart.polyline(power, kPowerColour);
    chart.polyline(torque, kTorqueColour);
    return chart;
}

}  // namespace vornax
