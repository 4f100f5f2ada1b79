// The engine-speed curve file (".ReT"): one point per line, "time;speed",
// CR LF, both numbers in the shortest single text with a decimal comma
// ("3;4500", "2,5;3012,4"). No header, no blank line.
//
// This is the one reading of a line and the one writing of the file. The WAV
// window shows a curve file again and the power computation runs on one; each
// has its own rules on top (how many lines, what an empty line means) and its
// own words for a refusal, built from the fault and line given here.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vornax {

// One point of the run.
struct RunPoint {
    float time = 0;  // s
    float rpm = 0;   // engine speed, rpm
};

enum class RunLineFault {
    None,
    NoSeparator,  // no ";" between time and engine speed
    NotANumber,   // a side that is not a number
};

struct RunLine {
    RunLineFault fault = RunLineFault::None;
    RunPoint point;  // when fault is None
};

// A line split at its first ";", both sides read as singles (decimal comma,
// a point accepted too).
RunLine readRunLine(std::string_view line);

// The file's text: one line for each point, in order.
std::string runFileText(std::span<const RunPoint> points);

}  // namespace vornax
