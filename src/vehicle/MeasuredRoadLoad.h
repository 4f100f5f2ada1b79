// A coast-down's result written into a vehicle: the body list on "Autre"
// with the measured S·Cx typed in, and the measured rolling coefficient,
// which the power computation then uses in place of the constant.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"

#include <filesystem>

namespace vornax {

// The texts the editor keeps for the figures: S·Cx with 3 decimals
// ("0,621"), the rolling coefficient with 4 ("0,0123").
std::string measuredScxText(double scx);
std::string measuredRollingText(double rolling);

// Loads the Mini file into an editor opened on the store, writes the two
// figures in, and saves the file again (atomically: a failed save leaves it
// as it was). The store itself is not changed. Fails, naming the file, when
// it cannot be loaded or saved, or for figures no car has (S·Cx outside 0,1
// to 3 m², rolling coefficient outside 0 to 0,1).
Status writeRoadLoadToMiniFile(Varia& store, const std::filesystem::path& miniFile, double scx, double rolling);

}  // namespace vornax
