#include "demo/Picture.h"

#include "common/TextFile.h"
#include "demo/BitmapFont.h"
#include "demo/PngWriter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vornax {

Picture::Picture(int width, int height, Rgb background) : width_(width), height_(height)
{
    if (width < 1 || height < 1)
        throw std::invalid_argument("Picture: empty size");
    pixels_.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < pixels_.size(); i += 3) {
        pixels_[i] = static_cast<char>(background.r);
        pixels_[i + 1] = static_cast<char>(background.g);
        pixels_[i + 2] = static_cast<char>(background.b);
    }
}

void Picture::set(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    pixels_[i] = static_cast<char>(colour.r);
    pixels_[i + 1] = static_cast<char>(colour.g);
    pixels_[i + 2] = static_cast<char>(colour.b);
}

Rgb Picture::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return {};
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {static_cast<std::uint8_t>(pixels_[i]), static_cast<std::uint8_t>(pixels_[i + 1]),
            static_cast<std::uint8_t>(pixels_[i + 2])};
}

void Picture::line(double x1, double y1, double x2, double y2, Rgb colour, int thickness, int dash)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    // Clamp far-away ends so that the step count stays reasonable; the part
    // of the line inside the picture is what matters.
    const double limit = 4.0 * std::max(width_, height_) + 16.0;
    const auto clampEnd = [limit](double v) { return std::clamp(v, -limit, limit); };
    x1 = clampEnd(x1), y1 = clampEnd(y1), x2 = clampEnd(x2), y2 = clampEnd(y2);
    const int steps = static_cast<int>(std::ceil(std::max(std::abs(x2 - x1), std::abs(y2 - y1))));
    const int lo = -(thickness - 1) / 2;
    const int hi = thickness / 2;
    for (int k = 0; k <= steps; ++k) {
        if (dash > 0 && (k / dash) % 2 == 1)
            continue;
        const double f = steps == 0 ? 0.0 : static_cast<double>(k) / steps;
        const int x = static_cast<int>(std::lround(x1 + f * (x2 - x1)));
        const int y = static_cast<int>(std::lround(y1 + f * (y2 - y1)));
        for (int dy = lo; dy <= hi; ++dy)
            for (int dx = lo; dx <= hi; ++dx)
                set(x + dx, y + dy, colour);
    }
}

void Picture::fillRect(int x, int y, int width, int height, Rgb colour)
{
    for (int yy = std::max(0, y); yy < std::min(height_, y + height); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width_, x + width); ++xx)
            set(xx, yy, colour);
}

int Picture::textWidth(std::string_view text, int scale)
{
    const auto count = static_cast<int>(codePoints(text).size());
    return count == 0 ? 0 : (count * 6 - 1) * scale;
}

void Picture::text(int x, int y, std::string_view text, Rgb colour, int scale, TextAlign align)
{
    if (align == TextAlign::Centre)
        x -= textWidth(text, scale) / 2;
    else if (align == TextAlign::Right)
        x -= textWidth(text, scale);
    for (const char32_t c : codePoints(text)) {
        const Glyph& g = glyphFor(c);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g[static_cast<std::size_t>(row)] & (1u << (4 - col)))
                    fillRect(x + col * scale, y + row * scale, scale, scale, colour);
        x += 6 * scale;
    }
}

void Picture::verticalText(int x, int y, std::string_view text, Rgb colour, int scale)
{
    // Glyph column c becomes a row counted from the bottom, glyph row r a
    // column: the text reads from bottom to top.
    int bottom = y + textWidth(text, scale) / 2;
    for (const char32_t c : codePoints(text)) {
        const Glyph& g = glyphFor(c);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g[static_cast<std::size_t>(row)] & (1u << (4 - col)))
                    fillRect(x + row * scale, bottom - (col + 1) * scale, scale, scale, colour);
        bottom -= 6 * scale;
    }
}

std::string Picture::png() const
{
    return pngFile(width_, height_, pixels_);
}

Status Picture::savePng(const std::filesystem::path& file) const
{
    return writeFileAtomically(file, png());
}

}  // namespace vornax
