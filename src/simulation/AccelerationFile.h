// The acceleration curve file: one line "time;speed;distance" for each sample
// 1 … K − 1 of the last run (shortest single text, decimal comma), then the
// speed display factor Lbcoefkm twice as printed numbers (" 1 "), every line
// ended by CR LF. Before any run the file holds only the two factor lines.
#pragma once

#include "common/Result.h"
#include "shell/Varia.h"
#include "simulation/AccelerationModel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vornax {

std::string accelerationFileBytes(const ResultSeries& series, std::int32_t shownLength, float speedFactor);

// Writes the file atomically under exactly the given name. Fails when
// Lbcoefkm is not a number (nothing is written) or the file cannot be written.
Status saveAccelerationFile(const std::filesystem::path& file, const AccelerationModel& model, const Varia& store);

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
