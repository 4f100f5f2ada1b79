// Saving the last run as an acceleration curve file (its format: see
// formats/AccelerationFile.h).
#pragma once

#include "common/Result.h"
#include "formats/AccelerationFile.h"
#include "store/Varia.h"
#include "simulation/AccelerationModel.h"

#include <filesystem>
#include <string>

namespace vornax {

// Writes the file atomically under exactly the given name. Fails when
// Lbcoefkm is not a number (nothing is written) or the file cannot be written.
Status saveAccelerationFile(const std::filesystem::path& file, const AccelerationModel& model, const Varia& store);

}  // namespace vornax
