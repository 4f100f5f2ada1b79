// The power curve file as the acceleration window loads it: read and rescaled
// to the current units, then looked up by engine speed as a run does.
#include "FuzzLines.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"

#include <cstdlib>

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto rows = readPowerCurve(fuzzing::linesOf(data, size), 736.0f, 1.0f);
    if (!rows) {
        return 0;
    }
    if (rows->rpm.empty() || rows->rpm.size() != rows->torque.size() || rows->rpm.size() != rows->power.size() ||
        rows->rpm.size() > kMaxPowerCurveLines) {
        std::abort();
    }
    TorqueCurve curve;
    for (std::size_t i = 0; i < rows->rpm.size(); ++i) {
        curve.rpm[i] = rows->rpm[i];
        curve.torque[i] = rows->torque[i];
        curve.power[i] = rows->power[i];
    }
    curve.lastRow = static_cast<std::int16_t>(rows->rpm.size() - 1);
    curve.topRpm = rows->rpm.back();
    for (const float rpm : {0.0f, 1000.0f, 4500.0f, curve.topRpm}) {
        (void)FindCurveRow(curve, 0, rpm);
    }
    return 0;
}
