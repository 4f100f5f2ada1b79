#include "common/PlotCanvas.h"
#include "common/WindowManager.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"

#include <QFile>
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
    EXPECT_FALSE(canvas.setScale(0.0, 50.0));              // refused, scale kept
    EXPECT_FALSE(canvas.setScale(100.0, 1.0 / 0.0));
    EXPECT_EQ(canvas.scaleWidth(), 100.0);
    canvas.line(0, 25, 100, 25, {255, 0, 0});               // horizontal, half height
    canvas.line(50, 0, 50, 50, {0, 0, 255});                // vertical, half width
    canvas.line(0, 0, 1.0 / 0.0, 0, {0, 0, 0});              // cannot be drawn: skipped
    EXPECT_EQ(canvas.lines().size(), 2u);

    for (QSize size : {QSize(200, 100), QSize(400, 300)}) {
        const QImage image = canvas.toImage(size);
        const int midY = size.height() / 2;
        EXPECT_EQ(image.pixelColor(size.width() / 4, midY).red(), 255) << size.width();
        EXPECT_LT(image.pixelColor(size.width() / 4, midY).green(), 100) << size.width();
        EXPECT_EQ(image.pixelColor(size.width() / 2, size.height() / 4).blue(), 255) << size.width();
        EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 255)) << size.width();
    }
    canvas.clear();
    EXPECT_TRUE(canvas.lines().empty());
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
