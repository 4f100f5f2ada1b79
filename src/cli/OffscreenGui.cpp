#include "cli/OffscreenGui.h"

#include <QGuiApplication>

#include <iostream>

namespace vornax::cli {
namespace {

// Qt's notes (a missing runtime folder...) concern windows, not a picture
// written to a file: they are not the command's output.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vornax: " << message.toStdString() << '\n';
}

}  // namespace

void startOffscreenGui()
{
    if (QGuiApplication::instance())
        return;
    qInstallMessageHandler(dropQtNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vornax";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace vornax::cli
