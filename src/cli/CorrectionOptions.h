// The air-correction options that `vornax power` and `vornax report` share:
// --correction none|din70020|sae-j1349|iso1585 with --air-temp C,
// --pressure HPA and --humidity PCT.
#pragma once

#include "power/AirCorrection.h"

#include <CLI/CLI.hpp>

#include <string>

namespace vornax::cli {

struct CorrectionOptions {
    std::string standard = "none";
    std::string airTemp, pressure, humidity;
};

void addCorrectionOptions(CLI::App& command, CorrectionOptions& options);

// The correction the options ask for. A correction needs --air-temp and
// --pressure, and --humidity for the dry-air standards (SAE J1349, ISO 1585;
// DIN 70020 uses the total pressure and takes 0 % when none is given). A
// value outside its range is refused naming its option (UsageError).
PowerCorrection correctionFromOptions(const CorrectionOptions& options);

}  // namespace vornax::cli
