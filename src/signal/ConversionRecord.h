// Beside each recording the WAV window converts, "NAME.wav.from" says what it
// was made from: the source (its path, size and time), the channel asked and
// the one used, and the converted file's own size and time, so that opening
// the same source again opens its copy, unless either file changed since.
// And the sentence telling what a conversion did.
#pragma once

#include "signal/AudioImport.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vornax {

struct ConversionRecord {
    std::string source;
    std::uintmax_t sourceSize = 0, wavSize = 0;
    std::int64_t sourceTime = 0, wavTime = 0;
    ChannelRequest channel;
    int used = 0, channels = 0;  // the channel used (0: the mix) of the source's
};

// Records that `wav` was converted from `source`, with `channel` asked and
// `used` of `channels` taken; false when either file cannot be read or the
// record cannot be written.
bool writeConversionRecord(const std::filesystem::path& wav, const std::filesystem::path& source,
                           const ChannelRequest& channel, int used, int channels);

// The record of `wav`, when it still holds: made from `source` as it is now,
// and the converted file unchanged since.
std::optional<ConversionRecord> conversionRecordOf(const std::filesystem::path& wav,
                                                   const std::filesystem::path& source);

// What the conversion from `from` into `to` did, in a sentence, in the
// language in force.
std::string conversionNote(const std::filesystem::path& from, const std::filesystem::path& to,
                           const ImportReport& report);

}  // namespace vornax
