// A raster picture the command line can draw without a GUI toolkit: RGB
// pixels, straight lines (optionally thick or dashed), filled rectangles and
// text in a small built-in 5 × 7 bitmap font, saved as PNG.
#pragma once

#include "common/PlatformServices.h"
#include "common/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

enum class TextAlign { Left, Centre, Right };

class Picture {
public:
    // width, height >= 1, every pixel `background`.
    Picture(int width, int height, Rgb background = {255, 255, 255});

    int width() const { return width_; }
    int height() const { return height_; }

    // Pixel (x, y), origin top left. Drawing outside the picture does
    // nothing; reading outside it gives black.
    void set(int x, int y, Rgb colour);
    Rgb at(int x, int y) const;

    // A line between pixel centres, both ends included. thickness >= 1
    // widens it symmetrically; dash > 0 draws dash pixels on, dash off.
    // Ends that are not finite draw nothing.
    void line(double x1, double y1, double x2, double y2, Rgb colour, int thickness = 1, int dash = 0);
    void fillRect(int x, int y, int width, int height, Rgb colour);

    // Text in the built-in font, each glyph 5 × 7 dots drawn as scale × scale
    // squares with one dot of spacing; (x, y) is the top of the text and its
    // left edge, centre or right edge as aligned. Lower-case letters are drawn
    // as capitals, accented letters without their accent, and characters the
    // font lacks as a small box.
    void text(int x, int y, std::string_view text, Rgb colour, int scale = 1, TextAlign align = TextAlign::Left);
    // The same text turned a quarter to the left (reading upwards), (x, y)
    // its left edge and the vertical position of its centre.
    void verticalText(int x, int y, std::string_view text, Rgb colour, int scale = 1);
    static int textWidth(std::string_view text, int scale = 1);
    static int textHeight(int scale = 1) { return 7 * scale; }

    // Three bytes per pixel, rows top to bottom.
    const std::string& rgb() const { return pixels_; }
    std::string png() const;
    Status savePng(const std::filesystem::path& file) const;

private:
    int width_, height_;
    std::string pixels_;
};

}  // namespace vornax
