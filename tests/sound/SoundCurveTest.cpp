#include "sound/SoundCurve.h"

#include <gtest/gtest.h>

#include <limits>

namespace vornax {
namespace {

// A curve from the engine's sound whose own stated power uncertainty is too
// wide is no measurement, whatever the track looked like.
TEST(SoundCurve, TakesAPreciseCurveOnlyWithinItsPowerUncertainty)
{
    struct Case {
        double pct;
        bool taken;
    } const cases[] = {
        {0.2, true},
        {1.0, true},
        {1.05, false},
        {2.0, false},
        {98.5, false},
        {std::numeric_limits<double>::quiet_NaN(), false},
        {std::numeric_limits<double>::infinity(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pct);
        const std::string doubt = soundPowerDoubt(c.pct);
        EXPECT_EQ(doubt.empty(), c.taken) << doubt;
    }
    EXPECT_EQ(soundPowerDoubt(5.96).find("its power would be uncertain by ± 6,0 % (1 standard deviation, at most 1 %"),
              0u);
}

}  // namespace
}  // namespace vornax
