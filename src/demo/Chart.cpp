#include "demo/Chart.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kGrid{215, 215, 215};

double niceStep(double span, int divisions)
{
    const double raw = span / std::max(1, divisions);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= raw * 0.999)
            return m * power;
    return 10.0 * power;
}

struct Box {
    int left, top, right, bottom;
};

}  // namespace

int NiceScale::divisions() const
{
    return static_cast<int>(std::lround((high - low) / step));
}

NiceScale niceScale(double low, double high, int divisions)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (high <= low)
        high = low + (low == 0 ? 1.0 : std::abs(low) * 0.1);
    NiceScale s;
    s.step = niceStep(high - low, divisions);
    s.low = std::floor(low / s.step + 1e-9) * s.step;
    s.high = std::ceil(high / s.step - 1e-9) * s.step;
    return s;
}

NiceScale matchingScale(double low, double high, int divisions)
{
    NiceScale s = niceScale(low, high, divisions);
    divisions = std::max(1, divisions);
    // Widen the step until the range fits in exactly `divisions` steps.
    for (int guard = 0; guard < 60; ++guard) {
        s.low = std::floor(low / s.step + 1e-9) * s.step;
        s.high = s.low + divisions * s.step;
        if (s.high >= high - 1e-9 * std::abs(high))
            break;
        s.step = niceStep(s.step * 1.01 * divisions, divisions);
    }
    return s;
}

std::string gridText(double value, double step)
{
    if (std::abs(value) < step * 1e-6)
        value = 0;
    // As many decimals as the step has: 2,5 steps give 7,5 not 8.
    const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-6 * std::max(1.0, std::abs(v)); };
    const Pattern pattern = whole(step) ? Pattern::Whole : whole(step * 10) ? Pattern::OneDecimal : Pattern::TwoDecimals;
    return formatPattern(value, pattern);
}

void drawChart(Picture& picture, const ChartSetup& setup, const std::vector<Series>& series)
{
    const int scale = picture.width() >= 900 ? 2 : 1;
    const int textH = Picture::textHeight(scale);
    const bool right = !setup.rightName.empty();
    const Box box{16 * scale + 6 * textH, 14 * scale + 2 * textH, picture.width() - (right ? 16 * scale + 6 * textH : 12 * scale),
                  picture.height() - 12 * scale - 3 * textH};

    const NiceScale xs = niceScale(setup.xRange.first, setup.xRange.second, 8);
    const NiceScale ls = niceScale(setup.leftRange.first, setup.leftRange.second, 6);
    const NiceScale rs = matchingScale(setup.rightRange.first, setup.rightRange.second, ls.divisions());

    const auto px = [&](double x) { return box.left + (x - xs.low) / (xs.high - xs.low) * (box.right - box.left); };
    const auto py = [&](double y, const NiceScale& s) {
        return box.bottom - (y - s.low) / (s.high - s.low) * (box.bottom - box.top);
    };

    // Grid and numbers.
    for (int k = 0; k <= xs.divisions(); ++k) {
        const double x = xs.low + k * xs.step;
        picture.line(px(x), box.top, px(x), box.bottom, kGrid);
        picture.text(static_cast<int>(std::lround(px(x))), box.bottom + 4 * scale, gridText(x, xs.step), kInk, scale,
                     TextAlign::Centre);
    }
    for (int k = 0; k <= ls.divisions(); ++k) {
        const double y = ls.low + k * ls.step;
        const int yy = static_cast<int>(std::lround(py(y, ls)));
        picture.line(box.left, yy, box.right, yy, kGrid);
        picture.text(box.left - 4 * scale, yy - textH / 2, gridText(y, ls.step), kInk, scale, TextAlign::Right);
        if (right)
            picture.text(box.right + 4 * scale, yy - textH / 2, gridText(rs.low + k * rs.step, rs.step), kInk, scale);
    }
    picture.line(box.left, box.top, box.right, box.top, kInk);
    picture.line(box.left, box.bottom, box.right, box.bottom, kInk);
    picture.line(box.left, box.top, box.left, box.bottom, kInk);
    picture.line(box.right, box.top, box.right, box.bottom, kInk);

    // Titles.
    picture.text(picture.width() / 2, 6 * scale, setup.title, kInk, scale, TextAlign::Centre);
    picture.text((box.left + box.right) / 2, box.bottom + 8 * scale + textH, setup.xName, kInk, scale, TextAlign::Centre);
    picture.verticalText(4 * scale, (box.top + box.bottom) / 2, setup.leftName, kInk, scale);
    if (right)
        picture.verticalText(picture.width() - 4 * scale - textH, (box.top + box.bottom) / 2, setup.rightName, kInk, scale);

    // Series, clipped to the frame: a segment with an end outside is drawn
    // only when both ends are inside (the curves never leave by much).
    const auto inside = [&](double x, double y) {
        return x >= box.left - 0.5 && x <= box.right + 0.5 && y >= box.top - 0.5 && y <= box.bottom + 0.5;
    };
    for (const Series& s : series) {
        const NiceScale& ys = s.side == Side::Left ? ls : rs;
        for (std::size_t i = 1; i < s.points.size(); ++i) {
            const double x1 = px(s.points[i - 1].first), y1 = py(s.points[i - 1].second, ys);
            const double x2 = px(s.points[i].first), y2 = py(s.points[i].second, ys);
            if (inside(x1, y1) && inside(x2, y2))
                picture.line(x1, y1, x2, y2, s.colour, s.thickness, s.dash * scale);
        }
    }

    // Legend, in a corner inside the frame.
    int widest = 0, entries = 0;
    for (const Series& s : series)
        if (!s.name.empty()) {
            widest = std::max(widest, Picture::textWidth(s.name, scale));
            ++entries;
        }
    const int lineHeight = textH + 6 * scale;
    int y = setup.legendBottomRight ? box.bottom - 6 * scale - entries * lineHeight + 6 * scale : box.top + 6 * scale;
    const int x = setup.legendBottomRight ? box.right - widest - 32 * scale : box.left + 8 * scale;
    for (const Series& s : series) {
        if (s.name.empty())
            continue;
        picture.fillRect(x - 3 * scale, y - 2 * scale, Picture::textWidth(s.name, scale) + 30 * scale, textH + 4 * scale,
                         {255, 255, 255});
        picture.line(x, y + textH / 2, x + 18 * scale, y + textH / 2, s.colour, s.thickness, s.dash > 0 ? 4 * scale : 0);
        picture.text(x + 24 * scale, y, s.name, kInk, scale);
        y += lineHeight;
    }
}

}  // namespace vornax
