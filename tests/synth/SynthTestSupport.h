// A store holding the French language and the editor's default vehicle, as
// the command line has it before a synthetic run.
#pragma once

#include "power/PowerComputation.h"
#include "power/PowerCurveInput.h"
#include "signal/CurveFile.h"
#include "store/Language.h"
#include "store/Varia.h"
#include "vehicle/HeadlessCommit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vornax::testing {

inline Varia& defaultCarStore()
{
    resetStore();
    loadLanguageFile(store(), VORNAX_LANG_DIR "/francais.txt");
    const Status committed = commitVehicleHeadless(store(), {});
    EXPECT_TRUE(committed) << committed.error();
    return store();
}

// The power of a curve as the power window computes it once the curve is
// saved: the points of its file text, in the gear with list index gearIndex.
inline Result<PowerResult> powerOfSavedCurve(const Varia& store, int gearIndex, const Curve& curve)
{
    const auto inputs = readRunInputs(store, gearIndex);
    if (!inputs)
        return Failure{inputs.error()};
    const auto points = parsePowerCurveText(curveFileText(curve), "curve.ReT");
    if (!points)
        return Failure{points.error()};
    return computePower(*inputs, *points, emptyPowerTable(), "curve.ReT");
}

}  // namespace vornax::testing
