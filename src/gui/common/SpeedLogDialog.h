// The speed log a window asks for: the file dialog in the application folder,
// the reading, and the message when the file is no log.
#pragma once

#include "speedlog/SpeedLog.h"

#include <QString>

#include <optional>
#include <string>

namespace vornax {

struct ChosenSpeedLog {
    std::string name;  // the file's name, as messages and captions give it
    SpeedLog log;
};

// Asks for a speed log with the dialog titled `title` and reads it. Nothing
// when the dialog is cancelled, or when the file cannot be read (said in a
// message).
std::optional<ChosenSpeedLog> askForSpeedLog(const QString& title);

}  // namespace vornax
