// `vornax-meter`: the desktop program.
#include "app/Windows.h"
#include "gui/common/QtPlatformServices.h"
#include "common/Version.h"
#include "gui/shell/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vornax-meter");
    // No application display name: Qt would append it to every window title,
    // and the windows carry their own titles.
    QApplication::setApplicationVersion(vornax::kVersion);
    QApplication::setWindowIcon(QIcon(":/vornax-meter.svg"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("The Vornax Meter: engine torque and power of a classic Mini."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption quitAfterStart(
        QStringLiteral("quit-after-start"),
        QStringLiteral("Start, show the main window and quit at once (a check of an installation)."));
    options.addOption(quitAfterStart);
    options.process(app);

    vornax::QtPlatformServices services(QStringLiteral("The Vornax Meter"));
    vornax::setPlatformServices(&services);
    vornax::registerProgramWindows();

    auto* start = new vornax::MainWindow;
    start->setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whatever else is open.
    QObject::connect(start, &QObject::destroyed, &app, &QCoreApplication::quit);
    start->show();
    if (options.isSet(quitAfterStart))
        QTimer::singleShot(0, &app, &QApplication::quit);
    const int status = app.exec();
    vornax::setPlatformServices(nullptr);
    return status;
}
