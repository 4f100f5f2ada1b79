#include "gui/common/SpeedLogDialog.h"

#include "common/AppFolder.h"
#include "common/PlatformServices.h"

#include <QCoreApplication>

#include <filesystem>

namespace vornax {

std::optional<ChosenSpeedLog> askForSpeedLog(const QString& title)
{
    FileDialogRequest request;
    request.title = title.toStdString();
    request.filter =
        QCoreApplication::translate(
            "vornax::SpeedLogDialog",
            "Journal de vitesse (*.nmea *.nma *.gpx *.csv *.vbo *.txt)|*.nmea;*.nma;*.gpx;*.csv;*.vbo;*.txt")
            .toStdString();
    request.initialFolder = appFolder().string();
    const auto chosen = platform().openFile(request);
    if (!chosen)
        return std::nullopt;
    auto log = readSpeedLogFile(*chosen);
    if (!log) {
        platform().message(log.error(), QCoreApplication::translate("vornax::SpeedLogDialog", "Erreur").toStdString(),
                           MessageIcon::Warning);
        return std::nullopt;
    }
    return ChosenSpeedLog{std::filesystem::path(*chosen).filename().string(), std::move(*log)};
}

}  // namespace vornax
