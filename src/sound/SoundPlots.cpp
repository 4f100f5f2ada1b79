#include "sound/SoundPlots.h"

#include "common/Physics.h"
#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornax {
namespace {

constexpr double kShownRangeDb = 70;
constexpr int kMostHarmonics = 8;
constexpr double kSameLine = 0.03;  // a click this close to the track names the line it follows
constexpr Rgb kTextColour{255, 255, 255};

// Dark blue through purple and orange to pale yellow, 0 .. 1.
std::uint32_t levelColour(double v)
{
    static constexpr std::array<Rgb, 5> stops{
        {{0, 0, 0}, {25, 12, 95}, {140, 30, 120}, {240, 110, 30}, {255, 245, 180}}};
    v = std::clamp(v, 0.0, 1.0) * double(stops.size() - 1);
    const auto k = std::min(static_cast<std::size_t>(v), stops.size() - 2);
    const double f = v - double(k);
    const auto mix = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint32_t>(std::lround(a + f * (double(b) - a)));
    };
    const Rgb a = stops[k], b = stops[k + 1];
    return 0xFF000000u | mix(a.r, b.r) << 16 | mix(a.g, b.g) << 8 | mix(a.b, b.b);
}

// A step of 1, 2 or 5 times a power of ten giving about `count` ticks.
double niceStep(double span, double count)
{
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

std::size_t frameAt(const SoundTrack& track, double time)
{
    const double k = std::round((time - track.firstFrame) / track.frameSeconds);
    return static_cast<std::size_t>(std::clamp(k, 0.0, double(track.rpm.size() - 1)));
}

bool lostAt(const SoundTrack& track, double time)
{
    return std::any_of(track.lost.begin(), track.lost.end(),
                       [time](const SoundStretch& s) { return time >= s.start && time <= s.end; });
}

void drawTrack(PlotList& plot, const Spectrogram& picture, const SoundTrack& track)
{
    if (track.rpm.empty() || !(track.frameSeconds > 0))
        return;
    for (const SoundStretch& s : track.lost) {
        const double from = std::max(s.start, picture.start), to = std::min(s.end, picture.end);
        if (to > from)
            plot.rect(from - picture.start, 0, to - from, picture.rows * 0.02, kLostColour);
    }
    // At most two points a column: the lines never cost more than the picture.
    const double step = std::max(track.frameSeconds, picture.columnSeconds() / 2);
    for (int h = 1; h <= kMostHarmonics; ++h) {
        std::vector<PlotPoint> run;
        bool runLost = false;
        bool allAbove = true;
        const auto flush = [&] {
            if (run.size() >= 2)
                // The harmonics dashed, so that the lines under them still show.
                plot.polyline(run, runLost ? kLostColour : kTrackColour, h == 1 ? 2.0 : 1.0, h > 1);
            run.clear();
        };
        for (double t = std::max(picture.start, track.firstFrame); t <= picture.end; t += step) {
            const double hz = track.rpm[frameAt(track, t)] / physics::kSecondsPerMinute * track.firingsPerRev * h;
            const double row = picture.rowOf(hz);
            allAbove = allAbove && row < 0;
            const bool lost = lostAt(track, t);
            if (!run.empty() && lost != runLost) {
                // The stretch's first point joins both runs, so the line has no gap.
                const PlotPoint joint = run.back();
                flush();
                run.push_back(joint);
            }
            runLost = lost;
            run.push_back({t - picture.start, row});
        }
        flush();
        // A harmonic above the picture all along: the higher ones are too.
        if (allAbove)
            break;
    }
}

void drawTexts(PlotList& plot, const Spectrogram& picture)
{
    const double width = picture.end - picture.start;
    std::vector<double> ticks;
    if (picture.logFrequency) {
        for (double decade = std::pow(10.0, std::floor(std::log10(picture.lowHz))); decade <= picture.highHz;
             decade *= 10)
            for (const double m : {1.0, 2.0, 5.0})
                if (m * decade >= picture.lowHz && m * decade <= picture.highHz)
                    ticks.push_back(m * decade);
    } else {
        const double step = niceStep(picture.highHz - picture.lowHz, 6);
        for (double f = std::ceil(picture.lowHz / step) * step; f <= picture.highHz; f += step)
            ticks.push_back(f);
    }
    for (const double f : ticks) {
        const double row = picture.rowOf(f);
        // Not on the very edges, where half the text would fall outside.
        if (row < picture.rows * 0.03 || row > picture.rows * 0.94)
            continue;
        plot.line(0, row, width * 0.012, row, kTextColour);
        plot.text(width * 0.015, row, formatPattern(f, Pattern::Whole) + " Hz", TextAnchor::Left, kTextColour, 11);
    }
    const double step = niceStep(width, 8);
    for (double t = std::ceil(picture.start / step) * step; t <= picture.end; t += step) {
        const double x = t - picture.start;
        if (x < width * 0.08 || x > width * 0.97)
            continue;
        plot.line(x, picture.rows, x, picture.rows * 0.985, kTextColour);
        plot.text(x, picture.rows * 0.98, singleText(static_cast<float>(std::round(t / step) * step)) + " s",
                  TextAnchor::Bottom, kTextColour, 11);
    }
}

}  // namespace

SpectrogramSettings engineSpectrogramSettings(const SoundSettings& engine, double rate)
{
    const double firingsPerRev = engine.cylinders * 2.0 / engine.strokes;
    SpectrogramSettings s;
    s.lowHz = std::max(5.0, engine.minRpm / physics::kSecondsPerMinute * firingsPerRev / 2);
    s.highHz = std::min(rate / 2, engine.maxRpm / physics::kSecondsPerMinute * firingsPerRev * 4);
    if (!(s.highHz > s.lowHz))
        s.highHz = rate / 2;
    return s;
}

PlotList spectrogramPlot(const Spectrogram& picture, const SoundTrack* track)
{
    PlotList plot;
    plot.scaleWidth = picture.end - picture.start;
    plot.scaleHeight = picture.rows;
    plot.background = {0, 0, 0};
    std::vector<std::uint32_t> pixels(picture.db.size());
    const double floor = picture.peakDb - kShownRangeDb;
    for (std::size_t k = 0; k < pixels.size(); ++k)
        pixels[k] = levelColour((picture.db[k] - floor) / kShownRangeDb);
    plot.image(0, 0, plot.scaleWidth, plot.scaleHeight, picture.columns, picture.rows, std::move(pixels));
    if (track)
        drawTrack(plot, picture, *track);
    drawTexts(plot, picture);
    return plot;
}

std::optional<double> trackedRpm(const SoundTrack& track, double time)
{
    if (track.rpm.empty() || !(track.frameSeconds > 0))
        return std::nullopt;
    return track.rpm[frameAt(track, time)];
}

std::optional<SoundAnchor> anchorFromClick(const SoundTrack& track, double time, double hz)
{
    const auto rpm = trackedRpm(track, time);
    if (!rpm || !(*rpm > 0) || !(hz > 0) || !(track.firingsPerRev > 0))
        return std::nullopt;
    const double firing = *rpm / physics::kSecondsPerMinute * track.firingsPerRev;
    const double harmonic = std::max(1.0, std::round(hz / firing));
    double named = hz / harmonic * physics::kSecondsPerMinute / track.firingsPerRev;
    if (std::abs(named - *rpm) <= kSameLine * *rpm)
        named = hz * physics::kSecondsPerMinute / track.firingsPerRev;
    return SoundAnchor{time, named};
}

}  // namespace vornax
