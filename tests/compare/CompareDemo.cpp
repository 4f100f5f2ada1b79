// Shows the comparison window with three made-up power curves in their own
// colours, plotted as a user would (tick, choose file, pick colours, Tracer),
// for a screenshot: `compare_demo [seconds]`. The files go to a temporary
// application folder that is removed afterwards.
#include "compare/CompareWindow.h"

#include "CurveFiles.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "shell/Language.h"
#include "shell/Varia.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QCursor>
#include <QTimer>

#include <cmath>

using namespace vornax;
using namespace vornax::compare;

namespace {

// A classic Mini engine run in ch and m·kg: torque rises, peaks and falls.
std::vector<CurvePoint> run(float peakRpm, float peakTorque, float spread)
{
    std::vector<CurvePoint> points;
    for (int i = 0; i < 240; ++i) {
        const float rpm = 2000.0f + 20.0f * static_cast<float>(i);
        const float d = (rpm - peakRpm) / spread;
        const float torque = peakTorque * (1.0f - 0.35f * d * d) + 0.04f * std::sin(0.3f * static_cast<float>(i));
        points.push_back({rpm, torque, rpm * torque / 716.2f});
    }
    return points;
}

void click(QWidget* widget)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::TempFolder home;
    home.useAsAppFolder();
    loadLanguageFile(store(), std::string(VORNAX_LANG_DIR) + "/francais.txt");
    testing::ScriptedPlatform platform;

    CompareWindow w;
    w.move(20, 20);
    w.resize(1180, 700);
    w.show();
    const std::vector<std::tuple<std::vector<CurvePoint>, Rgb, Rgb>> curves = {
        {run(4200, 8.6f, 2200), Rgb{0, 0, 255}, Rgb{255, 0, 0}},
        {run(4600, 9.1f, 2000), Rgb{0, 150, 0}, Rgb{230, 140, 0}},
        {run(3800, 8.2f, 2600), Rgb{120, 0, 160}, Rgb{0, 170, 170}},
    };
    for (std::size_t k = 0; k < curves.size(); ++k) {
        const auto& [points, torque, power] = curves[k];
        const auto file = home.write("Puissance/essai" + std::to_string(k + 1) + ".txt",
                                     testing::curveText(points, testing::Factors{735.49875f, 0.1019716f}));
        platform.answerOpen(file.string());
        w.findChild<QCheckBox*>(QString("Check%1").arg(k + 1))->setChecked(true);
        const char* torqueSwatch[] = {"Label33", "Label38", "Label42"};
        const char* powerSwatch[] = {"Label35", "Label36", "Label40"};
        platform.answerColour(torque);
        click(w.findChild<QLabel*>(torqueSwatch[k]));
        platform.answerColour(power);
        click(w.findChild<QLabel*>(powerSwatch[k]));
    }
    w.findChild<QCheckBox*>("Check12")->setChecked(true);
    w.findChild<QCheckBox*>("Check13")->setChecked(true);
    w.findChild<QPushButton*>("Command12")->click();

    // Put the pointer over the plot so the readout and the crosshair show.
    QTimer::singleShot(500, &w, [&w] {
        QWidget* plot = w.findChild<QWidget*>("Picture1");
        QCursor::setPos(plot->mapToGlobal(QPoint(plot->width() * 5 / 8, plot->height() / 4)));
    });
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
