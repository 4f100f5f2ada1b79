// The acceleration curve file: one line "time;speed;distance" for each sample
// 1 … K − 1 of the last run (shortest single text, decimal comma), then the
// speed display factor Lbcoefkm twice as printed numbers (" 1 "), every line
// ended by CR LF. Before any run the file holds only the two factor lines.
//
// Written by the acceleration window and `vornax simulate`; read back by the
// plot and the run report.
#pragma once

#include "common/Result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vornax {

// The samples of a run, as the model writes them and the file holds them.
struct ResultSeries {
    static constexpr std::int32_t kLastIndex = 320000;

    std::vector<float> time = std::vector<float>(kLastIndex + 1, 0.0f);      // s
    std::vector<float> speed = std::vector<float>(kLastIndex + 1, 0.0f);     // km/h
    std::vector<float> distance = std::vector<float>(kLastIndex + 1, 0.0f);  // m
    std::int32_t index = 0;                                                  // the last sample written
};

std::string accelerationFileBytes(const ResultSeries& series, std::int32_t shownLength, float speedFactor);

// A run read back from its file: samples 1 … K − 1 as written, sample K one
// sampling step (0,01 s) after the last, so the run draws as it was shown.
struct AccelerationRun {
    std::unique_ptr<ResultSeries> series = std::make_unique<ResultSeries>();
    std::int32_t shownLength = 0;  // K
    float maxSpeed = 0;            // km/h, the largest sample
    float speedFactor = 1;         // the file's Lbcoefkm
};

// The file's lines read back; `source` names the file in messages. Refused,
// naming the 1-based line: a data line that is not three numbers, a factor
// line that is not a number, more samples than a run holds; and a file with
// no sample or no factor line, or a first factor not above 0 (the plot
// scales by it).
Result<AccelerationRun> parseAccelerationLines(const std::vector<std::string>& lines, const std::string& source);

}  // namespace vornax
