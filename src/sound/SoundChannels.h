// The engine's sound of a file, tracked on the channel that carries it. A
// recording of one channel, or whose channels carry the same sound, is
// tracked on their mix. One whose channels differ (a second microphone
// elsewhere, a channel of noise or of nothing) is tracked on each channel
// too, and the track kept is the one that is sure and reads the crank most
// steadily: averaged with a channel of noise, the engine would be heard
// through that noise.
#pragma once

#include "signal/AudioImport.h"
#include "sound/EngineSoundTracker.h"
#include "sound/SoundInput.h"

#include <filesystem>
#include <string>

namespace vornax {

struct TrackedSound {
    SoundSamples samples;  // those tracked: the mix, or the channel kept (`samples.channel`)
    Result<SoundTrack> track{Failure{}};
};

// Under this likeness of their channels (see SoundSamples) a recording's
// channels are tracked one by one.
inline constexpr double kUnlikeChannels = 0.9;

// Reads and tracks `file` on the channel asked for (automatic: as above).
// Fails only where the file cannot be read, or has no such channel; a
// recording in which no engine can be followed gives its track's failure.
// `proceed` is told the share done, reading and tracking together.
Result<TrackedSound> trackSoundFile(const std::filesystem::path& file, const SoundSettings& settings,
                                    const ChannelRequest& channel, const ProgressCheck& proceed = {});

// Whether `b` is a better track of the engine than `a`: sure where `a` is
// not, or as sure and its crank read at least a tenth more steadily, or,
// neither sure, followed over more of its pull.
bool betterTrack(const Result<SoundTrack>& a, const Result<SoundTrack>& b);

// "channel 2 of 2", or "the mix of 2 channels": the command line's words.
std::string soundChannelText(const SoundSamples& recording);

}  // namespace vornax
