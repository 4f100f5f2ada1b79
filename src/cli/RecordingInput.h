// The recording a command reads: any audio file, converted in memory when it
// is not the recorder's own kind (standard error says so), and the automatic
// threshold and polarity of `vornax rpm`.
#pragma once

#include "signal/AnyRecording.h"
#include "signal/SparkDetection.h"

#include <nlohmann/json.hpp>

#include <string>

namespace vornax::cli {

// The --channel option's text as a request; UsageError for anything else.
// (The media program's.)
ChannelRequest channelOption(const std::string& text);

// Opens `input` (BadInput with the import's message when it cannot). The
// recorder's own kind is read as it stands; any other file, or a channel
// asked for, goes through importedRecording().
AnyRecording openRecording(const std::string& input, const std::string& channel = "auto");

// `input` converted in memory with the channel asked for. In the media
// program, the import; `vornax` hands the whole command to the media
// program here, before the command has written anything.
AnyRecording importedRecording(const std::string& input, const std::string& channel);

// Sets the threshold and/or the polarity from the recording when asked
// ("auto"), and returns what was chosen as JSON fields for the report
// ({} when nothing was). With the polarity chosen, a typed threshold is
// checked against its range (UsageError); an untyped one is its default.
nlohmann::json chooseAutomatically(DetectionSettings& settings, std::string_view recording, bool threshold,
                                   bool polarity, bool thresholdTyped);

}  // namespace vornax::cli
