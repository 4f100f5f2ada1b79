// The real dialogs: Qt file dialogs, message boxes and colour picker.
#pragma once

#include "common/PlatformServices.h"

#include <QString>

#include <utility>

class QWidget;

namespace vornax {

class QtPlatformServices final : public PlatformServices {
public:
    // A message without a title of its own carries the program's title.
    explicit QtPlatformServices(QString programTitle = QString()) : programTitle_(std::move(programTitle)) {}

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<Rgb> pickColour(Rgb initial) override;
    bool ask(const std::string& text, const std::string& title) override;

private:
    QString programTitle_;
};

// "Wav|*.wav|All|*.*" as a Qt name filter ("Wav (*.wav);;All (*.*)").
QString qtNameFilter(const std::string& filter);

}  // namespace vornax
