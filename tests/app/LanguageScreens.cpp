// Shows the program's windows with a language file made active, as a user
// would reach them, for the screenshots in docs/:
//   language_screens LANGFILE main SECONDS
//   language_screens LANGFILE vehicle SECONDS [CAR.Dat]
//   language_screens LANGFILE power SECONDS CURVE.ReT [CAR.Dat]
//   language_screens LANGFILE acceleration SECONDS POWER.txt [LOG] (a log's measured start over it)
//   language_screens LANGFILE speedlog SECONDS LOG
//   language_screens LANGFILE wav SECONDS RECORDING (the precise curve)
// The application folder is a temporary one, removed afterwards. The main
// window shows its "Acquisition" menu open. The frame of the window shown is
// printed as WxH+X+Y, for cropping a screenshot of the whole screen.
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/AppFolder.h"
#include "gui/common/WindowManager.h"
#include "gui/power/PowerWindow.h"
#include "gui/shell/MainWindow.h"
#include "gui/signal/WavWindow.h"
#include "gui/simulation/SimTD.h"
#include "gui/speedlog/SpeedLogWindow.h"
#include "gui/vehicle/VehicleEditorWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <iostream>

#include <filesystem>

using namespace vornax;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const std::string show = argv[2];
    testing::TempFolder home;
    home.useAsAppFolder();
    setShippedLanguageFolderForTests(VORNAX_SOURCE_DIR "/lang");
    appFolder();
    std::filesystem::copy_file(argv[1], home / "lang/lang.lang", std::filesystem::copy_options::overwrite_existing);
    testing::ScriptedPlatform platform;
    auto& windows = WindowManager::instance();
    windows.registerWindow("MiniV1", [] { return new VehicleEditorWindow; });
    windows.registerWindow("CPuiss", [] { return new PowerWindow; });
    windows.registerWindow("SimTD", [] { return new SimTD; });
    windows.registerWindow("WavT", [] { return new WavWindow; });
    windows.registerWindow("JournalVitesse", [] { return new SpeedLogWindow; });

    auto* start = new MainWindow;
    start->show();
    QWidget* shown = start;
    if (show == "main") {
        QTimer::singleShot(500, start, [start] {
            QMenu* menu = start->findChild<QMenu*>("Aquisition");
            const QRect item = start->menuBar()->actionGeometry(menu->menuAction());
            menu->popup(start->menuBar()->mapToGlobal(item.bottomLeft()));
        });
    } else if (show == "vehicle") {
        shown = windows.show("MiniV1");
        if (argc > 4) {
            platform.answerOpen(argv[4]);
            shown->findChild<QAction*>("Ouvrir")->trigger();
        }
    } else if (show == "power" && argc > 4) {
        // A vehicle confirmed (a Mini file, or the editor's defaults), then
        // the curve of a third-gear run.
        QWidget* editor = windows.show("MiniV1");
        if (argc > 5) {
            platform.answerOpen(argv[5]);
            editor->findChild<QAction*>("Ouvrir")->trigger();
        }
        editor->findChild<QAbstractButton*>("OK")->click();
        QWidget* power = windows.show("CPuiss");
        shown = power;
        power->findChild<QComboBox*>("lstvitesse")->setCurrentIndex(2);
        platform.answerOpen(argv[4]);
        power->findChild<QAbstractButton*>("Command1")->click();
        start->hide();
    } else if (show == "acceleration" && argc > 4) {
        windows.show("MiniV1")->findChild<QAbstractButton*>("OK")->click();  // the editor's default vehicle
        shown = windows.show("SimTD");
        platform.answerOpen(argv[4]);
        shown->findChild<QAction*>("CharPui")->trigger();
        shown->findChild<QAbstractButton*>("regimeP")->click();
        if (argc > 5) {
            platform.answerOpen(argv[5]);
            shown->findChild<QAction*>("CharJournal")->trigger();
        }
        start->hide();
    } else if (show == "speedlog" && argc > 4) {
        shown = windows.show("JournalVitesse");
        platform.answerOpen(argv[4]);
        shown->findChild<QAbstractButton*>("cmdOuvrir")->click();
        start->hide();
    } else if (show == "wav" && argc > 4) {
        shown = windows.show("WavT");
        platform.answerOpen(argv[4]);
        auto* wav = qobject_cast<WavWindow*>(shown);
        const auto precise = [wav] {
            wav->findChild<QComboBox*>("cboMethode")->setCurrentIndex(1);
            wav->findChild<QAbstractButton*>("Command3")->click();
        };
        shown->findChild<QAction*>("cHaWav")->trigger();
        // A recording that needs converting is opened once its import ends.
        if (wav->working())
            QObject::connect(wav, &WavWindow::workFinished, wav, precise, Qt::SingleShotConnection);
        else
            precise();
        start->hide();
    }
    QTimer::singleShot(1500, shown, [shown] {
        const QRect frame = shown->frameGeometry();
        std::cout << frame.width() << 'x' << frame.height() << '+' << frame.x() << '+' << frame.y() << std::endl;
    });
    QTimer::singleShot(std::atoi(argv[3]) * 1000, &app, &QApplication::quit);
    const int status = app.exec();
    windows.reset();  // the main window with the others
    return status;
}
