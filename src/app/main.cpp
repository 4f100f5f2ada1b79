// `vornax-meter`: the desktop program.
#include "app/Windows.h"
#include "common/QtPlatformServices.h"
#include "common/Version.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vornax-meter");
    // No application display name: Qt would append it to every window title,
    // and the windows carry their own titles.
    QApplication::setApplicationVersion(vornax::kVersion);
    QApplication::setWindowIcon(QIcon(":/vornax-meter.svg"));

    vornax::QtPlatformServices services(QStringLiteral("The Vornax Meter"));
    vornax::setPlatformServices(&services);
    vornax::registerProgramWindows();

    auto* start = new vornax::MainWindow;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    const int status = app.exec();
    vornax::setPlatformServices(nullptr);
    return status;
}
