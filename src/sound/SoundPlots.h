// What is drawn of the engine's sound: the spectrogram as a picture with the
// tracked firing order and its harmonics over it, and what a click on that
// picture asks of the tracker. Plain values, no Qt: the WAV window's canvas
// and `vornax plot --spectrogram` paint the same list.
#pragma once

#include "common/PlotList.h"
#include "sound/EngineSoundTracker.h"
#include "sound/Spectrogram.h"

#include <optional>

namespace vornax {

inline constexpr Rgb kTrackColour{90, 255, 90};  // the firing order and its harmonics, where followed
inline constexpr Rgb kLostColour{255, 60, 60};   // where the firing can't be followed

// The frequencies that show an engine of these settings: from the half
// firing order at the foot of the range (where a weak cylinder's lines
// lie) to the fourth firing harmonic at its top, at most half the rate.
SpectrogramSettings engineSpectrogramSettings(const SoundSettings& engine, double rate);

// The plot of `picture`: user scale (end - start) s wide and `rows` high,
// x = time - start, y = the row position (Spectrogram::rowOf). The levels
// from 70 dB under the peak up to it as a dark-to-bright picture; then,
// when `track` is given, its firing order (wider) and harmonics up to the
// eighth that fall inside the picture as lines, green where followed and
// red where not, with a red band along the top over the stretches not
// followed; last the frequency and time texts along the left and bottom
// edges.
PlotList spectrogramPlot(const Spectrogram& picture, const SoundTrack* track);

// The tracked engine speed at a time (the nearest frame); nothing for an
// empty track.
std::optional<double> trackedRpm(const SoundTrack& track, double time);

struct SoundAnchor {
    double time = 0;  // s
    double rpm = 0;
};

// A click at `time` on the line at `hz`, which the user says the firing
// makes: the click is taken for the harmonic of the current track nearest
// it, so the speed it names is hz / that harmonic; a click on a line the
// track already follows (within 3 %) is taken for the firing order itself,
// which is how a track that fell to half the speed is lifted. Nothing for an
// empty track or a frequency that is not positive.
std::optional<SoundAnchor> anchorFromClick(const SoundTrack& track, double time, double hz);

}  // namespace vornax
