// A speed log: road speed against time from a GPS or a data logger (a phone
// app at 1-10 Hz, a performance meter or lap timer at 10-25 Hz, a data logger
// at 20-100 Hz). In one gear road speed is engine speed times a fixed ratio,
// so a log is a second source of the engine-speed curve; it also gives what no
// recording can: the car's own drag and rolling resistance from a coast-down,
// and the measured standing-start times.
//
// The readers (NMEA 0183, GPX 1.1, CSV of lap timers and phone apps, VBO-style
// text) all give this one form; the computations never see a file format.
#pragma once

#include "common/Result.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace vornax {

enum class SpeedLogFormat { Nmea, Gpx, Csv, Vbo };

// "NMEA", "GPX", "CSV", "VBO"
const char* speedLogFormatName(SpeedLogFormat format);

struct SpeedFix {
    double time = 0;   // s from the log's first fix, strictly increasing along the log
    double speed = 0;  // m/s over ground, >= 0
    double latitude = std::numeric_limits<double>::quiet_NaN();   // degrees, NaN when the log has none
    double longitude = std::numeric_limits<double>::quiet_NaN();  // degrees
    double altitude = std::numeric_limits<double>::quiet_NaN();   // m
    bool valid = true;  // false where the receiver lost its fix: the speed is not to be used
};

// One line (or element) the reader skipped, and why; `line` counts from 1
// (for GPX: the line of the element in the file).
struct SpeedLogProblem {
    std::size_t line = 0;
    std::string what;  // in words (English)
};

struct SpeedLog {
    SpeedLogFormat format = SpeedLogFormat::Csv;
    std::vector<SpeedFix> fixes;
    std::size_t skippedLines = 0;            // lines skipped and counted (bad checksum, unreadable ...)
    std::vector<SpeedLogProblem> problems;   // the first of them (at most 20), with their lines
    std::string clockStart;                  // the log's own time of its first fix, as it writes it ("" if none)
};

// How the CSV reader finds its columns when the header's names are not the
// usual ones (`vornax ... --columns time,speed[,unit]`): empty fields are
// detected from the header.
struct CsvColumns {
    std::string time;       // header name or 1-based column number
    std::string speed;      // header name or 1-based column number
    std::string speedUnit;  // "km/h", "mph", "m/s", "kn"; empty: from the header
};

struct SpeedLogReadOptions {
    CsvColumns columns;
};

// A reader's refusal: the message in words and where in the file it stopped
// (line from 1, or 0 when the whole file is at fault).
struct SpeedLogError {
    std::size_t line = 0;
    std::string message;
};

// Reads a log whatever its format, told by its content (not its name).
// Fails for a file that is none of the formats, holds fewer than 2 valid
// fixes, or whose times go backwards; lines merely unreadable are skipped and
// counted in the result.
Result<SpeedLog> readSpeedLog(std::span<const char> bytes, const SpeedLogReadOptions& options = {},
                              SpeedLogError* where = nullptr);
Result<SpeedLog> readSpeedLogFile(const std::string& path, const SpeedLogReadOptions& options = {},
                                  SpeedLogError* where = nullptr);

// True when the content is one of the formats above (a recording, an
// engine-speed curve or anything else gives false): how `vornax rpm` tells a
// log from a recording.
bool looksLikeSpeedLog(std::span<const char> bytes);

// Writes the log in the given format (the test logs of `vornax synth
// --speed-log`); `clockStart` ("" for midnight) sets the clock time of the
// first fix in the formats that write clock times.
Status writeSpeedLogFile(const SpeedLog& log, SpeedLogFormat format, const std::string& path);

// Fixes per second: the median spacing of the valid fixes, inverted.
double speedLogRate(const SpeedLog& log);

}  // namespace vornax
