// A recording as the WAV window, `vornax rpm` and `vornax condition` take it:
// header scan, load, the recorder-format check, spark detection under
// settings drawn from the input's last bytes, and the conditioning.
#include "FuzzLines.h"
#include "signal/ConditionWav.h"
#include "signal/SparkDetection.h"
#include "signal/WavReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    DetectionSettings settings;
    settings.sparksPerRev = provider.ConsumeBool() ? 0.5f : 2.0f;
    settings.lowPolarity = provider.ConsumeBool();
    settings.threshold =
        provider.ConsumeIntegralInRange<int>(settings.lowPolarity ? 1 : 128, settings.lowPolarity ? 128 : 255);
    settings.startSeconds = provider.ConsumeFloatingPointInRange<float>(-1.0f, 2.0f);
    settings.endSeconds = provider.ConsumeFloatingPointInRange<float>(-1.0f, 1000.0f);
    settings.antiBounce = provider.ConsumeFloatingPointInRange<float>(0.0f, 2.0f);
    settings.bounding = provider.ConsumeFloatingPointInRange<float>(0.0f, 1.0f);
    const std::string file = provider.ConsumeRemainingBytesAsString();

    const auto header = scanHeader(file);
    const auto load = Charger(file);
    (void)recordingProblem(file);
    if (header) {
        (void)detectionFrames(*header);
    }
    if (load && load->frameCount < 0) {
        std::abort();  // a frame count is never negative
    }

    const auto detection = Traiter(file, settings);
    if (detection) {
        const Curve& curve = detection->curve;
        if (curve.pointCount < 0 || curve.pointCount > Curve::kLastRow) {
            std::abort();
        }
    }

    const auto conditioned = conditionedWav(file);
    if (conditioned && conditioned->size() < 44) {
        std::abort();  // the conditioned file always has its 44-byte header
    }
    return 0;
}
