// Shows the WAV window with the engine's sound as its source, after the
// tracking of a generated pull (the 1275 in 2nd gear, heard from the cabin),
// for a screenshot: `wav_sound_demo [seconds [RECORDING]]`; a recording given
// (any audio file) is heard instead, and VORNAX_DEMO_CYLINDERS sets the
// engine's cylinders before it is opened. The files go to a temporary application
// folder that is removed afterwards.
#include "gui/signal/WavWindow.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "paint/ProgramLanguage.h"
#include "store/Language.h"
#include "store/Varia.h"
#include "synth/EngineSound.h"
#include "vehicle/HeadlessCommit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace vornax;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::TempFolder home;
    home.useAsAppFolder();
    loadLanguageFile(store(), std::string(VORNAX_LANG_DIR) + "/francais.txt");
    useProgramLanguage(std::getenv("VORNAX_DEMO_LANG") ? std::getenv("VORNAX_DEMO_LANG") : "fr");
    if (!commitVehicleHeadless(store(), {})) {
        std::fprintf(stderr, "no vehicle\n");
        return 1;
    }
    EngineSoundSettings settings;
    settings.gear = 2;
    settings.endRpm = 6200;
    const auto rec = synthesizeEngineSound(store(), settings);
    if (!rec) {
        std::fprintf(stderr, "%s\n", rec.error().c_str());
        return 1;
    }
    const auto wav = argc > 2 ? std::filesystem::path(argv[2]) : home.write("Wav/son-1275.wav", rec->wav);
    testing::ScriptedPlatform platform;

    WavWindow w;
    w.move(20, 20);
    w.show();
    w.findChild<QRadioButton*>("optSourceSon")->click();
    if (const char* cylinders = std::getenv("VORNAX_DEMO_CYLINDERS")) {
        auto* box = w.findChild<QComboBox*>("cboCylindres");
        box->setCurrentIndex(box->findData(std::atoi(cylinders)));
    }
    platform.answerOpen(wav.string());
    w.findChild<QAction*>("cHaWav")->trigger();

    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
