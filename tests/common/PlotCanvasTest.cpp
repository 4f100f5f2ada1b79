#include "gui/common/PlotCanvas.h"
#include "gui/common/WindowManager.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"

#include <QFile>
#include <QImage>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(PlotCanvas, DrawsInItsUserScaleAtAnySize)
{
    PlotCanvas canvas;
    canvas.setBackground({255, 255, 255});
    ASSERT_TRUE(canvas.setScale(100.0, 50.0));
    EXPECT_FALSE(canvas.setScale(0.0, 50.0));  // refused, scale kept
    EXPECT_FALSE(canvas.setScale(100.0, 1.0 / 0.0));
    EXPECT_EQ(canvas.scaleWidth(), 100.0);
    canvas.line(0, 25, 100, 25, {255, 0, 0});    // horizontal, half height
    canvas.line(50, 0, 50, 50, {0, 0, 255});     // vertical, half width
    canvas.line(0, 0, 1.0 / 0.0, 0, {0, 0, 0});  // cannot be drawn: skipped
    EXPECT_EQ(canvas.segments().size(), 2u);

    for (QSize size : {QSize(200, 100), QSize(400, 300)}) {
        const QImage image = canvas.toImage(size);
        const int midY = size.height() / 2;
        EXPECT_EQ(image.pixelColor(size.width() / 4, midY).red(), 255) << size.width();
        EXPECT_LT(image.pixelColor(size.width() / 4, midY).green(), 100) << size.width();
        EXPECT_EQ(image.pixelColor(size.width() / 2, size.height() / 4).blue(), 255) << size.width();
        EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 255)) << size.width();
    }
    canvas.clear();
    EXPECT_TRUE(canvas.segments().empty());
}

TEST(PlotCanvas, ExportsPngAndSvg)
{
    testing::TempFolder dir;
    PlotCanvas canvas;
    canvas.resize(300, 200);
    canvas.setScale(10, 10);
    canvas.line(0, 0, 10, 10, {0, 128, 0});
    const auto png = dir / "plot.png";
    const auto svg = dir / "plot.svg";
    ASSERT_TRUE(canvas.exportTo(QString::fromStdString(png.string())));
    ASSERT_TRUE(canvas.exportTo(QString::fromStdString(svg.string())));
    EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(300, 200));
    EXPECT_NE(testing::TempFolder::read(svg).find("<svg"), std::string::npos);
    EXPECT_FALSE(canvas.exportTo(QString::fromStdString((dir / "none/plot.png").string())));
}

// One display list of every kind of item, drawn on the canvas on screen
// (grabbed) and by the picture renderer without a widget: the same pixels,
// within what anti-aliasing may shade differently.
TEST(PlotCanvas, ShowsTheSamePixelsAsThePictureRenderer)
{
    PlotList inner;
    inner.scaleWidth = 10;
    inner.scaleHeight = 5;
    inner.background = {250, 250, 230};
    inner.line(0, 2.5, 10, 2.5, {0, 0, 0});
    inner.polyline({{0, 5}, {3, 1}, {6, 4}, {10, 0}}, {220, 0, 0}, 2.0);
    inner.polyline({{0, 0}, {10, 5}}, {0, 0, 200}, 1.5, true);
    PlotList plot;
    plot.scaleWidth = 300;
    plot.scaleHeight = 200;
    plot.rect(5, 5, 60, 20, {200, 230, 255});
    plot.text(150, 4, "Régime 5 000 tr/min", TextAnchor::Top, {0, 0, 0}, 14, true);
    plot.text(40, 190, "0,5", TextAnchor::Bottom);
    plot.panel(50, 30, 230, 140, inner);

    PlotCanvas canvas;
    canvas.resize(300, 200);
    canvas.setPlot(plot);
    const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = renderPlot(plot, QSize(300, 200));
    ASSERT_EQ(shown.size(), drawn.size());
    int differing = 0, inked = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = shown.pixelColor(x, y), b = drawn.pixelColor(x, y);
            const int d =
                std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            EXPECT_LE(d, 96) << x << "," << y;
            differing += d > 8 ? 1 : 0;
            inked += b != QColor(255, 255, 255) ? 1 : 0;
        }
    EXPECT_LT(differing, drawn.width() * drawn.height() / 100);
    EXPECT_GT(inked, 230 * 140);  // the panel's background and more
    // The panel keeps its own scale: its middle line crosses the panel's middle.
    EXPECT_LT(drawn.pixelColor(60, 100).lightness(), 80);
    EXPECT_EQ(drawn.pixelColor(20, 15), QColor(200, 230, 255));
}

TEST(PlotCanvas, PaintsARasterOverItsRectangle)
{
    PlotList plot;
    plot.scaleWidth = 100;
    plot.scaleHeight = 50;
    // Two by two pixels over the right half: red, green / blue, white.
    plot.image(50, 0, 50, 50, 2, 2, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu});
    // Pixels that do not fill the raster make no item.
    plot.image(0, 0, 50, 50, 2, 2, {0xFF000000u});
    plot.image(0, 0, 0, 50, 1, 1, {0xFF000000u});
    ASSERT_EQ(plot.items.size(), 1u);
    const PlotList copy = plot;  // shares the pixels
    EXPECT_EQ(std::get<PlotImage>(copy.items[0]).pixels, std::get<PlotImage>(plot.items[0]).pixels);

    for (const QSize size : {QSize(200, 100), QSize(400, 120)}) {
        const QImage drawn = renderPlot(plot, size);
        const auto at = [&](double x, double y) {
            return drawn.pixelColor(int(x * size.width()), int(y * size.height()));
        };
        EXPECT_EQ(at(0.25, 0.5), QColor(255, 255, 255));  // the background
        EXPECT_EQ(at(0.6, 0.1), QColor(255, 0, 0));
        EXPECT_EQ(at(0.9, 0.1), QColor(0, 255, 0));
        EXPECT_EQ(at(0.6, 0.9), QColor(0, 0, 255));
        EXPECT_EQ(at(0.9, 0.9), QColor(255, 255, 255));
    }
}

TEST(PlotCanvas, ReportsThePointerInUserCoordinates)
{
    PlotCanvas canvas;
    canvas.resize(400, 200);
    canvas.setScale(8000.0, 100.0);
    const PlotPoint p = canvas.toUser(QPoint(100, 50));
    EXPECT_DOUBLE_EQ(p.x, 2000.0);
    EXPECT_DOUBLE_EQ(p.y, 25.0);
}

TEST(WindowManager, CreatesEachWindowOnceAndSaysWhenOneIsMissing)
{
    testing::ScriptedPlatform platform;
    auto& windows = WindowManager::instance();
    windows.reset();
    int created = 0;
    windows.registerWindow("WavT", [&created] {
        ++created;
        return new QWidget(nullptr, Qt::Window);
    });
    QWidget* first = windows.show("WavT");
    first->close();
    EXPECT_EQ(windows.show("WavT"), first);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(first->objectName(), "WavT");
    EXPECT_EQ(windows.show("GRph"), nullptr);
    EXPECT_EQ(platform.messages().size(), 1u);
    windows.close("SimTD");  // never opened: nothing happens
    windows.reset();
}

TEST(WindowManager, OpensAWindowAtItsOwnSizeWithinTheScreenAndCentred)
{
    testing::ScriptedPlatform platform;
    auto& windows = WindowManager::instance();
    windows.reset();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize designed = area.size() * 9 / 10;  // beyond what adjustSize would give
    windows.registerWindow("GRph", [designed] {
        auto* window = new QWidget(nullptr, Qt::Window);
        window->resize(designed);
        return window;
    });
    windows.registerWindow("SimTD", [area] {
        auto* window = new QWidget(nullptr, Qt::Window);
        window->resize(area.size() * 2);
        return window;
    });
    QWidget* sized = windows.show("GRph");
    EXPECT_EQ(sized->size(), designed);
    // Centred up to the frame, which is not known before the window shows.
    EXPECT_LE((sized->geometry().center() - area.center()).manhattanLength(), 8);
    QWidget* huge = windows.show("SimTD");
    EXPECT_EQ(huge->size(), area.size());
    EXPECT_EQ(huge->pos(), area.topLeft());
    windows.reset();
}

}  // namespace
}  // namespace vornax
