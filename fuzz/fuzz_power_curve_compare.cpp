// The power curve file as the comparison window loads it into a slot (twice:
// a second file over the first, as slots keep earlier points), then averaged.
#include "FuzzLines.h"
#include "compare/AverageCurve.h"
#include "compare/CurveSlot.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace vornax;
using namespace vornax::compare;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    DisplayUnits units;
    units.wattsPerPowerUnit = provider.ConsumeBool() ? 736.0f : 1000.0f;
    units.torquePerNm = provider.ConsumeBool() ? 1.0f : 0.102f;
    const std::string first = provider.ConsumeRandomLengthString(size);
    const std::string second = provider.ConsumeRemainingBytesAsString();

    CurveSet slots;
    for (const std::string* file : {&first, &second}) {
        const auto lines = splitLines(decodeText(*file));
        const std::int16_t before = slots[0].pointCount;
        const Status loaded = loadCurveLines(lines, slots[0], units);
        if (!loaded && slots[0].pointCount != before) {
            std::abort();  // all or nothing
        }
    }
    slots[0].ticked = true;
    const auto average = averageCurve(slots);
    if (average) {
        (void)average->fileBytes();
    }
    return 0;
}
