// Engine speed from the engine's sound: a microphone hears the engine fire,
// so the firing rate and its harmonics are the engine speed.
//
// Three steps.
// 1. Salience. The recording is brought down to about 5 kHz and cut into
//    frames of 186 ms every 10 ms (a short-time Fourier transform, frame by
//    frame, so a long recording is never held as a spectrogram). For every
//    candidate engine speed of the range (steps of 0,5 %) a frame scores the
//    mean log power at the firing harmonics minus the mean log power half way
//    between them. That difference is what protects the order: a weak
//    cylinder puts lines at the half and quarter orders, which raise the
//    harmonic sum of half the true speed; but half way between its harmonics
//    those lines leave the true speed well ahead, and twice the speed finds
//    the odd firing harmonics between its own. A fundamental removed by the
//    microphone's high-pass lowers every candidate alike.
//    A recording of over ten minutes is framed every 20 ms, to keep its
//    scores within bounds; the pull found on those frames is then cut out,
//    five seconds either side, and tracked on its own like a short one.
// 2. Tracking. A Viterbi path through the candidates, frame by frame, the
//    speed moving at most 2 % in 10 ms and every step costing a little. The
//    pull is found on its running median; inside it the path is found again
//    held within 2 % of that median and moving at most 0,5 % in 10 ms, as the
//    car's speed does, so that a voice or a whine louder than the engine for
//    a moment cannot take it (those moments are `covered`).
// 3. Refinement. Along the path, each engine cycle (two revolutions of a
//    four-stroke) is one window: the firing harmonics are demodulated over
//    it, and the change of their phases from one cycle to the next, weighted
//    by their strength and order, gives the crank's angle at each window.
//    Where the crank's angle is a whole number of cycles lies one virtual
//    spark, the same as a pickup on one plug lead gives (two a revolution
//    for a two-stroke), so the precise curve and everything after it run on
//    them unchanged. The pull never runs past the throttle's lift, heard
//    where the harmonics' power falls by more than 6 dB within a few
//    cycles: the path, read over 186 ms, can hold its highest beyond it.
//
// The confidence of each frame is the harmonic contrast of the path (dB).
// Stretches of the pull under 3 dB, or where the virtual sparks' speed parts
// from the path's by more than 1,5 %, are "not followed"; a run whose pull
// is not followed for more than 1 % of it is not sure, and so is one whose
// order looks wrong: a speed at an end of the range or beyond what an
// engine turns, a sudden fall to half the speed at the pull's end (a weak
// cylinder's lower order), the engine's cycle lines heard on the even
// orders of the cycle set only (too many cylinders), or between its orders
// (a count that is not the engine's).
#pragma once

#include "common/Result.h"
#include "signal/Curve.h"

#include <span>
#include <string>
#include <vector>

namespace vornax {

struct SoundSettings {
    int cylinders = 4;
    int strokes = 4;  // 4 or 2
    double minRpm = 800;
    double maxRpm = 8000;
    // A point the track must pass near (within 3 %), set by a user who sees
    // it on the wrong line; anchorTime < 0 for none.
    double anchorTime = -1;
    double anchorRpm = 0;
};

struct SoundStretch {
    double start = 0, end = 0;  // s
};

struct SoundTrack {
    double frameSeconds = 0.01;         // between two frames
    double firstFrame = 0;              // s, centre of frame 0
    std::vector<float> rpm;             // tracked engine speed, per frame
    std::vector<float> confidenceDb;    // harmonic contrast of the track, per frame
    double pullStart = 0, pullEnd = 0;  // s, the full-throttle pull found in the recording
    std::vector<double> virtualSparks;  // s, inside the pull
    // One standard deviation of a virtual spark's time (s), from the crank
    // read on the odd and on the even harmonics apart: the precise fit of
    // the virtual sparks takes it as their least timing noise.
    double timingNoise = 0;
    // Steady lines (mains hum, a steady whine) taken out before the
    // tracking, Hz.
    std::vector<double> steadyLinesHz;
    float sparksPerRev = 0.5f;          // of the virtual sparks: 0,5 (four-stroke) or 2 (two-stroke)
    double firingsPerRev = 2;           // cylinders x 2 / strokes
    int harmonics = 0;                  // firing harmonics demodulated
    std::vector<SoundStretch> lost;     // inside the pull: where the firing can't be followed
    // Inside the pull and around it: where something louder than the engine
    // (a voice, a whine) would have taken a free path away; the track there
    // holds to the engine's run.
    std::vector<SoundStretch> covered;
    double followedShare = 1;           // of the pull
    double medianConfidenceDb = 0;      // over the pull
    bool sure = true;                   // followed for at least 99 % of the pull, in range
    // Over the pull, the share of steady lines at the odd and at the even
    // orders of the engine's cycle, and between them (0 ... 1; see the
    // tracker): an engine heard at the cycle set has the first two; one whose
    // true cycle is half of it only the even ones; one whose cycle is not
    // the one set has lines between them.
    double oddCycleLines = 0, evenCycleLines = 0, cycleLinesBetween = 0;
    // At an end of the range, at a speed suggesting a wrong setting, or at a
    // setting other than four cylinders and four strokes that the sound
    // does not confirm.
    bool orderSuspect = false;
    std::vector<std::string> warnings;  // in words (English)
};

// `samples` of one channel at `rate` Hz, full scale +-1. Fails, with a
// message in words, for a rate under 4 000 Hz, settings that describe no
// engine, a recording under 3 s, silence, a recording in which no engine is
// heard, and one without a pull of at least 3 s. `proceed` is told the
// share done every few hundred frames and between the steps; answering
// false stops the tracking there, failing with "cancelled".
Result<SoundTrack> trackEngineSound(std::span<const float> samples, double rate, const SoundSettings& settings,
                                    const ProgressCheck& proceed = {});

// "the firing can't be followed from 12,3 s to 14,0 s" (in the language in force)
std::string lostStretchText(const SoundStretch& stretch);
// "something louder than the engine covers it from 12,3 s to 14,0 s: ..."
std::string coveredStretchText(const SoundStretch& stretch);

}  // namespace vornax
