// Which of the WAV window's controls can be used, from what the window has
// done: a recording opened (its signal can be zoomed, its detection set), a
// curve made or loaded (it can be smoothed), the source chosen (the start and
// end times cut the ignition's detection only), and work under way (every
// control that would start other work waits for it; "Annuler" stops it).
#pragma once

namespace vornax {

struct WavWindowState {
    bool recordingOpened = false;  // once, and for good
    bool curveMade = false;        // by a detection, a track or a curve file; once, and for good
    bool sound = false;            // the engine's sound is the source
    bool working = false;
};

struct WavEnabled {
    bool signalSettings = false;  // the zoom, the threshold and its "Auto", the sparks per revolution
    bool times = false;           // "Début", "Fin"
    bool filter = false;          // "Filtrer"
    bool others = false;          // the menu, the polarity, the method, the source, the engine, the conversions
    bool cancel = false;          // "Annuler"
};

constexpr WavEnabled enabledControls(const WavWindowState& s)
{
    const bool idle = !s.working;
    return {idle && s.recordingOpened, idle && !s.sound, idle && s.curveMade, idle, s.working};
}

}  // namespace vornax
