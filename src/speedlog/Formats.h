// The four formats, each a reader (bytes to raw fixes, with the skipped lines
// counted), a test of its content and a writer. SpeedLog.cpp chooses among
// them and makes the common checks.
#pragma once

#include "speedlog/LogText.h"

#include <string>
#include <string_view>

namespace vornax::speedlog {

// Each reader fills `log` and returns true, or sets `error` and returns false
// when the file as a whole cannot be read.
bool readNmea(std::string_view text, RawLog& log, SpeedLogError& error);
bool readGpx(std::string_view bytes, RawLog& log, SpeedLogError& error);
bool readCsv(std::string_view text, const CsvColumns& columns, RawLog& log, SpeedLogError& error);
bool readVbo(std::string_view text, RawLog& log, SpeedLogError& error);

// Whether the first part of a file (a few kilobytes, decoded) is of the format.
bool looksLikeNmea(std::string_view head);
bool looksLikeGpx(std::string_view head);
bool looksLikeCsv(std::string_view head);
bool looksLikeVbo(std::string_view head);

// The whole file of a log whose fixes SpeedLog.cpp has checked (finite,
// increasing times, speeds >= 0); a failure when the format cannot hold it.
Result<std::string> nmeaBytes(const SpeedLog& log, const ClockStart& start);
Result<std::string> gpxBytes(const SpeedLog& log, const ClockStart& start);
Result<std::string> csvBytes(const SpeedLog& log);
Result<std::string> vboBytes(const SpeedLog& log, const ClockStart& start);

}  // namespace vornax::speedlog
