#include "cli/SoundSource.h"

#include "cli/CliSupport.h"

#include <cmath>

namespace vornax::cli {
namespace {

int wholeNumber(const std::string& text, const std::string& option, int lowest, int highest)
{
    const float v = numberOption(text, option);
    if (v != std::floor(v) || v < lowest || v > highest)
        throw UsageError(option + ": \"" + text + "\" must be a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest));
    return static_cast<int>(v);
}

}  // namespace

SoundSettings soundSettings(const SoundRpmOptions& o)
{
    SoundSettings s;
    s.cylinders = wholeNumber(o.cylinders, "--cylinders", 1, 16);
    s.strokes = wholeNumber(o.strokes, "--strokes", 2, 4);
    if (s.strokes == 3)
        throw UsageError("--strokes: 2 or 4");
    const auto colon = o.rpmRange.find(':');
    if (colon == std::string::npos)
        throw UsageError("--rpm-range: \"" + o.rpmRange + "\" must be LOW:HIGH, as 800:8000");
    s.minRpm = numberOption(o.rpmRange.substr(0, colon), "--rpm-range");
    s.maxRpm = numberOption(o.rpmRange.substr(colon + 1), "--rpm-range");
    if (!(s.minRpm >= 100) || !(s.maxRpm <= 30000) || !(s.maxRpm >= 1.5 * s.minRpm))
        throw UsageError("--rpm-range: from 100 to 30000 rpm, the top at least 1.5 times the foot");
    return s;
}

void addSoundRpmOptions(CLI::App* rpm, SoundRpmOptions& o)
{
    rpm->add_option("--source", o.source,
                    "ignition (default): a pickup's sparks; sound: the engine's sound from a microphone");
    rpm->add_option("--cylinders", o.cylinders, "with --source sound: cylinders of the engine (default 4)");
    rpm->add_option("--strokes", o.strokes, "with --source sound: 4 (default) or 2");
    rpm->add_option("--rpm-range", o.rpmRange,
                    "with --source sound: engine speeds of the pull, LOW:HIGH (default 800:8000)");
}

bool runSoundRpm(const SoundRpmOptions& o, const std::string& input, const std::string& output,
                 const std::string& method, bool json)
{
    if (o.source == "ignition")
        return false;
    if (o.source != "sound")
        throw UsageError("--source: \"" + o.source + "\" must be ignition or sound");
    runSoundTracking(o, input, output, method, json);
    return true;
}

}  // namespace vornax::cli
