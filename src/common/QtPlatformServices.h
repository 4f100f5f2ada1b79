// The real dialogs: Qt file dialogs, message boxes and colour picker.
#pragma once

#include "common/PlatformServices.h"

#include <QString>

class QWidget;

namespace vornax {

class QtPlatformServices final : public PlatformServices {
public:
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    void message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::optional<Rgb> pickColour(Rgb initial) override;
};

// "Wav|*.wav|All|*.*" as a Qt name filter ("Wav (*.wav);;All (*.*)").
QString qtNameFilter(const std::string& filter);

}  // namespace vornax
