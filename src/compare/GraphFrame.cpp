#include "compare/GraphFrame.h"

#include "common/NumberText.h"

#include <cmath>

namespace vornax::compare {
namespace {

// Pointer positions are taken to three decimals before use.
double threeDecimals(double v) { return std::round(v * 1000.0) / 1000.0; }

}  // namespace

FrameLayout layoutFrame(double windowWidth, double windowHeight, const TwipRect& previous)
{
    FrameLayout layout;
    TwipRect& plot = layout.plot;
    plot.left = kPlotLeft;
    plot.top = kCommand12Top + kCommand12Height + 255;
    plot.height = windowHeight - plot.top - 900 > 0 ? windowHeight - plot.top - 900 : previous.height;
    plot.width = windowWidth - plot.left - 630 > 0 ? windowWidth - plot.left - 630 : previous.width;

    std::array<double, 10> tops{};
    tops[0] = plot.top;
    for (int k = 1; k <= 8; ++k)
        tops[static_cast<std::size_t>(k)] = plot.top + plot.height * k / 9.0;
    tops[9] = plot.top + plot.height - 255;

    const double powerLeft = plot.left - 630;
    const double torqueLeft = plot.left + plot.width + 15;
    layout.labels[30] = {powerLeft, plot.top - 300};
    layout.labels[31] = {torqueLeft, plot.top - 300};
    for (int k = 0; k < 10; ++k) {
        layout.labels[1 + k] = {powerLeft, tops[static_cast<std::size_t>(k)]};
        layout.labels[11 + k] = {torqueLeft, tops[static_cast<std::size_t>(k)]};
    }
    for (int k = 0; k < 9; ++k)
        layout.labels[21 + k] = {plot.left + plot.width * (k * 0.125) - 307, plot.top + plot.height};
    return layout;
}

std::optional<Readout> readoutAt(double x, double y, const TwipRect& plot, double scaleWidth, double scaleHeight,
                                 const ReadoutScale& scale, const PlotTexts& texts)
{
    const double left = std::nearbyint(plot.left);
    const double right = std::nearbyint(plot.left + plot.width);
    const double top = std::nearbyint(plot.top);
    const double bottom = std::nearbyint(plot.top + plot.height);
    if (!(x > left && x < right && y > top && y < bottom))
        return std::nullopt;

    x = threeDecimals(x);
    y = threeDecimals(y);
    const double up = plot.top + plot.height - y;  // twips above the plot's bottom
    Readout r;
    r.lblX = formatPattern((x - plot.left) * scaleWidth / plot.width + double(scale.lowerRpm), Pattern::Whole);
    r.lblY =
        formatPattern(up * scaleHeight / plot.height + double(scale.lowerPower), Pattern::OneDecimal) + texts.powerUnit;
    r.lblt = formatPattern(up * double(scale.torquePerPower) * scaleHeight / plot.height + double(scale.lowerTorque),
                           Pattern::OneDecimal) +
             texts.torqueUnit;
    return r;
}

}  // namespace vornax::compare
