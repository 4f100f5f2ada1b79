#include "common/PlotList.h"

#include <cmath>

namespace vornax {
namespace {

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

}  // namespace

void PlotList::line(double x1, double y1, double x2, double y2, Rgb colour, double width)
{
    if (finite({x1, y1, x2, y2}))
        items.emplace_back(PlotLine{x1, y1, x2, y2, colour, width});
}

void PlotList::polyline(const std::vector<PlotPoint>& points, Rgb colour, double width, bool dashed)
{
    // A point that cannot be drawn breaks the line: the runs on either side
    // are drawn apart.
    std::vector<PlotPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2)
            items.emplace_back(PlotPolyline{std::move(run), colour, width, dashed});
        run.clear();
    };
    for (const PlotPoint& p : points) {
        if (finite({p.x, p.y}))
            run.push_back(p);
        else
            flush();
    }
    flush();
}

void PlotList::text(double x, double y, std::string text, TextAnchor anchor, Rgb colour, double size, bool bold)
{
    if (finite({x, y}) && !text.empty())
        items.emplace_back(PlotText{x, y, std::move(text), anchor, colour, size, bold});
}

void PlotList::rect(double x, double y, double width, double height, Rgb fill)
{
    if (finite({x, y, width, height}))
        items.emplace_back(PlotRect{x, y, width, height, fill});
}

void PlotList::panel(double x, double y, double width, double height, PlotList plot)
{
    if (finite({x, y, width, height}) && width > 0 && height > 0)
        items.emplace_back(PlotPanel{x, y, width, height, std::make_shared<const PlotList>(std::move(plot))});
}

void PlotList::legend(PlotLegend legend)
{
    if (!legend.entries.empty())
        items.emplace_back(std::move(legend));
}

void PlotList::image(double x, double y, double width, double height, int columns, int rows,
                     std::vector<std::uint32_t> pixels)
{
    if (finite({x, y, width, height}) && width > 0 && height > 0 && columns > 0 && rows > 0 &&
        pixels.size() == std::size_t(columns) * std::size_t(rows))
        items.emplace_back(PlotImage{x, y, width, height, columns, rows,
                                     std::make_shared<const std::vector<std::uint32_t>>(std::move(pixels))});
}

std::vector<PlotLine> segmentsOf(const PlotList& plot)
{
    std::vector<PlotLine> segments;
    for (const PlotItem& item : plot.items) {
        if (const auto* l = std::get_if<PlotLine>(&item))
            segments.push_back(*l);
        else if (const auto* p = std::get_if<PlotPolyline>(&item))
            for (std::size_t k = 1; k < p->points.size(); ++k)
                segments.push_back(
                    {p->points[k - 1].x, p->points[k - 1].y, p->points[k].x, p->points[k].y, p->colour, p->width});
    }
    return segments;
}

std::vector<std::string> textsOf(const PlotList& plot)
{
    std::vector<std::string> texts;
    for (const PlotItem& item : plot.items)
        if (const auto* t = std::get_if<PlotText>(&item))
            texts.push_back(t->text);
        else if (const auto* l = std::get_if<PlotLegend>(&item))
            for (const PlotLegendEntry& e : l->entries)
                texts.push_back(e.name);
    return texts;
}

}  // namespace vornax
