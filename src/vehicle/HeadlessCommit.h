// The vehicle as the command line sets it: the editor opened on the store,
// optionally a Mini file loaded into it, optionally "Autre" chosen in the body
// list with the given SCx typed into its field and / or "Autre" chosen in the
// engine list with the given inertia typed in, then confirmed (OK), which
// writes the vehicle entries of the store. Without options this is the
// vehicle the editor commits when opened on a fresh store and confirmed.
#pragma once

#include "common/Result.h"
#include "store/Varia.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornax {

struct HeadlessVehicleOptions {
    std::optional<std::filesystem::path> miniFile;  // a ".Dat" vehicle file
    std::optional<std::string> scx;                 // text typed into txtSCx
    std::optional<std::string> engineInertia;       // text typed into txtImot
};

// Fails with a message (file unreadable, "Fichier Incorrect", a bad value,
// a field OK refuses, named) and leaves the store untouched on failure.
Status commitVehicleHeadless(Varia& store, const HeadlessVehicleOptions& options);

}  // namespace vornax
