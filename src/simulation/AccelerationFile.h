// The acceleration curve file: one line "time;speed;distance" for each sample
// 1 … K − 1 of the last run (shortest single text, decimal comma), then the
// speed display factor Lbcoefkm twice as printed numbers (" 1 "), every line
// ended by CR LF. Before any run the file holds only the two factor lines.
#pragma once

#include "common/Result.h"
#include "shell/Varia.h"
#include "simulation/AccelerationModel.h"

#include <filesystem>
#include <string>

namespace vornax {

std::string accelerationFileBytes(const ResultSeries& series, std::int32_t shownLength, float speedFactor);

// Writes the file atomically under exactly the given name. Fails when
// Lbcoefkm is not a number (nothing is written) or the file cannot be written.
Status saveAccelerationFile(const std::filesystem::path& file, const AccelerationModel& model, const Varia& store);

}  // namespace vornax
