#include "cli/RecordingInput.h"

#include "cli/CliSupport.h"
#include "signal/AutoThreshold.h"

#include <cmath>

namespace vornax::cli {

AnyRecording openRecording(const std::string& input, const std::string& channel)
{
    if (channel == "auto")
        if (auto recording = AnyRecording::canonical(input))
            return std::move(*recording);
    return importedRecording(input, channel);
}

nlohmann::json chooseAutomatically(DetectionSettings& settings, std::string_view recording, bool threshold,
                                   bool polarity, bool thresholdTyped)
{
    nlohmann::json chosen = nlohmann::json::object();
    if (!threshold && !polarity)
        return chosen;
    const auto header = scanHeader(recording);
    if (!header)
        throw BadInput(header.error());
    const std::size_t start = static_cast<std::size_t>(std::max<std::int64_t>(0, header->dataStart - 1));
    const std::size_t size =
        std::min<std::size_t>(header->dataSize, recording.size() - std::min(start, recording.size()));
    const std::span<const std::uint8_t> samples(reinterpret_cast<const std::uint8_t*>(recording.data()) + start, size);
    const AutoSettings found =
        autoThreshold(samples, polarity ? std::nullopt : std::optional<bool>(settings.lowPolarity));
    if (polarity) {
        settings.lowPolarity = found.lowPolarity;
        chosen["polarity"] = found.lowPolarity ? "low" : "high";
        if (!threshold && !thresholdTyped)
            settings.threshold = settings.lowPolarity ? 50 : 165;
        else if (!threshold) {
            const bool fits = settings.lowPolarity ? settings.threshold >= 1 && settings.threshold <= 128
                                                   : settings.threshold >= 128 && settings.threshold <= 255;
            if (!fits)
                throw UsageError(
                    "--threshold " + std::to_string(settings.threshold) + " is outside the range of the " +
                    (settings.lowPolarity ? "low polarity chosen (1..128)" : "high polarity chosen (128..255)"));
        }
    }
    if (threshold) {
        settings.threshold = found.threshold;
        chosen["threshold"] = found.threshold;
    }
    return chosen;
}

}  // namespace vornax::cli
