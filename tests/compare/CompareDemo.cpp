// Shows the comparison window plotted as a user would (tick, choose file,
// Tracer), for a screenshot: `compare_demo [seconds] [POWER.txt ...]`. With
// power curve files it loads those (up to eleven), else three made-up curves
// written to a temporary application folder that is removed afterwards. Each
// slot keeps its own colours.
#include "gui/compare/CompareWindow.h"

#include "CurveFiles.h"
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "store/Language.h"
#include "store/Varia.h"

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
std::vector<PowerPoint> run(float peakRpm, float peakTorque, float spread)
{
    std::vector<PowerPoint> points;
    for (int i = 0; i < 240; ++i) {
        const float rpm = 2000.0f + 20.0f * static_cast<float>(i);
        const float d = (rpm - peakRpm) / spread;
        const float torque = peakTorque * (1.0f - 0.35f * d * d) + 0.04f * std::sin(0.3f * static_cast<float>(i));
        points.push_back({rpm, torque, rpm * torque / 716.2f});
    }
    return points;
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
    std::vector<std::string> files;
    for (int i = 2; i < argc && files.size() < static_cast<std::size_t>(kSlotCount); ++i)
        files.push_back(argv[i]);
    if (files.empty()) {
        const std::vector<std::vector<PowerPoint>> curves = {run(4200, 8.6f, 2200), run(4600, 9.1f, 2000),
                                                             run(3800, 8.2f, 2600)};
        for (std::size_t k = 0; k < curves.size(); ++k)
            files.push_back(home.write("Puissance/essai" + std::to_string(k + 1) + ".txt",
                                       testing::curveText(curves[k], testing::Factors{735.49875f, 0.1019716f}))
                                .string());
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        platform.answerOpen(files[k]);
        w.findChild<QCheckBox*>(QString("Check%1").arg(k + 1))->setChecked(true);
    }
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
