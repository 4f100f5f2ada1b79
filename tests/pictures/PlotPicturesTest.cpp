// The display list's appenders, the framing of a window's plot as a picture,
// and what `vornax plot` tells from a file's lines.
#include "common/PlotFrame.h"
#include "pictures/PlotPictures.h"
#include "simulation/AccelerationFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

TEST(PlotList, SkipsWhatCannotBeDrawnAndBreaksPolylinesThere)
{
    const double nan = std::nan("");
    PlotList plot;
    plot.line(0, 0, nan, 1, {});
    plot.text(1.0 / 0.0, 0, "x", TextAnchor::Centre);
    plot.polyline({{0, 0}, {1, 1}, {nan, 2}, {3, 3}, {4, 4}, {5, 5}, {1e300 * 1e10, 0}, {7, 7}}, {1, 2, 3});
    ASSERT_EQ(plot.items.size(), 2u);  // {0,1} and {3,4,5}; {7} alone draws nothing
    const std::vector<PlotLine> segments = segmentsOf(plot);
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].x2, 1.0);
    EXPECT_EQ(segments[1].x1, 3.0);
    EXPECT_EQ(segments[2].x2, 5.0);
    EXPECT_EQ(segments[2].colour, (Rgb{1, 2, 3}));
}

TEST(PlotFrame, PutsThePlotBetweenItsValueColumnsAndTheTextsAroundIt)
{
    PlotList inner;
    inner.line(0, 0, 1, 1, {});
    PlotFrame frame;
    frame.title = "Title";
    frame.left = {"100", "50", "0"};
    frame.right = {"12345,6", "0"};
    frame.bottom = {"1000", "2000", "3000"};
    frame.notes = {"Puissance max: 58,54ch"};
    frame.legend = {{"A", {255, 0, 0}}};
    const PlotList out = framedPlot(inner, frame, 800, 500);
    EXPECT_EQ(out.scaleWidth, 800.0);
    const PlotPanel* panel = nullptr;
    std::vector<const PlotText*> texts;
    for (const PlotItem& item : out.items) {
        if (const auto* p = std::get_if<PlotPanel>(&item))
            panel = p;
        if (const auto* t = std::get_if<PlotText>(&item))
            texts.push_back(t);
    }
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(segmentsOf(*panel->plot).size(), 1u);
    // Every text inside the picture, value columns outside the plot, the
    // first left value on the plot's top edge and the last on its bottom.
    for (const PlotText* t : texts) {
        EXPECT_TRUE(t->x >= 0 && t->x <= 800 && t->y >= 0 && t->y <= 500) << t->text;
    }
    EXPECT_EQ(textsOf(out).front(), "Title");
    const auto find = [&](const std::string& s) {
        for (const PlotText* t : texts)
            if (t->text == s)
                return t;
        return static_cast<const PlotText*>(nullptr);
    };
    ASSERT_TRUE(find("100") && find("0") && find("12345,6") && find("2000") && find("Puissance max: 58,54ch"));
    EXPECT_LT(find("100")->x, panel->x);
    EXPECT_EQ(find("100")->y, panel->y);
    EXPECT_EQ(find("50")->y, panel->y + panel->height / 2);
    EXPECT_GT(find("12345,6")->x, panel->x + panel->width);
    EXPECT_EQ(find("2000")->x, panel->x + panel->width / 2);
    EXPECT_GT(find("Puissance max: 58,54ch")->y, panel->y + panel->height);
    EXPECT_GT(panel->width, 600.0);
    // The room the texts take is the picture's less the plot's panel.
    const FrameRoom room = frameRoom(frame);
    EXPECT_NEAR(room.left, panel->x, 1e-9);
    EXPECT_NEAR(room.top, panel->y, 1e-9);
    EXPECT_NEAR(room.right, 800 - panel->x - panel->width, 1e-9);
    EXPECT_NEAR(room.bottom, 500 - panel->y - panel->height, 1e-9);
}

TEST(PlotFileKind, ToldFromTheLines)
{
    struct Case {
        std::vector<std::string> lines;
        std::optional<PlotFileKind> kind;
    } const cases[] = {
        {{"2,5;3012,4", "2,51;3020"}, PlotFileKind::Curve},
        {{"2000;10,1;30,2", "2010;10,2;30,4", " 736 ", " 0,1019716 "}, PlotFileKind::Power},
        {{"2000;10,1;30,2", " 736 ", " 0,1 "}, PlotFileKind::Power},
        {{"0,01;0,5;0,001", "0,02;0,9;0,004", " 1 ", " 1 "}, PlotFileKind::Acceleration},
        {{"", "0,01;0,5;0,001", "0,02;0,9;0,004"}, PlotFileKind::Acceleration},
        {{" 1 ", " 1 "}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto kind = plotFileKind(c.lines);
        ASSERT_EQ(kind.ok(), c.kind.has_value()) << c.lines.size();
        if (c.kind)
            EXPECT_EQ(*kind, *c.kind);
    }
}

TEST(AccelerationFile, ReadsBackWhatItWrote)
{
    ResultSeries series;
    for (int i = 1; i <= 4; ++i) {
        series.time[i] = 0.01f * i;
        series.speed[i] = 2.5f * i;
        series.distance[i] = 0.001f * i * i;
    }
    const std::string bytes = accelerationFileBytes(series, 5, 0.6213712f);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto end = bytes.find("\r\n", at);
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    const auto run = parseAccelerationLines(lines, "acc.txt");
    ASSERT_TRUE(run) << run.error();
    EXPECT_EQ(run->shownLength, 5);
    EXPECT_FLOAT_EQ(run->speedFactor, 0.6213712f);
    EXPECT_FLOAT_EQ(run->maxSpeed, 10.0f);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(run->series->time[i], series.time[i]);
        EXPECT_EQ(run->series->distance[i], series.distance[i]);
    }
    EXPECT_FLOAT_EQ(run->series->time[5], 0.05f);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {" 1 "}, {"0,01;1;0", "0,02;x;0", " 1 "}, {"0,01;1", " 1 "}, {"0,01;1;0"}, {"0,01;1;0", "abc"}}) {
        EXPECT_FALSE(parseAccelerationLines(bad, "acc.txt")) << bad.front();
    }
}

}  // namespace
}  // namespace vornax
