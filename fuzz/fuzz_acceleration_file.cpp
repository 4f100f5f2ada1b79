// The acceleration curve file as `vornax plot` and `vornax report` read it:
// parsed, drawn as the acceleration window draws it, and its figures found
// as the report finds them.
#include "FuzzLines.h"
#include "report/RunReport.h"
#include "simulation/AccelerationFile.h"
#include "simulation/SpeedTimePlot.h"

#include <cstdlib>

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto run = parseAccelerationLines(fuzzing::linesOf(data, size), "fuzz");
    if (!run)
        return 0;
    if (run->shownLength < 2 || run->shownLength > ResultSeries::kLastIndex || !(run->speedFactor > 0.0f))
        std::abort();
    const SpeedTimePicture picture =
        DrawSpeedTime(*run->series, run->shownLength, run->maxSpeed, run->speedFactor, 1.0, 1.0);
    (void)picture;
    const AccelerationFacts facts = accelerationFacts(*run, run->speedFactor);
    if (facts.topSpeed.empty())
        std::abort();
    return 0;
}
