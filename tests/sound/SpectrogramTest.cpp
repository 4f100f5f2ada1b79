// The spectrogram against tones of known frequency, level and start; its
// bounded size; its refusals; and the picture of a track drawn over it.
#include "sound/SoundPlots.h"
#include "sound/Spectrogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vornax {
namespace {

std::vector<float> tone(double rate, double seconds, double hz, double amplitude, double from = 0)
{
    std::vector<float> s(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        s[i] = t < from ? 0.0f : static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * t));
    }
    return s;
}

float level(const Spectrogram& g, int row, int column)
{
    return g.db[std::size_t(row) * std::size_t(g.columns) + std::size_t(column)];
}

TEST(Spectrogram, RowMappingGoesBothWaysOnBothAxes)
{
    for (const bool log : {false, true}) {
        Spectrogram g;
        g.lowHz = 25;
        g.highHz = 1600;
        g.rows = 300;
        g.logFrequency = log;
        EXPECT_NEAR(g.rowOf(1600), 0, 1e-9);
        EXPECT_NEAR(g.rowOf(25), 300, 1e-9);
        for (const double hz : {25.0, 80.0, 200.0, 999.0, 1600.0})
            EXPECT_NEAR(g.hzAt(g.rowOf(hz)), hz, 1e-9 * hz) << log;
        // Log rows: each octave the same height.
        if (log) {
            EXPECT_NEAR(g.rowOf(100) - g.rowOf(200), g.rowOf(400) - g.rowOf(800), 1e-9);
        }
    }
}

TEST(Spectrogram, ToneLandsOnItsRowAtItsLevel)
{
    struct Case {
        double rate, hz, amplitude;
        bool log;
    };
    for (const Case c : {Case{44100, 200, 0.5, false}, Case{48000, 613, 0.1, false}, Case{8000, 55, 0.8, true},
                         Case{44100, 1000, 0.25, true}}) {
        const auto samples = tone(c.rate, 3, c.hz, c.amplitude);
        SpectrogramSettings s;
        s.columns = 50;
        s.rows = 200;
        s.lowHz = 20;
        s.highHz = 1500;
        s.logFrequency = c.log;
        const auto g = spectrogram(samples, c.rate, s);
        ASSERT_TRUE(g) << g.error();
        const int column = 25;
        int best = 0;
        for (int r = 1; r < g->rows; ++r)
            if (level(*g, r, column) > level(*g, best, column))
                best = r;
        EXPECT_NEAR(best + 0.5, g->rowOf(c.hz), 1.5) << c.hz;
        EXPECT_NEAR(level(*g, best, column), 20 * std::log10(c.amplitude), 1.5) << c.hz;
        EXPECT_NEAR(g->peakDb, 20 * std::log10(c.amplitude), 1.5);
        // Far from the tone the picture is dark.
        const int far = g->rowOf(c.hz) > 100 ? 5 : 195;
        EXPECT_LT(level(*g, far, column), level(*g, best, column) - 60) << c.hz;
    }
}

TEST(Spectrogram, ColumnsFollowTimeAndTheSizeFollowsTheView)
{
    // Silence, then a tone from 2 s on.
    const double rate = 8000;
    const auto samples = tone(rate, 4, 300, 0.5, 2.0);
    SpectrogramSettings s;
    s.columns = 40;
    s.rows = 100;
    const auto g = spectrogram(samples, rate, s);
    ASSERT_TRUE(g) << g.error();
    const int row = static_cast<int>(g->rowOf(300));
    EXPECT_LT(level(*g, row, 10), g->peakDb - 60);  // 1,05 s
    EXPECT_GT(level(*g, row, 30), g->peakDb - 3);   // 3,05 s

    // Ten minutes seen whole and a range of it: the size asked, capped.
    const std::vector<float> tenMinutes(std::size_t(rate * 600), 0.01f);
    s.columns = 100000;
    s.rows = 5;
    const auto whole = spectrogram(tenMinutes, rate, s);
    ASSERT_TRUE(whole) << whole.error();
    EXPECT_EQ(whole->columns, 4000);
    EXPECT_EQ(whole->db.size(), std::size_t(4000 * 5));
    s.start = 100;
    s.end = 700;  // cut to the recording's end
    s.columns = 10;
    const auto part = spectrogram(tenMinutes, rate, s);
    ASSERT_TRUE(part) << part.error();
    EXPECT_DOUBLE_EQ(part->end, 600);
    EXPECT_DOUBLE_EQ(part->columnSeconds(), 50);
}

TEST(Spectrogram, RefusesWhatCannotBeDrawn)
{
    const auto samples = tone(8000, 1, 100, 0.5);
    SpectrogramSettings outside;
    outside.start = 5;
    SpectrogramSettings empty;
    empty.lowHz = 4000;  // the top is cut to half the rate
    SpectrogramSettings logFromZero;
    logFromZero.lowHz = 0;
    logFromZero.logFrequency = true;
    struct Case {
        std::span<const float> samples;
        double rate;
        SpectrogramSettings settings;
    };
    for (const Case& c : {Case{{}, 8000, {}}, Case{samples, 0, {}}, Case{samples, NAN, {}},
                          Case{samples, 8000, outside}, Case{samples, 8000, empty}, Case{samples, 8000, logFromZero}}) {
        const auto g = spectrogram(c.samples, c.rate, c.settings);
        EXPECT_FALSE(g);
        EXPECT_FALSE(g.error().empty());
    }
    int calls = 0;
    const auto stopped = spectrogram(samples, 8000, {}, [&](double) { return ++calls < 3; });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(calls, 3);
}

SoundTrack steadyTrack(double rpm, double seconds)
{
    SoundTrack t;
    t.firstFrame = 0;
    t.frameSeconds = 0.01;
    t.rpm.assign(static_cast<std::size_t>(seconds / 0.01), static_cast<float>(rpm));
    t.firingsPerRev = 2;
    return t;
}

TEST(SoundPlots, TrackIsDrawnOnItsHarmonicsAndLostStretchesInRed)
{
    Spectrogram g;
    g.start = 0;
    g.end = 10;
    g.columns = 20;
    g.rows = 100;
    g.lowHz = 20;
    g.highHz = 1000;
    g.db.assign(20 * 100, -30.0f);
    g.peakDb = -30;
    SoundTrack track = steadyTrack(3000, 10);  // fires at 100 Hz
    track.lost.push_back({4, 6});
    const PlotList plot = spectrogramPlot(g, &track);
    EXPECT_DOUBLE_EQ(plot.scaleWidth, 10);
    EXPECT_DOUBLE_EQ(plot.scaleHeight, 100);

    int images = 0;
    std::vector<double> rows;
    bool redOverLost = false, greenOutside = false;
    for (const PlotItem& item : plot.items) {
        if (const auto* image = std::get_if<PlotImage>(&item)) {
            ++images;
            EXPECT_EQ(image->columns, 20);
            EXPECT_EQ(image->rows, 100);
        }
        if (const auto* line = std::get_if<PlotPolyline>(&item)) {
            if (line->colour == kTrackColour || line->colour == kLostColour)
                rows.push_back(line->points.front().y);
            const double mid = (line->points.front().x + line->points.back().x) / 2;
            if (line->colour == kLostColour)
                redOverLost = redOverLost || (mid > 4 && mid < 6);
            if (line->colour == kTrackColour)
                greenOutside = greenOutside || mid < 4 || mid > 6;
        }
    }
    EXPECT_EQ(images, 1);
    EXPECT_TRUE(redOverLost);
    EXPECT_TRUE(greenOutside);
    // Harmonics 1 to 8, each on its row; 1 000 Hz is the top edge.
    for (int h = 1; h <= 8; ++h)
        EXPECT_NE(
            std::find_if(rows.begin(), rows.end(), [&](double r) { return std::abs(r - g.rowOf(100.0 * h)) < 1e-9; }),
            rows.end())
            << h;
    const auto texts = textsOf(plot);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "400 Hz"), texts.end());
}

TEST(SoundPlots, ClickNamesTheSpeedThroughTheNearestHarmonic)
{
    const SoundTrack track = steadyTrack(3000, 10);  // firing at 100 Hz
    struct Case {
        double hz, rpm;
    };
    for (const Case c : {
             Case{310, 3100},  // near the third harmonic: a little faster
             Case{95, 2850},   // near the firing order itself
             Case{50, 1500},   // half way down: the track was at twice the speed
             Case{200, 6000},  // on the second harmonic: the track was at half the speed
             Case{100, 3000},  // on the firing order: stays
         }) {
        const auto a = anchorFromClick(track, 5, c.hz);
        ASSERT_TRUE(a) << c.hz;
        EXPECT_DOUBLE_EQ(a->time, 5);
        EXPECT_NEAR(a->rpm, c.rpm, 1e-9) << c.hz;
    }
    EXPECT_FALSE(anchorFromClick(track, 5, 0));
    EXPECT_FALSE(anchorFromClick(SoundTrack{}, 5, 100));
}

}  // namespace
}  // namespace vornax
