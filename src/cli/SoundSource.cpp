#include "cli/SoundSource.h"

#include "cli/CliSupport.h"

namespace vornax::cli {

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
