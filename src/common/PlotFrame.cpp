#include "common/PlotFrame.h"

#include <algorithm>

namespace vornax {
namespace {

constexpr double kTextSize = 13.0;
constexpr double kTitleSize = 16.0;
constexpr double kGap = 6.0;
// Average advance of a DejaVu Sans character over its pixel size, a little
// generous so that a column never runs into the plot.
constexpr double kAdvance = 0.62;
constexpr Rgb kInk{0, 0, 0};

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t characters(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

double columnWidth(const std::vector<std::string>& texts)
{
    std::size_t longest = 0;
    for (const std::string& t : texts)
        longest = std::max(longest, characters(t));
    return longest == 0 ? 0.0 : double(longest) * kAdvance * kTextSize + kGap;
}

double spread(double from, double to, std::size_t k, std::size_t count)
{
    return count <= 1 ? from : from + (to - from) * double(k) / double(count - 1);
}

// Where the plot's panel lies in a picture of width x height pixels.
struct Layout {
    double left, top, right, bottom;
    std::size_t legendRows;
};

constexpr std::size_t kLegendColumns = 2;

Layout layOut(const PlotFrame& frame, int width, int height)
{
    const double line = kTextSize * 1.3;
    double top = 10.0;
    if (!frame.title.empty())
        top += kTitleSize * 1.4;
    if (!frame.leftTitle.empty() || !frame.rightTitle.empty())
        top += line;
    top += kTextSize / 2;  // the first value is centred on the top edge
    const double left = std::max(12.0 + columnWidth(frame.left), 16.0);
    const double right = width - std::max(12.0 + columnWidth(frame.right), 16.0);
    double bottom = height - 10.0 - line * double(frame.notes.size());
    if (!frame.bottomTitle.empty())
        bottom -= line;
    const std::size_t legendRows = frame.legendBelow ? (frame.legend.size() + kLegendColumns - 1) / kLegendColumns : 0;
    bottom -= line * double(legendRows);
    if (!frame.bottom.empty())
        bottom -= line + kGap;
    else
        bottom -= kTextSize / 2;
    return {left, top, right, bottom, legendRows};
}

}  // namespace

FrameRoom frameRoom(const PlotFrame& frame)
{
    constexpr int kAny = 10000;
    const Layout at = layOut(frame, kAny, kAny);
    return {at.left, at.top, kAny - at.right, kAny - at.bottom};
}

PlotList framedPlot(const PlotList& plot, const PlotFrame& frame, int width, int height)
{
    PlotList out;
    out.scaleWidth = std::max(1, width);
    out.scaleHeight = std::max(1, height);
    out.background = {255, 255, 255};
    const double line = kTextSize * 1.3;

    if (!frame.title.empty())
        out.text(width / 2.0, 10.0, frame.title, TextAnchor::Top, kInk, kTitleSize, true);
    const auto [left, top, right, bottom, legendRows] = layOut(frame, width, height);

    if (!frame.leftTitle.empty())
        out.text(left, top - kTextSize / 2 - kGap, frame.leftTitle, TextAnchor::BottomLeft, kInk, kTextSize, true);
    if (!frame.rightTitle.empty())
        out.text(right, top - kTextSize / 2 - kGap, frame.rightTitle, TextAnchor::BottomRight, kInk, kTextSize, true);
    if (right - left < 20 || bottom - top < 20)
        return out;

    out.panel(left, top, right - left, bottom - top, plot);
    for (std::size_t k = 0; k < frame.left.size(); ++k)
        out.text(left - kGap, spread(top, bottom, k, frame.left.size()), frame.left[k], TextAnchor::Right);
    for (std::size_t k = 0; k < frame.right.size(); ++k)
        out.text(right + kGap, spread(top, bottom, k, frame.right.size()), frame.right[k], TextAnchor::Left);
    double y = bottom + kGap;
    for (std::size_t k = 0; k < frame.bottom.size(); ++k)
        out.text(spread(left, right, k, frame.bottom.size()), y, frame.bottom[k], TextAnchor::Top);
    if (!frame.bottom.empty())
        y += line;
    if (!frame.bottomTitle.empty()) {
        out.text((left + right) / 2, y, frame.bottomTitle, TextAnchor::Top, kInk, kTextSize, true);
        y += line;
    }
    const double sample = 28.0;
    if (legendRows > 0) {
        const double columnWidth = (right - left) / double(kLegendColumns);
        for (std::size_t k = 0; k < frame.legend.size(); ++k) {
            const LegendEntry& e = frame.legend[k];
            const double x = left + columnWidth * double(k % kLegendColumns);
            const double cy = y + line * (double(k / kLegendColumns) + 0.5);
            out.polyline({{x, cy}, {x + sample, cy}}, e.colour, e.width, e.dashed);
            out.text(x + sample + kGap, cy, e.name, TextAnchor::Left);
        }
        y += line * double(legendRows);
    }
    for (const std::string& note : frame.notes) {
        out.text(left, y, note, TextAnchor::TopLeft);
        y += line;
    }

    if (!frame.legend.empty() && legendRows == 0) {
        std::size_t longest = 0;
        for (const LegendEntry& e : frame.legend)
            longest = std::max(longest, characters(e.name));
        const double boxWidth = kGap * 3 + sample + double(longest) * kAdvance * kTextSize;
        const double boxHeight = kGap + line * double(frame.legend.size());
        const double x = left + 10, y0 = top + 10;
        out.rect(x, y0, boxWidth, boxHeight, {160, 160, 160});
        out.rect(x + 1, y0 + 1, boxWidth - 2, boxHeight - 2, {255, 255, 255});
        for (std::size_t k = 0; k < frame.legend.size(); ++k) {
            const LegendEntry& e = frame.legend[k];
            const double cy = y0 + kGap / 2 + line * (double(k) + 0.5);
            out.polyline({{x + kGap, cy}, {x + kGap + sample, cy}}, e.colour, e.width, e.dashed);
            out.text(x + kGap * 2 + sample, cy, e.name, TextAnchor::Left);
        }
    }
    return out;
}

}  // namespace vornax
