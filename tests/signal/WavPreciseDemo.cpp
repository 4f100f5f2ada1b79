// Shows the WAV window after a precise "Filtrer" on a generated recording
// with two sparks left out and two stray pulses, for a screenshot:
// `wav_precise_demo [seconds [RECORDING]]`; a recording given (any audio
// file) is opened instead, converted first when it needs to be. The files go to a temporary application
// folder that is removed afterwards.
#include "gui/signal/WavWindow.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "paint/ProgramLanguage.h"
#include "common/TextFile.h"
#include "store/Language.h"
#include "store/Varia.h"
#include "synth/SyntheticRun.h"
#include "vehicle/HeadlessCommit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace vornax;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::TempFolder home;
    home.useAsAppFolder();
    loadLanguageFile(store(), std::string(VORNAX_LANG_DIR) + "/francais.txt");
    useProgramLanguage("fr");  // the program's own texts in French too
    if (!commitVehicleHeadless(store(), {})) {
        std::fprintf(stderr, "no vehicle\n");
        return 1;
    }
    SynthSettings settings;  // the 1275 in 3rd gear, 2 000 to 5 800 rpm
    settings.droppedSparks = 2;
    settings.strayPulses = 2;
    const auto rec = synthesize(store(), settings);
    if (!rec) {
        std::fprintf(stderr, "%s\n", rec.error().c_str());
        return 1;
    }
    const auto wav = argc > 2 ? std::filesystem::path(argv[2]) : home.write("Wav/essai-1275.wav", rec->wav);
    testing::ScriptedPlatform platform;

    WavWindow w;
    w.move(20, 20);
    w.show();
    platform.answerOpen(wav.string());
    w.findChild<QAction*>("cHaWav")->trigger();
    const auto precise = [&w] {
        w.findChild<QComboBox*>("cboMethode")->setCurrentIndex(1);
        w.findChild<QPushButton*>("Command3")->click();
    };
    // A recording that needs converting is opened once its import ends.
    if (w.working())
        QObject::connect(&w, &WavWindow::workFinished, &w, precise, Qt::SingleShotConnection);
    else
        precise();

    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
