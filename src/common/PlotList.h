// A plot's display list: what a drawing surface shows, in the surface's user
// scale (origin top left, x to the right up to scaleWidth, y downwards up to
// scaleHeight), as plain values. The core makes one for every plot; the plot
// canvas paints it on screen and the picture renderer paints the same list
// into a PNG or SVG, so a window, `vornax plot` and the demo show one drawing.
//
// Line widths and text sizes are in device pixels (they do not grow with the
// scale); everything else is in user units. Items are drawn in list order over
// the background.
#pragma once

#include "common/PlatformServices.h"
#include "common/PlotMapping.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace vornax {

struct PlotLine {
    double x1, y1, x2, y2;
    Rgb colour;
    double width = 1.0;
};

// Joined segments through the points, in order.
struct PlotPolyline {
    std::vector<PlotPoint> points;
    Rgb colour;
    double width = 1.0;
    bool dashed = false;
};

// Where a text's reference point lies on the text's box.
enum class TextAnchor { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

struct PlotText {
    double x, y;       // reference point
    std::string text;  // UTF-8, one line
    TextAnchor anchor = TextAnchor::TopLeft;
    Rgb colour{0, 0, 0};
    double size = 12.0;  // font height in device pixels
    bool bold = false;
};

struct PlotRect {
    double x, y, width, height;  // top-left corner and extent
    Rgb fill;
};

struct PlotList;

// Another plot drawn into a rectangle of this one with its own user scale
// and background: a window's plot inside a picture with its axis texts.
struct PlotPanel {
    double x, y, width, height;
    std::shared_ptr<const PlotList> plot;
};

// A key to the curves: one row per entry, a short sample of each of the
// entry's lines followed by its name, over a pale box in one corner of the
// surface. Unlike the other items it is laid out in device pixels (the font
// decides its size), so it reads the same at any scale; a name too wide for
// the surface is shortened in its middle.
struct PlotLegendSample {
    Rgb colour;
    bool dashed = false;
};

struct PlotLegendEntry {
    std::string name;  // UTF-8, one line
    std::vector<PlotLegendSample> samples;
};

enum class LegendCorner { TopLeft, TopRight, BottomLeft, BottomRight };

struct PlotLegend {
    std::vector<PlotLegendEntry> entries;
    LegendCorner corner = LegendCorner::TopLeft;
    double size = 12.0;  // font height in device pixels
};

// A raster stretched over a rectangle: `columns` x `rows` pixels, row 0 at
// the top, each 0xFFRRGGBB (opaque). The pixels are shared, so copying a list that
// holds a large picture costs nothing.
struct PlotImage {
    double x, y, width, height;  // top-left corner and extent
    int columns = 0, rows = 0;
    std::shared_ptr<const std::vector<std::uint32_t>> pixels;  // columns x rows, row after row
};

using PlotItem = std::variant<PlotLine, PlotPolyline, PlotText, PlotRect, PlotPanel, PlotLegend, PlotImage>;

struct PlotList {
    double scaleWidth = 1.0, scaleHeight = 1.0;
    Rgb background{255, 255, 255};
    std::vector<PlotItem> items;

    // Appenders. Items with a coordinate that is not finite are skipped (no
    // surface can draw them); a polyline keeps its finite points.
    void line(double x1, double y1, double x2, double y2, Rgb colour, double width = 1.0);
    void polyline(const std::vector<PlotPoint>& points, Rgb colour, double width = 1.0, bool dashed = false);
    void text(double x, double y, std::string text, TextAnchor anchor, Rgb colour = {0, 0, 0}, double size = 12.0,
              bool bold = false);
    void rect(double x, double y, double width, double height, Rgb fill);
    void panel(double x, double y, double width, double height, PlotList plot);
    // A legend without entries is not added.
    void legend(PlotLegend legend);
    // Not added unless `pixels` holds exactly columns x rows of them.
    void image(double x, double y, double width, double height, int columns, int rows,
               std::vector<std::uint32_t> pixels);
};

// Every straight piece of the list's lines and polylines in drawing order,
// each polyline as its consecutive segments (panels not entered).
std::vector<PlotLine> segmentsOf(const PlotList& plot);

// The texts of the list in drawing order, a legend's names among them
// (panels not entered).
std::vector<std::string> textsOf(const PlotList& plot);

}  // namespace vornax
