// `vornax-meter`: the desktop program.
#include "app/Windows.h"
#include "common/QtPlatformServices.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vornax-meter");
    QApplication::setApplicationDisplayName("The Vornax Meter");
    QApplication::setApplicationVersion("1.0.16");
    QApplication::setWindowIcon(QIcon(":/vornax-meter.svg"));

    vornax::QtPlatformServices services;
    vornax::setPlatformServices(&services);
    vornax::registerProgramWindows();

    auto* start = new vornax::MainWindow;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    const int status = app.exec();
    vornax::setPlatformServices(nullptr);
    return status;
}
