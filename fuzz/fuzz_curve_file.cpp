// The engine-speed curve file as both its readers take it: the WAV window's
// curve loading (followed by the smoothing a user runs on it) and the power
// computation's curve input.
#include "FuzzLines.h"
#include "power/PowerCurveInput.h"
#include "signal/CurveFile.h"
#include "signal/Smoothing.h"

#include <cstdlib>

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const std::string text = decodeText(bytes);

    static Curve curve;  // one table across inputs, as the window keeps it
    Curve before = curve;
    const Status loaded = loadCurveText(text, curve);
    if (!loaded && curve.pointCount != before.pointCount) {
        std::abort();  // a refused file changes nothing
    }
    if (loaded) {
        if (curve.pointCount < -1 || curve.pointCount > Curve::kLastRow) {
            std::abort();
        }
        // The Bezier stage costs pointCount x 990 evaluations: keep runs short.
        if (curve.pointCount <= 600) {
            Curve smoothed = curve;
            SmoothingSettings settings;
            settings.level = 1 + static_cast<int>(size % 4);
            settings.skipped = static_cast<int>(size % 13);
            (void)smoothCurve(smoothed, settings);
        }
        // Round trip: what was loaded saves to text the reader takes back.
        if (curve.pointCount >= 0) {
            Curve again;
            if (!loadCurveText(curveFileText(curve), again) && savedLineCount(curve.pointCount) > 0) {
                std::abort();
            }
        }
    }

    const auto points = parsePowerCurveLines(splitLines(text), "fuzz.ReT");
    if (points && points->size() > static_cast<std::size_t>(kMaxPowerPoints)) {
        std::abort();
    }
    return 0;
}
