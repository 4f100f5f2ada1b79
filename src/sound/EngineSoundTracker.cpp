#include "sound/EngineSoundTracker.h"

#include "common/Physics.h"
#include "common/NumberText.h"
#include "common/Translation.h"
#include "signal/PreciseCurve.h"
#include "sound/PowerSpectrum.h"
#include "sound/SteadyLines.h"
#include "sound/SpectrumLevels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <memory>
#include <numbers>
#include <numeric>
#include <tuple>
#include <utility>

namespace vornax {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kGridStep = 0.005;  // relative spacing of the candidate speeds
constexpr int kLargestMove = 4;      // grid steps a frame may move: 2 % in 10 ms
constexpr double kMoveCost = 0.01;   // per squared grid step
constexpr double kHighestHz = 1200;  // harmonics above are smeared by the fastest pulls
constexpr double kSteadyLowestHz = 20, kSteadyHighestHz = 1300;  // where steady lines are taken out
constexpr int kMostHarmonics = 12;   // demodulated along the track
// The crank solve (solveCrank) reads the first eleven: the twelfth, near the
// top of the band where a fast pull smears it within a cycle and the valve
// train clatters, misled it more often than it helped on the generated runs.
constexpr int kSolvedHarmonics = 11;
// A harmonic whose phase changes from one window to the next by more than
// this (rad^2, mean square) is left out of the solve's first round.
constexpr double kUnwrappable = 0.2;
// The solve is taken where it reads each window's crank angle to within
// this (cycles, one standard deviation, the median window): an engine bay
// or an exhaust gives 0,0001 to 0,0006, a cabin 0,0018 and more. Below it
// the acoustic path is measured well apart from the crank; above it (road
// noise over the low harmonics, a gearbox's whine and the wind over the
// high ones) the solve is tried on the first six harmonics only. Either way
// it is taken only where the precise fit follows its sparks at least as
// closely as the steadier per-harmonic refinement's (of the generated
// cabin runs, the two under a phone's high-pass).
constexpr double kSolvedSpread = 0.0015;
constexpr int kFarHarmonics = 6;
constexpr int kSalienceHarmonics = 12;
constexpr double kRefineMargin =
    0.5;  // s refined before the pull and after it        // scored per candidate, all of them under kHighestHz
// Past this (s) a recording is tracked on frames of 20 ms, then its pull
// again on its own, with kAroundPull (s) either side.
constexpr long kLongRecording = 600;
constexpr double kAroundPull = 5.0;
constexpr double kLostBelowDb = 3.0;  // harmonic contrast of a frame that is followed
// Lost frames closer than this make one stretch: named to a tenth of a
// second, two stretches a few frames apart would read as the same one twice.
constexpr double kLostStretchGap = 0.2;       // s
constexpr double kNoEngineDb = 5.0;           // median contrast of a recording in which an engine is heard
constexpr double kScoreQuantum = 1.0 / 16.0;  // stored scores: 0 ... 255 quanta from -2
// Lines between the orders of the cycle set: taken as there at four times
// their spread and a share of 2 % (an engine at its setting stays under 2).
constexpr double kBetweenOrdersZ = 4.0;
constexpr double kBetweenOrdersShare = 0.02;
constexpr double kOddLinesZ = 3.0;  // the odd orders' lines, taken as there

// Low-pass and keep every factor-th sample: a Blackman-windowed sinc at
// 0,45 of the new rate, only the kept outputs computed.
std::vector<float> decimate(std::span<const float> in, int factor)
{
    const int half = 6 * factor;
    std::vector<float> taps(std::size_t(2 * half + 1));
    const double cutoff = 0.45 / factor;  // of the input rate
    double sum = 0;
    for (int k = -half; k <= half; ++k) {
        const double x = kTwoPi * cutoff * k;
        const double sinc = k == 0 ? 1.0 : std::sin(x) / x;
        const double w = 0.42 + 0.5 * std::cos(std::numbers::pi * k / (half + 1)) +
                         0.08 * std::cos(2 * std::numbers::pi * k / (half + 1));
        taps[std::size_t(k + half)] = static_cast<float>(sinc * w);
        sum += sinc * w;
    }
    for (float& t : taps)
        t = static_cast<float>(t / sum);
    const std::size_t count = in.size() / std::size_t(factor);
    std::vector<float> out(count);
    const auto n = static_cast<std::ptrdiff_t>(in.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::ptrdiff_t centre = std::ptrdiff_t(i) * factor;
        float acc = 0;
        if (centre - half >= 0 && centre + half < n) {
            const float* x = in.data() + centre - half;
            for (std::size_t k = 0; k < taps.size(); ++k)
                acc += taps[k] * x[k];
        } else {
            for (int k = -half; k <= half; ++k) {
                const std::ptrdiff_t j = centre + k;
                if (j >= 0 && j < n)
                    acc += taps[std::size_t(k + half)] * in[std::size_t(j)];
            }
        }
        out[i] = acc;
    }
    return out;
}

// The cost of moving `steps` grid steps in one frame of `tens` times 10 ms:
// the same climb costs the same over a second whatever the frames.
double moveCost(int steps, int tens) { return kMoveCost * steps * steps / double(tens * tens); }

// The median of the frames' speeds within `half` frames either side, of the
// frames whose confidence says they are followed (the frame's own speed
// where none is).
std::vector<double> runningMedian(const std::vector<float>& rpm, const std::vector<float>& conf, std::size_t half)
{
    const std::size_t frames = rpm.size();
    std::vector<double> out(frames);
    std::vector<float> window;
    for (std::size_t f = 0; f < frames; ++f) {
        window.clear();
        const std::size_t a = f >= half ? f - half : 0, b = std::min(frames, f + half + 1);
        for (std::size_t g = a; g < b; ++g)
            if (conf[g] >= kLostBelowDb)
                window.push_back(rpm[g]);
        if (window.empty()) {
            out[f] = rpm[f];
            continue;
        }
        const auto mid = window.begin() + std::ptrdiff_t(window.size() / 2);
        std::nth_element(window.begin(), mid, window.end());
        out[f] = *mid;
    }
    return out;
}

std::string secondsText(double s) { return formatPattern(s, Pattern::OneDecimal); }

// The best path from frame `first` to `last` (inclusive) held within four
// grid steps of `centre` (rpm per frame), moving at most one step (0,5 %)
// each 10 ms: frames of `tens` times 10 ms move up to `tens` steps.
std::vector<int> bandPath(const std::vector<std::uint8_t>& scores, int candidates, std::size_t first, std::size_t last,
                          const std::vector<double>& centre, double minRpm, int tens)
{
    constexpr int kBand = 4, kWidth = 2 * kBand + 1;
    const std::size_t n = last - first + 1;
    const auto centreOf = [&](std::size_t f) {
        const int c = static_cast<int>(std::lround(std::log(centre[f] / minRpm) / std::log1p(kGridStep)));
        return std::clamp(c, kBand, std::max(kBand, candidates - 1 - kBand));
    };
    std::vector<std::int8_t> from(n * kWidth, 0);
    std::array<double, kWidth> total{}, next{};
    int previousCentre = centreOf(first);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t f = first + i;
        const int mid = centreOf(f);
        for (int j = 0; j < kWidth; ++j) {
            const int c = mid - kBand + j;
            double best = i == 0 ? 0.0 : -1e300;
            int bestFrom = 0;
            if (i > 0) {
                for (int m = -tens; m <= tens; ++m) {
                    const int k = c - m - (previousCentre - kBand);
                    if (k < 0 || k >= kWidth)
                        continue;
                    const double v = total[std::size_t(k)] - moveCost(m, tens);
                    if (v > best) {
                        best = v;
                        bestFrom = k;
                    }
                }
            }
            const bool inside = c >= 0 && c < candidates;
            const double score =
                inside ? scores[f * std::size_t(candidates) + std::size_t(c)] * kScoreQuantum - 2.0 : -1e9;
            next[std::size_t(j)] = best + score;
            from[i * kWidth + std::size_t(j)] = static_cast<std::int8_t>(bestFrom);
        }
        total = next;
        previousCentre = mid;
    }
    std::vector<int> path(n);
    int j = static_cast<int>(std::max_element(total.begin(), total.end()) - total.begin());
    for (std::size_t i = n; i-- > 0;) {
        path[i] = centreOf(first + i) - kBand + j;
        j = from[i * kWidth + std::size_t(j)];
    }
    return path;
}

// How much of a steady line the engine's sound holds at the orders of the
// cycle set, and between them, over the samples `from` ... `to` (`cycles`:
// the cycle count at each sample, from the track). The sound is taken two
// cycles at a time: order j of that double cycle (j = 1 ... 4F - 1, F the
// firings per cycle, the firing orders left out) is, for even j, order j/2
// of the cycle set, and for odd j a half order, which no engine of the
// setting makes: its sound repeats every cycle. Each order's line is the
// power of its sum over `kBlock` double cycles at a time against the sum of
// its powers: 1 for a steady line, 1/kBlock for noise, what lies above
// that is the line's share. Its z is that share against its own spread from
// block to block.
//
// Three more groups weigh the setting against four cylinders and four
// strokes firing as often, at another speed: a four-stroke four's cycle
// holds four firings, so its orders of the double cycle are the multiples
// of F/2 ("fours"), the odd ones among them lie between the orders of the
// setting ("fours between"), and the even orders that are not are lines only
// the engine set makes ("own").
struct LineGroup {
    double share = 0, z = 0;
};
struct CycleLines {
    LineGroup half, odd, even;  // between the orders; the cycle's odd ones; its even ones
    LineGroup own, fours;       // the cycle's orders no four-cylinder four-stroke makes; those it makes
    LineGroup foursBetween;     // those it makes between the orders of the setting
    bool measured = false;
};

CycleLines cycleLines(const float* y, const std::vector<double>& cycles, std::size_t from, std::size_t to, int F)
{
    constexpr int kBlock = 8;
    constexpr std::size_t kGroups = 6;
    constexpr std::size_t kWeighingGroups = 3;  // the first of those weighing the setting against a four
    using Groups = std::array<double, kGroups>;
    CycleLines out;
    const int orders = std::min(4 * F - 1, 23);
    if (F < 2 || to <= from + 1)
        return out;
    // Which groups order j of the double cycle counts in; none for a firing order.
    std::vector<std::array<bool, kGroups>> member(std::size_t(orders + 1));
    for (int j = 1; j <= orders; ++j) {
        if (j % (2 * F) == 0)
            continue;
        // The orders beside a firing order take some of its line whenever
        // its strength or its shape changes across a double cycle (the load
        // rises, the ringing stays as long in time while the crank turns
        // faster), the same way every cycle: a line of nothing heard, left out.
        const bool besideFiring = j % (2 * F) == 1 || j % (2 * F) == 2 * F - 1;
        const bool even = j % 2 == 0, fours = (2 * j) % F == 0;
        member[std::size_t(j)] = {!even && !besideFiring, even && j % 4 == 2, even && j % 4 == 0, even && !fours, fours,
                                  !even && fours};
    }
    std::vector<std::complex<double>> sum(std::size_t(orders + 1)), cycleSum(std::size_t(orders + 1));
    Groups coherent{}, incoherent{};
    std::vector<Groups> blockCoherent, blockIncoherent;
    long current = -1;
    int inBlock = 0;
    const auto add = [&](Groups& to, int j, double power) {
        for (std::size_t g = 0; g < kGroups; ++g)
            if (member[std::size_t(j)][g])
                to[g] += power;
    };
    const auto closeCycle = [&] {
        for (int j = 1; j <= orders; ++j) {
            add(incoherent, j, std::norm(cycleSum[std::size_t(j)]));
            sum[std::size_t(j)] += cycleSum[std::size_t(j)];
            cycleSum[std::size_t(j)] = 0;
        }
        if (++inBlock < kBlock)
            return;
        for (int j = 1; j <= orders; ++j) {
            add(coherent, j, std::norm(sum[std::size_t(j)]) / kBlock);
            sum[std::size_t(j)] = 0;
        }
        blockCoherent.push_back(coherent);
        blockIncoherent.push_back(incoherent);
        coherent = {};
        incoherent = {};
        inBlock = 0;
    };
    for (std::size_t n = from; n < to && n + 1 < cycles.size(); ++n) {
        const double c = 0.25 * (cycles[n] + cycles[n + 1]);  // double cycles
        const long k = std::lround(c);
        if (k != current) {
            if (current >= 0)
                closeCycle();
            current = k;
        }
        const std::complex<double> base = std::polar(1.0, -kTwoPi * c);
        std::complex<double> w = base;
        for (int j = 1; j <= orders; ++j) {
            cycleSum[std::size_t(j)] += double(y[n]) * w;
            w *= base;
        }
    }
    // Only whole blocks count: the incoherent sums of a last, partial block go.
    const std::size_t blocks = blockCoherent.size();
    if (blocks < 3)
        return out;
    LineGroup* groups[kGroups] = {&out.half, &out.odd, &out.even, &out.own, &out.fours, &out.foursBetween};
    for (std::size_t g = 0; g < kGroups; ++g) {
        double c = 0, i = 0;
        for (std::size_t b = 0; b < blocks; ++b) {
            c += blockCoherent[b][g];
            i += blockIncoherent[b][g];
        }
        if (!(i > 0)) {
            if (g >= kWeighingGroups)  // a setting that shares all its orders with a four-stroke four, or none
                continue;
            return out;
        }
        const double ratio = c / i;
        double spread = 0;
        for (std::size_t b = 0; b < blocks; ++b)
            spread += std::pow(blockCoherent[b][g] - ratio * blockIncoherent[b][g], 2);
        const double error = std::sqrt(spread) / i;
        groups[g]->share = ratio - 1.0 / kBlock;
        groups[g]->z = error > 0 ? groups[g]->share / error : 0;
    }
    out.measured = true;
    return out;
}

// The firing harmonics of each engine cycle of a reference: `cycles` is the
// reference's cycle count at every sample (cycles[n] at the start of sample
// n), window k takes the samples whose cycle rounds to k, so each window is
// one cycle long and every order of the cycle is orthogonal over it.
using CycleHarmonics = std::array<std::complex<double>, kMostHarmonics>;

std::vector<CycleHarmonics> demodulate(const float* y, const std::vector<double>& cycles, int F)
{
    const auto last = static_cast<std::size_t>(std::max(0.0, cycles.back()));
    std::vector<CycleHarmonics> z(last + 2);
    for (auto& a : z)
        a.fill({0, 0});
    for (std::size_t n = 0; n + 1 < cycles.size(); ++n) {
        const double c = 0.5 * (cycles[n] + cycles[n + 1]);
        const auto k = static_cast<std::size_t>(std::lround(c));
        if (k >= z.size())
            break;
        const std::complex<double> base = std::polar(1.0, -kTwoPi * F * c);
        std::complex<double> w = base;
        for (int h = 0; h < kMostHarmonics; ++h) {
            z[k][std::size_t(h)] += double(y[n]) * w;
            w *= base;
        }
    }
    return z;
}

// The time (s) at which the reference reaches each whole cycle 0 ... last;
// sample n lies at (n0 + n) / rate.
std::vector<double> wholeCycleTimes(const std::vector<double>& cycles, std::size_t n0, double rate)
{
    const auto last = static_cast<std::size_t>(std::max(0.0, cycles.back()));
    std::vector<double> out(last + 1, 0.0);
    std::size_t n = 0;
    for (std::size_t k = 0; k <= last; ++k) {
        while (n + 2 < cycles.size() && cycles[n + 1] < double(k))
            ++n;
        const double span = cycles[n + 1] - cycles[n];
        out[k] = (double(n0 + n) + (span > 0 ? (double(k) - cycles[n]) / span : 0.0)) / rate;
    }
    return out;
}

// Virtual sparks: where the refined crank crosses a whole cycle (and a
// half cycle too for a two-stroke, whose cycle is one revolution), inside
// from ... to; `correction` the crank's angle ahead of the reference at
// each whole cycle of it, in cycles.
std::vector<double> virtualSparksOf(const std::vector<double>& cycleTime, const std::vector<double>& correction,
                                    int perCycle, double from, double to)
{
    std::vector<double> out;
    for (std::size_t k = 1; k + 2 < cycleTime.size(); ++k) {
        for (int part = 0; part < perCycle; ++part) {
            const double u = double(part) / perCycle;
            const double period = cycleTime[k + 1] - cycleTime[k];
            const double t0 = cycleTime[k] + u * period;
            const double eps = correction[k] + u * (correction[k + 1] - correction[k]);
            const double t = t0 - eps * period;
            if (t >= from && t <= to)
                out.push_back(t);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

// How far the virtual sparks may be off, from the crank read twice: once
// from the odd harmonics alone and once from the even ones. Each harmonic
// carries its own noise (its share of the road, a whine or a voice crossing
// it, a resonance it passes), so the two reads part by what is in either;
// half the spread of that difference (robust: 1,4826 times its median
// distance, in time, over the windows of the pull) is the spread of the read
// of both. A slow wander of the crank is in it, which the spark times' own
// fourth differences cannot see: the precise fit then smooths it away
// instead of following it into the power. s, one standard deviation.
double crankReadNoise(const std::vector<double>& cycleTime, const std::array<std::vector<double>, 2>& halves,
                      double from, double to)
{
    std::vector<double> apart;
    const std::size_t n = std::min({cycleTime.size(), halves[0].size(), halves[1].size()});
    for (std::size_t k = 1; k + 1 < n; ++k)
        if (cycleTime[k] >= from && cycleTime[k + 1] <= to)
            apart.push_back(std::abs(halves[0][k] - halves[1][k]) * (cycleTime[k + 1] - cycleTime[k]));
    if (apart.empty())
        return 0;
    std::nth_element(apart.begin(), apart.begin() + std::ptrdiff_t(apart.size() / 2), apart.end());
    return 0.5 * 1.4826 * apart[apart.size() / 2];
}

// The throttle's lift, found again on the firing's harmonics: the path's
// speed is read over frames of 186 ms and can hold its highest up to a
// second past the lift, where the crank read is no longer the engine's.
// The engine's sound falls by more than 6 dB within a few cycles of the
// lift (the load goes), far faster than anything a pull does: the first
// cycle, in the pull's last 1,2 s, whose harmonics (the median of five
// cycles from it) hold under a quarter of the power of the half second
// before it, and after which most cycles stay under it, is the first
// after the lift; the lift's time is given as the start of the cycle before
// it. `cycleTime`: the start of each window; infinity where none is found.
double liftTime(const std::vector<CycleHarmonics>& z, const std::vector<double>& cycleTime, double pullEnd)
{
    constexpr double kLooked = 1.2;   // s before the pull's end
    constexpr double kBefore = 0.5;   // s of the level it is held against
    constexpr double kFallen = 0.25;  // of that level's power
    const std::size_t K = std::min(z.size(), cycleTime.size());
    std::vector<double> power(K, 0.0);
    for (std::size_t k = 0; k < K; ++k)
        for (const auto& v : z[k])
            power[k] += std::norm(v);
    const auto median = [&](std::size_t from, std::size_t to) {  // [from, to)
        std::vector<double> v(power.begin() + std::ptrdiff_t(from), power.begin() + std::ptrdiff_t(to));
        const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
        std::nth_element(v.begin(), mid, v.end());
        return *mid;
    };
    std::size_t end = 0;
    while (end < K && cycleTime[end] < pullEnd)
        ++end;
    std::size_t reference = 0;
    for (std::size_t k = 1; k + 5 <= end; ++k) {
        if (cycleTime[k] < pullEnd - kLooked)
            continue;
        while (cycleTime[reference] < cycleTime[k] - kBefore)
            ++reference;
        if (k < reference + 5)
            continue;
        const double level = median(reference, k);
        // The sound falls within the cycle before the first one held low.
        if (median(k, k + 5) < kFallen * level && median(k, end) < kFallen * level)
            return cycleTime[k - 1];
    }
    return HUGE_VAL;
}

// The acoustic path between the engine and the microphone, as the crank
// solve measures it: a phase response over frequency (rad at `nodes`, Hz,
// read linearly between them) shared by every harmonic, and each harmonic's
// own phase at the source.
struct AcousticPath {
    std::vector<double> nodes, response;
    std::array<double, kMostHarmonics> offset{};
    bool measured = false;

    // The node below `hz` and the share of the next one.
    std::pair<std::size_t, double> at(double hz) const
    {
        const auto above = std::upper_bound(nodes.begin(), nodes.end(), hz);
        const std::size_t j = std::clamp<std::size_t>(std::size_t(above - nodes.begin()), 1, nodes.size() - 1) - 1;
        return {j, std::clamp((hz - nodes[j]) / (nodes[j + 1] - nodes[j]), 0.0, 1.0)};
    }
    double phase(int h, double hz) const
    {
        const auto [j, u] = at(hz);
        return offset[std::size_t(h)] + response[j] + u * (response[j + 1] - response[j]);
    }
};

// Where the acoustic path's response is read: 4 Hz apart at the low end,
// 3 % of the frequency above (the resonances of a pipe or a body are wider
// the higher they lie), from `lowest` to past `highest`.
std::vector<double> pathNodes(double lowest, double highest)
{
    std::vector<double> nodes;
    for (double f = 0.97 * lowest;; f += std::max(4.0, 0.03 * f)) {
        nodes.push_back(f);
        if (f > highest)
            break;
    }
    if (nodes.size() < 2)
        nodes.push_back(nodes.back() + 4.0);
    return nodes;
}

// Cholesky factorisation and solution of a small dense system (row-major,
// symmetric positive definite); false when it is not.
bool solveDense(std::vector<double>& a, std::vector<double>& b, std::size_t n)
{
    for (std::size_t j = 0; j < n; ++j) {
        double d = a[j * n + j];
        for (std::size_t k = 0; k < j; ++k)
            d -= a[j * n + k] * a[j * n + k];
        if (!(d > 0))
            return false;
        d = std::sqrt(d);
        a[j * n + j] = d;
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = a[i * n + j];
            for (std::size_t k = 0; k < j; ++k)
                s -= a[i * n + k] * a[j * n + k];
            a[i * n + j] = s / d;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        double s = b[i];
        for (std::size_t k = 0; k < i; ++k)
            s -= a[i * n + k] * b[k];
        b[i] = s / a[i * n + i];
    }
    for (std::size_t i = n; i-- > 0;) {
        double s = b[i];
        for (std::size_t k = i + 1; k < n; ++k)
            s -= a[k * n + i] * b[k];
        b[i] = s / a[i * n + i];
    }
    return true;
}

// The crank's angle at each window, in cycles ahead of the reference, and
// the acoustic path, measured together. Harmonic m = F (h + 1) of window k
// holds the phase
//     offset[h] + response(m fcyc[k]) + 2 pi m crank[k] + noise,
// the crank turning every harmonic by its order, the path by the frequency
// it is at. Solved as one weighted least-squares problem (the crank angles
// eliminated window by window, the path's few unknowns solved densely), a
// few rounds, each round taking the phases again against the model (so
// none is unwrapped wrongly once the model is near) and weighing every
// harmonic by the scatter of its own residuals over the neighbouring
// windows: a harmonic buried in road noise or crossed by a voice or a whine
// counts for little there, and a single window far off the model for less.
// The response is held smooth over frequency (its second differences cost),
// a weak pull that only fills the frequencies no harmonic passes often.
// `start`: the crank angles to begin from; `path`: the path measured by an
// earlier solve, if any (kept and refined).
std::vector<double> solveCrank(const std::vector<CycleHarmonics>& z, const std::vector<double>& fcyc, int F, double top,
                               std::vector<double> crank, AcousticPath& path, int& harmonicsUsed, double& spread,
                               int most = kSolvedHarmonics, std::array<std::vector<double>, 2>* halves = nullptr)
{
    spread = HUGE_VAL;
    const std::size_t K = crank.size();
    struct Observation {
        std::size_t k;
        int h;
        double hz;
        std::size_t node;
        double share;
        double phase = 0;  // against the model, rad
        double weight = 0;
    };
    std::vector<Observation> obs;
    harmonicsUsed = 0;
    double lowest = 1e300, highest = 0;
    for (std::size_t k = 1; k + 1 < K; ++k)
        for (int h = 0; h < kMostHarmonics; ++h) {
            const double hz = double(F) * (h + 1) * fcyc[k];
            if (hz > top || h >= most)
                break;
            if (std::norm(z[k][std::size_t(h)]) <= 0)
                continue;
            obs.push_back({k, h, hz, 0, 0});
            harmonicsUsed = std::max(harmonicsUsed, h + 1);
            lowest = std::min(lowest, hz);
            highest = std::max(highest, hz);
        }
    if (obs.empty())
        return crank;
    if (!path.measured) {
        path.nodes = pathNodes(lowest, highest);
        path.response.assign(path.nodes.size(), 0.0);
        path.offset.fill(0.0);
    }
    for (Observation& o : obs)
        std::tie(o.node, o.share) = path.at(o.hz);
    const std::size_t B = path.nodes.size(), H = std::size_t(harmonicsUsed), P = B + H;
    const auto order = [&](int h) { return double(F) * (h + 1); };

    // The phases against the model. Before any path is known, each
    // harmonic's phase against the starting crank is unwrapped along the
    // windows (it moves slowly there: the path turns it as the harmonic
    // sweeps, the starting crank's drift by its order).
    const auto phasesAgainstModel = [&](bool unwrap) {
        std::vector<double> previous(H, 0.0);
        std::vector<bool> started(H, false);
        for (Observation& o : obs) {
            const double m = order(o.h);
            const double model = path.phase(o.h, o.hz) + kTwoPi * m * crank[o.k];
            double r = std::arg(z[o.k][std::size_t(o.h)] * std::polar(1.0, -model));
            if (unwrap) {
                const auto h = std::size_t(o.h);
                if (started[h])
                    r += kTwoPi * std::round((previous[h] - r) / kTwoPi);
                previous[h] = r;
                started[h] = true;
            }
            o.phase = r;
        }
    };
    // Each harmonic's residual scatter over 10 windows either side (rad^2),
    // from `residual` of each observation; observations are in window
    // order, harmonic by harmonic within a window.
    std::vector<double> residual(obs.size(), 0.0);
    const auto weigh = [&](bool firstRound) {
        constexpr std::ptrdiff_t kNear = 10;
        constexpr double kFloor = 1e-4;  // (0,01 rad)^2
        std::vector<std::vector<std::size_t>> ofHarmonic(H);
        for (std::size_t i = 0; i < obs.size(); ++i)
            ofHarmonic[std::size_t(obs[i].h)].push_back(i);
        for (const auto& list : ofHarmonic) {
            const auto n = static_cast<std::ptrdiff_t>(list.size());
            std::vector<double> sum(list.size() + 1, 0.0);
            for (std::ptrdiff_t j = 0; j < n; ++j)
                sum[std::size_t(j + 1)] =
                    sum[std::size_t(j)] + residual[list[std::size_t(j)]] * residual[list[std::size_t(j)]];
            for (std::ptrdiff_t j = 0; j < n; ++j) {
                const std::ptrdiff_t a = std::max<std::ptrdiff_t>(0, j - kNear), b = std::min(n, j + kNear + 1);
                const double scatter = std::max(kFloor, (sum[std::size_t(b)] - sum[std::size_t(a)]) / double(b - a));
                const double e = residual[list[std::size_t(j)]];
                const double outlying = firstRound ? 0.0 : e * e / (6.25 * scatter);
                // Before the model is near, a harmonic whose phase jumps
                // about from one window to the next cannot be unwrapped
                // along them: it waits for the next round, taken against
                // the model.
                obs[list[std::size_t(j)]].weight =
                    firstRound && scatter > kUnwrappable ? 0.0 : 1.0 / (scatter * (1.0 + outlying));
            }
        }
    };

    // First weights: from how much each harmonic's phase changes from one
    // window to the next (the starting crank's drift is slow).
    phasesAgainstModel(!path.measured);
    {
        std::vector<double> last(H, 0.0);
        std::vector<bool> seen(H, false);
        for (std::size_t i = 0; i < obs.size(); ++i) {
            const auto h = std::size_t(obs[i].h);
            const double step = seen[h] ? std::remainder(obs[i].phase - last[h], kTwoPi) : 0.0;
            residual[i] = step * std::sqrt(0.5);
            last[h] = obs[i].phase;
            seen[h] = true;
        }
        weigh(true);
    }
    constexpr double kSmoothCost = 4.0;  // per rad^2 of a second difference of the response
    constexpr double kRidge = 1e-6;
    constexpr int kRounds = 4;
    std::vector<double> S(P * P), rhs(P);
    std::vector<double> nTheta(K), bTheta(K);
    std::vector<std::pair<std::size_t, double>> coupling;  // of one window's crank angle with the path's unknowns
    for (int round = 0; round < kRounds; ++round) {
        if (round > 0)
            phasesAgainstModel(false);
        // Normal equations of the increments. Unknowns: crank[k] (eliminated),
        // then response[0 .. B), offset[0 .. H).
        std::fill(S.begin(), S.end(), 0.0);
        std::fill(rhs.begin(), rhs.end(), 0.0);
        const auto add = [&](std::size_t i, std::size_t j, double v) { S[i * P + j] += v; };
        for (std::size_t j = 0; j < B; ++j) {
            add(j, j, kRidge);
            rhs[j] -= kRidge * path.response[j];
        }
        for (std::size_t j = 1; j + 1 < B; ++j) {
            const std::size_t idx[3] = {j - 1, j, j + 1};
            const double c[3] = {1.0, -2.0, 1.0};
            const double now = path.response[j - 1] - 2 * path.response[j] + path.response[j + 1];
            for (int a = 0; a < 3; ++a) {
                rhs[idx[a]] -= kSmoothCost * c[a] * now;
                for (int b = 0; b < 3; ++b)
                    add(idx[a], idx[b], kSmoothCost * c[a] * c[b]);
            }
        }
        for (std::size_t h = 0; h < H; ++h)
            add(B + h, B + h, kRidge);
        std::size_t i = 0;
        while (i < obs.size()) {
            const std::size_t k = obs[i].k;
            double nt = kRidge, bt = -kRidge * crank[k];
            coupling.clear();
            const auto couple = [&](std::size_t index, double v) {
                for (auto& c : coupling)
                    if (c.first == index) {
                        c.second += v;
                        return;
                    }
                coupling.emplace_back(index, v);
            };
            for (; i < obs.size() && obs[i].k == k; ++i) {
                const Observation& o = obs[i];
                const double a = kTwoPi * order(o.h), w = o.weight;
                const std::size_t cols[3] = {o.node, o.node + 1, B + std::size_t(o.h)};
                const double c[3] = {1.0 - o.share, o.share, 1.0};
                nt += w * a * a;
                bt += w * a * o.phase;
                for (int p = 0; p < 3; ++p) {
                    couple(cols[p], w * a * c[p]);
                    rhs[cols[p]] += w * c[p] * o.phase;
                    for (int q = 0; q < 3; ++q)
                        add(cols[p], cols[q], w * c[p] * c[q]);
                }
            }
            nTheta[k] = nt;
            bTheta[k] = bt;
            // Schur complement: the crank angle of this window eliminated.
            for (const auto& [p, vp] : coupling) {
                rhs[p] -= vp * bt / nt;
                for (const auto& [q, vq] : coupling)
                    add(p, q, -vp * vq / nt);
            }
        }
        std::vector<double> x = rhs;
        if (!solveDense(S, x, P))
            break;
        for (std::size_t j = 0; j < B; ++j)
            path.response[j] += x[j];
        for (std::size_t h = 0; h < H; ++h)
            path.offset[h] += x[B + h];
        // Back to each window's crank angle; the residuals for the next weights.
        i = 0;
        while (i < obs.size()) {
            const std::size_t k = obs[i].k;
            double t = bTheta[k];
            const std::size_t first = i;
            for (; i < obs.size() && obs[i].k == k; ++i) {
                const Observation& o = obs[i];
                const double a = kTwoPi * order(o.h), w = o.weight;
                t -= w * a * ((1.0 - o.share) * x[o.node] + o.share * x[o.node + 1] + x[B + std::size_t(o.h)]);
            }
            const double dTheta = t / nTheta[k];
            crank[k] += dTheta;
            for (std::size_t j = first; j < i; ++j) {
                const Observation& o = obs[j];
                const double a = kTwoPi * order(o.h);
                const double fitted =
                    a * dTheta + (1.0 - o.share) * x[o.node] + o.share * x[o.node + 1] + x[B + std::size_t(o.h)];
                // Against the crank the other harmonics give: a harmonic
                // that alone sets the window's angle would otherwise fit it
                // exactly and weigh ever more.
                const double leverage = std::min(0.9, o.weight * a * a / nTheta[k]);
                residual[j] = std::remainder(o.phase - fitted, kTwoPi) / (1.0 - leverage);
            }
        }
        path.measured = true;
        weigh(false);
    }
    if (halves) {
        phasesAgainstModel(false);
        for (int s = 0; s < 2; ++s)
            (*halves)[std::size_t(s)] = crank;
        std::size_t i = 0;
        while (i < obs.size()) {
            const std::size_t k = obs[i].k;
            double num[2] = {0, 0}, den[2] = {kRidge, kRidge};
            for (; i < obs.size() && obs[i].k == k; ++i) {
                const Observation& o = obs[i];
                const double a = kTwoPi * order(o.h);
                num[o.h % 2] += o.weight * a * std::remainder(o.phase, kTwoPi);
                den[o.h % 2] += o.weight * a * a;
            }
            for (int s = 0; s < 2; ++s)
                if (den[s] > kRidge)
                    (*halves)[std::size_t(s)][k] += num[s] / den[s];
        }
    }
    {
        std::vector<double> sd;
        for (std::size_t k = 1; k + 1 < K; ++k)
            if (nTheta[k] > 1.0)
                sd.push_back(1.0 / std::sqrt(nTheta[k]));
        if (!sd.empty()) {
            std::nth_element(sd.begin(), sd.begin() + std::ptrdiff_t(sd.size() / 2), sd.end());
            spread = sd[sd.size() / 2];
        }
    }
    return crank;
}

}  // namespace

std::string lostStretchText(const SoundStretch& stretch)
{
    return tx("EngineSoundTracker", "the firing can't be followed from %1 s to %2 s")
        .arg(secondsText(stretch.start))
        .arg(secondsText(stretch.end));
}

std::string coveredStretchText(const SoundStretch& stretch)
{
    return tx("EngineSoundTracker",
              "something louder than the engine covers it from %1 s to %2 s: the track there holds to the engine's run")
        .arg(secondsText(stretch.start))
        .arg(secondsText(stretch.end));
}

namespace {

// The tracking of `samples` on frames `tens` times 10 ms apart; `offset` (s)
// is where they begin in the recording, added to every time it gives.
Result<SoundTrack> trackFrames(std::span<const float> samples, double rate, const SoundSettings& settings,
                               const ProgressCheck& proceed, int tens, double offset)
{
    // The salience and the path over every frame take most of the time; the
    // refinement of the pull the rest.
    const auto stopped = [&](double fraction) { return proceed && !proceed(fraction); };
    const auto cancelled = [] { return Failure{tx("EngineSoundTracker", "cancelled")}; };
    constexpr double kPathShare = 0.75;
    if (!(rate >= 4000))
        return Failure{
            tx("EngineSoundTracker", "the recording's rate is under 4 000 Hz: too low to hear the engine's harmonics")};
    if (settings.cylinders < 1 || settings.cylinders > 16 || (settings.strokes != 2 && settings.strokes != 4))
        return Failure{tx("EngineSoundTracker", "the engine must have 1 to 16 cylinders and 2 or 4 strokes")};
    if (!(settings.minRpm >= 100) || !(settings.maxRpm <= 30000) || !(settings.maxRpm >= settings.minRpm * 1.5))
        return Failure{
            tx("EngineSoundTracker",
               "the engine-speed range must lie within 100 to 30 000 rpm, its top at least 1,5 times its foot")};
    if (samples.size() < std::size_t(3.0 * rate))
        return Failure{tx("EngineSoundTracker", "the recording lasts under 3 s: too short for a pull")};
    double energy = 0;
    for (const float x : samples)
        energy += double(x) * x;
    if (!(energy / double(samples.size()) > 1e-9))
        return Failure{tx("EngineSoundTracker", "the recording is silent")};

    SoundTrack track;
    track.firingsPerRev = settings.cylinders * 2.0 / settings.strokes;
    const double revsPerCycle = settings.strokes / 2.0;
    // Everything the tracking needs lies under 2,5 kHz.
    const int factor = std::max(1, static_cast<int>(rate / 5000.0));
    const double low = rate / factor;
    // At the tracker's rate already (as the sound's reading gives it), the
    // samples are read where they lie: an hour's copy would be 77 MB.
    std::vector<float> decimated = factor > 1 ? decimate(samples, factor) : std::vector<float>{};
    std::span<const float> y = factor > 1 ? std::span<const float>(decimated) : samples;
    // Steady lines (hum) out first: only then is the engine alone in its
    // band. Samples read where they lie are copied for it.
    const std::vector<SteadyLine> steady =
        findSteadyLines(y, low, kSteadyLowestHz, std::min(kSteadyHighestHz, 0.45 * low));
    if (!steady.empty()) {
        if (factor == 1)
            decimated.assign(samples.begin(), samples.end());
        removeSteadyLines(decimated, low, steady);
        y = decimated;
        for (const SteadyLine& line : steady)
            track.steadyLinesHz.push_back(line.hz);
    }

    const int window = std::max(64, static_cast<int>(std::lround(0.186 * low)));
    int fftSize = 1;
    while (fftSize < 4 * window)
        fftSize *= 2;
    const double binHz = low / fftSize;
    // The paths' limits are per 10 ms, whatever the frames.
    track.frameSeconds = 0.01 * tens;
    const int hop = std::max(1, static_cast<int>(std::lround(track.frameSeconds * low)));
    track.frameSeconds = hop / low;
    track.firstFrame = 0.5 * window / low;
    const std::size_t frames = y.size() >= std::size_t(window) ? (y.size() - window) / hop + 1 : 0;
    if (frames < 3)
        return Failure{tx("EngineSoundTracker", "the recording lasts under 3 s: too short for a pull")};

    // Candidate engine speeds and, for each, the bins of its harmonics and of
    // the points half way between them (fractional, for interpolation).
    const int candidates =
        static_cast<int>(std::floor(std::log(settings.maxRpm / settings.minRpm) / std::log1p(kGridStep))) + 1;
    std::vector<double> rpmOf(static_cast<std::size_t>(candidates));
    for (int c = 0; c < candidates; ++c)
        rpmOf[std::size_t(c)] = settings.minRpm * std::pow(1 + kGridStep, c);
    const double highest = std::min(kHighestHz, 0.45 * low);
    std::vector<std::vector<float>> onBins(static_cast<std::size_t>(candidates)),
        betweenBins(static_cast<std::size_t>(candidates));
    for (int c = 0; c < candidates; ++c) {
        const double firing = rpmOf[std::size_t(c)] / physics::kSecondsPerMinute * track.firingsPerRev;
        // Every candidate is scored over the same band: a quarter of the true
        // speed, whose harmonics take in the lines a weak cylinder puts at
        // each order of the engine's cycle, would otherwise be judged on the
        // strong low end alone and win.
        for (int h = 1; h <= kSalienceHarmonics && h * firing <= highest; ++h) {
            onBins[std::size_t(c)].push_back(static_cast<float>(h * firing / binHz));
            betweenBins[std::size_t(c)].push_back(static_cast<float>((h - 0.5) * firing / binHz));
        }
        if (onBins[std::size_t(c)].empty())
            return Failure{tx("EngineSoundTracker",
                              "the top of the engine-speed range fires above %1 Hz: lower it, or check the cylinders "
                              "and strokes")
                               .arg(formatPattern(highest, Pattern::Whole))};
    }

    // The points read, each as its bin and the fraction of the way to the
    // next, worked out once: candidate c reads its harmonics' points from
    // readFirst[c] on, the on-harmonic and half-way points in turn.
    struct ReadPoint {
        std::uint32_t bin;
        float fraction;
    };
    std::vector<ReadPoint> readPoints;
    std::vector<std::size_t> readFirst(static_cast<std::size_t>(candidates) + 1, 0);
    for (int c = 0; c < candidates; ++c) {
        const auto& on = onBins[std::size_t(c)];
        const auto& between = betweenBins[std::size_t(c)];
        for (std::size_t h = 0; h < on.size(); ++h)
            for (const float bin : {on[h], between[h]}) {
                const auto k = static_cast<std::uint32_t>(bin);
                readPoints.push_back({k, bin - float(k)});
            }
        readFirst[std::size_t(c) + 1] = readPoints.size();
    }
    // The cost of each move, -kLargestMove ... kLargestMove grid steps.
    std::array<double, 2 * kLargestMove + 1> costOf{};
    for (int m = -kLargestMove; m <= kLargestMove; ++m)
        costOf[std::size_t(m + kLargestMove)] = moveCost(m, tens);

    PowerSpectrum spectrum(fftSize);
    if (!spectrum.ready())
        return Failure{tx("EngineSoundTracker", "the Fourier transform could not be set up")};
    std::vector<float> hann(static_cast<std::size_t>(window));
    for (int k = 0; k < window; ++k)
        hann[std::size_t(k)] = static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * (k + 0.5) / window));

    // Forward pass of the Viterbi path, one frame at a time; each frame keeps
    // its scores (quantised to a byte) and the move that led to each candidate.
    std::vector<std::uint8_t> scores(frames * std::size_t(candidates));
    // The moves, -4 ... +4 grid steps, two to a byte: a 60-minute recording
    // keeps 40 MB of them.
    std::vector<std::uint8_t> moves((frames * std::size_t(candidates) + 1) / 2, 0);
    const auto storeMove = [&](std::size_t at, int move) {
        const auto nibble = static_cast<std::uint8_t>(move + kLargestMove);
        moves[at / 2] = static_cast<std::uint8_t>(at % 2 ? (moves[at / 2] & 0x0f) | (nibble << 4)
                                                         : (moves[at / 2] & 0xf0) | nibble);
    };
    const auto moveAt = [&](std::size_t at) {
        return static_cast<int>(at % 2 ? moves[at / 2] >> 4 : moves[at / 2] & 0x0f) - kLargestMove;
    };
    std::vector<double> total(std::size_t(candidates), 0.0), next(static_cast<std::size_t>(candidates));
    std::vector<float> power, logPower, sorted;
    float noise = 0;  // the last frame's noise level, 0 before the first
    std::vector<double> frameScore(static_cast<std::size_t>(candidates)), best(static_cast<std::size_t>(candidates));
    std::vector<std::int8_t> bestMove(static_cast<std::size_t>(candidates));
    const auto lowBin = static_cast<std::size_t>(20.0 / binHz);
    const auto highBin = std::min(static_cast<std::size_t>(highest / binHz) + 2, std::size_t(fftSize / 2));
    for (std::size_t f = 0; f < frames; ++f) {
        if (f % 256 == 0 && stopped(kPathShare * double(f) / double(frames)))
            return cancelled();
        const std::span<float> in = spectrum.input();
        const float* x = y.data() + f * hop;
        for (int k = 0; k < window; ++k)
            in[std::size_t(k)] = x[k] * hann[std::size_t(k)];
        std::fill(in.begin() + window, in.end(), 0.0f);
        spectrum.powers(power, highBin + 2);
        // The frame's noise level: a low quantile of the band's powers (the
        // harmonics of a slow engine cover most of the band).
        const std::span<const float> band(power.data() + lowBin, highBin - lowBin);
        noise = valueAtRank(band, band.size() * 3 / 10, noise, sorted);
        const float floor = std::max(noise, 1e-20f);
        // Only the band the harmonics are read in (and the bin after it, for
        // the interpolation).
        logPower.resize(power.size());
        const float inverseFloor = 1.0f / floor;
        for (std::size_t k = 0; k <= highBin; ++k)
            logPower[k] = log1pOfNonNegative(power[k] * inverseFloor);
        const auto at = [&](const ReadPoint& p) {
            return logPower[p.bin] + p.fraction * (logPower[p.bin + 1] - logPower[p.bin]);
        };
        const double frameTime = track.firstFrame + double(f) * track.frameSeconds;
        const bool anchored =
            settings.anchorTime >= 0 && std::abs(frameTime - settings.anchorTime) < 0.5 * track.frameSeconds + 1e-9;
        for (int c = 0; c < candidates; ++c) {
            const std::size_t first = readFirst[std::size_t(c)], last = readFirst[std::size_t(c) + 1];
            double a = 0, b = 0;
            for (std::size_t i = first; i < last; i += 2) {
                a += at(readPoints[i]);
                b += at(readPoints[i + 1]);
            }
            const double s = (a - b) / double((last - first) / 2);
            frameScore[std::size_t(c)] = s;
            scores[f * std::size_t(candidates) + std::size_t(c)] =
                static_cast<std::uint8_t>(std::clamp((s + 2.0) / kScoreQuantum + 0.5, 0.0, 255.0));
            if (anchored && std::abs(std::log(rpmOf[std::size_t(c)] / settings.anchorRpm)) > 0.03)
                frameScore[std::size_t(c)] = -1e9;
        }
        // Each candidate's best way in, the moves taken in turn over every
        // candidate they reach (so the loop runs over whole rows), the
        // first of equal ones kept.
        std::fill(best.begin(), best.end(), f > 0 ? -1e300 : 0.0);
        std::fill(bestMove.begin(), bestMove.end(), 0);
        for (int m = -kLargestMove; f > 0 && m <= kLargestMove; ++m) {
            const double cost = costOf[std::size_t(m + kLargestMove)];
            const std::size_t from = std::size_t(std::max(0, m)), to = std::size_t(candidates + std::min(0, m));
            const double* source = total.data() - m;
            for (std::size_t c = from; c < to; ++c) {
                const double v = source[c] - cost;
                const bool better = v > best[c];
                best[c] = better ? v : best[c];
                bestMove[c] = better ? static_cast<std::int8_t>(m) : bestMove[c];
            }
        }
        for (int c = 0; c < candidates; ++c) {
            next[std::size_t(c)] = best[std::size_t(c)] + frameScore[std::size_t(c)];
            storeMove(f * std::size_t(candidates) + std::size_t(c), bestMove[std::size_t(c)]);
        }
        std::swap(total, next);
    }
    // Back along the best path.
    std::vector<int> path(frames);
    path.back() = static_cast<int>(std::max_element(total.begin(), total.end()) - total.begin());
    for (std::size_t f = frames - 1; f > 0; --f)
        path[f - 1] = path[f] - moveAt(f * std::size_t(candidates) + std::size_t(path[f]));
    track.rpm.resize(frames);
    track.confidenceDb.resize(frames);
    const double toDb = 10.0 / std::log(10.0);
    for (std::size_t f = 0; f < frames; ++f) {
        track.rpm[f] = static_cast<float>(rpmOf[std::size_t(path[f])]);
        const double s = scores[f * std::size_t(candidates) + std::size_t(path[f])] * kScoreQuantum - 2.0;
        track.confidenceDb[f] = static_cast<float>(s * toDb);
    }
    moves = {};

    // A cylinder much weaker than the others puts strong lines at the half
    // and quarter orders, and part way through a pull the free path may
    // fall onto them: to half the speed or a quarter within half a second,
    // which no engine does. Where the path so falls and its new line, times
    // two or four, carries on the speed it had (as the climb went), the
    // path from there is found again held near that multiple of it; the
    // engine's cycle is followed there on those lines (their contrast is
    // the confidence), the firing's harmonics then refine it as anywhere.
    // `heardBelow`: for each frame, the number of grid steps under the
    // path's candidate that the confidence is read at.
    std::vector<int> heardBelow(frames, 0);
    if (settings.anchorTime < 0) {
        const auto half = std::size_t(std::lround(0.5 / track.frameSeconds));
        const auto settle = std::size_t(std::lround(1.2 / track.frameSeconds));
        for (std::size_t f = 2 * half; f + settle < frames; ++f) {
            if (!(track.rpm[f] < 0.6 * track.rpm[f - half]))
                continue;
            // The speed before the fall, carried on at its climb, against
            // the new line well after it.
            const std::size_t a = f - half, b = f - 2 * half;
            const double before = track.rpm[a], climb = (track.rpm[a] - track.rpm[b]) / double(half);
            const double expected = before + climb * double(f + settle - a);
            double ratio = 0;
            for (const double n : {2.0, 4.0})
                if (std::abs(std::log(n * track.rpm[f + settle] / expected)) < 0.1)
                    ratio = n;
            if (ratio == 0 || expected > settings.maxRpm)
                break;
            // Where the new line lies under the range (the path held at its
            // foot), the climb carried on stands in for it.
            std::vector<double> centre(frames);
            for (std::size_t g = 0; g < frames; ++g)
                centre[g] = g < f                                   ? double(track.rpm[g])
                            : track.rpm[g] > settings.minRpm * 1.01 ? ratio * track.rpm[g]
                                                                    : before + climb * (double(g) - double(a));
            const std::vector<int> held = bandPath(scores, candidates, a, frames - 1, centre, settings.minRpm, tens);
            const int below = static_cast<int>(std::lround(std::log(ratio) / std::log1p(kGridStep)));
            for (std::size_t g = a; g < frames; ++g) {
                const int c = held[g - a];
                track.rpm[g] = static_cast<float>(rpmOf[std::size_t(c)]);
                if (g >= f)
                    heardBelow[g] = below;
                const int at = std::max(0, c - heardBelow[g]);
                const double sc = scores[g * std::size_t(candidates) + std::size_t(at)] * kScoreQuantum - 2.0;
                track.confidenceDb[g] = static_cast<float>(sc * toDb);
            }
            break;
        }
    }
    if (stopped(kPathShare))
        return cancelled();
    // The confidence, smoothed over 0,2 s, decides what is followed.
    const auto span = static_cast<std::ptrdiff_t>(std::lround(0.1 / track.frameSeconds));
    std::vector<float> conf(frames);
    const auto smoothConfidence = [&] {
        std::vector<double> sum(frames + 1, 0.0);
        for (std::size_t f = 0; f < frames; ++f)
            sum[f + 1] = sum[f] + track.confidenceDb[f];
        for (std::size_t f = 0; f < frames; ++f) {
            const std::size_t a = std::size_t(std::max<std::ptrdiff_t>(0, std::ptrdiff_t(f) - span));
            const std::size_t b = std::min(frames, f + std::size_t(span) + 1);
            conf[f] = static_cast<float>((sum[b] - sum[a]) / double(b - a));
        }
    };
    smoothConfidence();
    std::vector<float> sortedConf(conf);
    std::nth_element(sortedConf.begin(), sortedConf.begin() + std::ptrdiff_t(frames / 2), sortedConf.end());
    if (sortedConf[frames / 2] < kNoEngineDb)
        return Failure{tx("EngineSoundTracker", "no engine firing is heard in the recording (harmonic contrast %1 dB): "
                                                "check that it holds the engine, and the cylinders and strokes")
                           .arg(formatPattern(sortedConf[frames / 2], Pattern::OneDecimal))};

    // The pull: the highest speed reached on the way up, back to where the
    // speed began to climb at the pull's own pace. It is found on the
    // running median (over a second) of the followed frames: a voice or a
    // whine that takes the path for a few tenths of a second does not move
    // it, and on a speed that only rises the median is the speed itself.
    const std::vector<double> smooth =
        runningMedian(track.rpm, conf, std::size_t(std::lround(0.5 / track.frameSeconds)));
    const auto slopeStep = std::size_t(std::lround(0.2 / track.frameSeconds));
    std::vector<double> slope(frames, 0.0);  // rpm/s
    for (std::size_t f = slopeStep; f + slopeStep < frames; ++f)
        slope[f] = (smooth[f + slopeStep] - smooth[f - slopeStep]) / (2.0 * slopeStep * track.frameSeconds);
    // Every climbing stretch, the one that gains the most speed. A climb
    // starts where the speed rises by 2 % a second; it goes on as long as
    // the speed does not fall 1,5 % below the highest it reached (in a high
    // gear near the top the engine gains well under 1 % a second), nor stands
    // still for 3 s: the throttle closing ends it.
    std::size_t bestStart = 0, bestEnd = 0;
    double bestGain = 0;
    const auto still = std::size_t(std::lround(3.0 / track.frameSeconds));
    for (std::size_t f = 0; f < frames;) {
        if (!(slope[f] > 0.02 * smooth[f])) {
            ++f;
            continue;
        }
        std::size_t g = f, top = f;
        for (std::size_t h = f + 1; h < frames && h - top <= still && smooth[h] >= 0.985 * smooth[top]; ++h) {
            // A frame whose firing is not followed neither carries the climb
            // on nor ends it: past the lift, the path may hold the top or
            // climb over the car's own sounds while the engine falls away.
            if (conf[h] < kLostBelowDb)
                continue;
            if (smooth[h] >= smooth[top]) {
                if (smooth[h] > smooth[top])
                    top = h;
                g = h;
            }
        }
        const double gain = smooth[g] - smooth[f];
        if (gain > bestGain) {
            bestGain = gain;
            bestStart = f;
            bestEnd = g;
        }
        f = g + 1;
    }
    if (bestEnd <= bestStart)
        return Failure{
            tx("EngineSoundTracker", "no pull is heard in the recording: the engine speed never climbs for long")};

    // In the pull the engine speed is the car's: it changes smoothly, by
    // far less than the free path allows. The path is found again there,
    // held within 2 % of the running median and moving at most one step
    // (0,5 %) a frame, so that a voice or a whine louder than the engine
    // for a moment cannot take it. Where the free path had left for
    // something else, the stretch is named: the engine was covered there.
    // A path the user anchored on a line of their choosing is theirs: it is
    // left as the anchor made it.
    if (settings.anchorTime < 0) {
        const auto margin = std::size_t(std::lround(1.0 / track.frameSeconds));
        const std::size_t first = bestStart >= margin ? bestStart - margin : 0;
        const std::size_t last = std::min(frames - 1, bestEnd + margin);
        const std::vector<int> held = bandPath(scores, candidates, first, last, smooth, settings.minRpm, tens);
        std::vector<bool> covered(frames, false);
        for (std::size_t f = first; f <= last; ++f) {
            const int c = held[f - first];
            const double rpm = rpmOf[std::size_t(c)];
            covered[f] = std::abs(track.rpm[f] - rpm) > 0.02 * rpm;
            track.rpm[f] = static_cast<float>(rpm);
            const int at = std::max(0, c - heardBelow[f]);
            const double sc = scores[f * std::size_t(candidates) + std::size_t(at)] * kScoreQuantum - 2.0;
            track.confidenceDb[f] = static_cast<float>(sc * toDb);
        }
        smoothConfidence();
        for (std::size_t f = first; f <= last; ++f) {
            if (!covered[f])
                continue;
            const double t = track.firstFrame + double(f) * track.frameSeconds;
            if (!track.covered.empty() && t - track.covered.back().end < 0.3)
                track.covered.back().end = t;
            else
                track.covered.push_back({t, t});
        }
    }
    scores = {};
    // The throttle's opening on the path so held, smoothed over 0,3 s.
    {
        std::vector<double> sum(frames + 1, 0.0);
        for (std::size_t f = 0; f < frames; ++f)
            sum[f + 1] = sum[f] + track.rpm[f];
        const auto half = std::ptrdiff_t(std::lround(0.15 / track.frameSeconds));
        std::vector<double> mean(frames);
        for (std::size_t f = 0; f < frames; ++f) {
            const std::size_t a = std::size_t(std::max<std::ptrdiff_t>(0, std::ptrdiff_t(f) - half));
            const std::size_t b = std::min(frames, f + std::size_t(half) + 1);
            mean[f] = (sum[b] - sum[a]) / double(b - a);
        }
        for (std::size_t f = slopeStep; f + slopeStep < frames; ++f)
            slope[f] = (mean[f + slopeStep] - mean[f - slopeStep]) / (2.0 * slopeStep * track.frameSeconds);
    }
    // Its own pace: the median slope of its middle half; the start is where
    // the slope last stood under 40 % of it, the end the highest speed.
    std::vector<double> middle(slope.begin() + std::ptrdiff_t(bestStart + (bestEnd - bestStart) / 4),
                               slope.begin() + std::ptrdiff_t(bestEnd - (bestEnd - bestStart) / 4 + 1));
    std::nth_element(middle.begin(), middle.begin() + std::ptrdiff_t(middle.size() / 2), middle.end());
    const double pace = middle[middle.size() / 2];
    std::size_t start = bestStart;
    while (start < bestEnd && slope[start] < 0.4 * pace)
        ++start;
    // Part throttle may creep up before the pull: the throttle opening is
    // where the climb's pace steps up, the latest of the steps that come
    // near the largest (at least a third of the pull's pace).
    {
        const auto w = std::size_t(std::lround(0.25 / track.frameSeconds));
        const std::size_t first = std::max(bestStart >= w ? bestStart - w : 0, w);
        const std::size_t last = std::min(frames - w - 1, bestStart + (bestEnd - bestStart) / 2);
        const auto jump = [&](std::size_t f) { return slope[f + w] - slope[f - w]; };
        double largest = 0;
        for (std::size_t f = first; f < last; ++f)
            largest = std::max(largest, jump(f));
        if (largest > 0.3 * pace) {
            for (std::size_t f = last; f-- > first + 1;) {
                if (jump(f) >= 0.6 * largest && jump(f) >= jump(f - 1) && jump(f) >= jump(f + 1)) {
                    start = f;
                    break;
                }
            }
        }
    }
    // The end: the last frame at the highest speed of the climb, less any
    // frames at its end (a second at most) where the firing held to is no
    // longer followed: the engine falling away at the lift.
    std::size_t end = bestEnd;
    while (end > start && bestEnd - end < std::size_t(std::lround(1.0 / track.frameSeconds)) &&
           conf[end] < kLostBelowDb)
        --end;
    const auto frameTime = [&](std::size_t f) { return track.firstFrame + double(f) * track.frameSeconds; };
    // The throttle's opening and closing are corners the engine speed turns
    // within a few tens of milliseconds: leave them out.
    track.pullStart = frameTime(start) + 0.05;
    track.pullEnd = frameTime(end) - 0.25;
    if (track.pullEnd - track.pullStart < 3.0)
        return Failure{tx("EngineSoundTracker", "the pull lasts %1 s, under the 3 s a curve needs: if it was longer, "
                                                "widen the engine-speed range, or check the cylinders and strokes")
                           .arg(formatPattern(std::max(0.0, track.pullEnd - track.pullStart), Pattern::OneDecimal))};

    if (stopped(kPathShare + 0.05))
        return cancelled();
    // Refinement: the reference cycle phase from the path, linear between
    // frame centres, then the firing harmonics demodulated cycle by cycle.
    const double cycleFactor = 1.0 / physics::kSecondsPerMinute / revsPerCycle;  // cycles per second per rpm
    const int F = settings.cylinders;                      // firings per cycle
    // Only the pull and a little either side are refined: the acoustic
    // path's response is measured on the pull alone (the part throttle
    // before it and what follows the lift would blur it), and a long
    // recording holds no more of this than its pull needs. `cycles` counts
    // from the first refined sample, `n0`.
    const auto n0 = static_cast<std::size_t>(std::max(0.0, (track.pullStart - kRefineMargin) * low));
    const std::size_t ny = std::min(y.size(), static_cast<std::size_t>((track.pullEnd + kRefineMargin) * low)) - n0;
    const float* yp = y.data() + n0;
    std::vector<double> cycles(ny + 1, 0.0);
    {
        const auto rpmAt = [&](double t) {
            const double u = (t - track.firstFrame) / track.frameSeconds;
            if (u <= 0)
                return double(track.rpm.front());
            const auto j = static_cast<std::size_t>(u);
            if (j + 1 >= frames)
                return double(track.rpm.back());
            return track.rpm[j] + (u - j) * (track.rpm[j + 1] - track.rpm[j]);
        };
        for (std::size_t n = 0; n < ny; ++n)
            cycles[n + 1] = cycles[n] + rpmAt((double(n0 + n) + 0.5) / low) * cycleFactor / low;
    }
    // The harmonics the crank is read from: under 2 kHz (above, a fast pull
    // smears them within a cycle) and under the rate's limit.
    const double top = std::min(0.45 * low, 2000.0);
    std::vector<CycleHarmonics> z = demodulate(yp, cycles, F);
    std::vector<double> cycleTime = wholeCycleTimes(cycles, n0, low);
    // Cycles per second of each window.
    const auto cycleRates = [](const std::vector<double>& times) {
        std::vector<double> out(times.size(), 0.0);
        for (std::size_t k = 0; k + 1 < times.size(); ++k)
            out[k] = 1.0 / std::max(1e-6, times[k + 1] - times[k]);
        if (out.size() >= 2)
            out.back() = out[out.size() - 2];
        return out;
    };
    std::vector<double> fcyc = cycleRates(cycleTime);
    std::size_t lastCycle = cycleTime.size() - 1;
    {
        // The pull (and with it the virtual sparks) never runs past the
        // lift. It is looked for up to the end of what is refined: the path's
        // end can lie just past it, with too few cycles after it inside the
        // pull to tell. Not where that would leave under 3 s of pull.
        const double lift = liftTime(z, cycleTime, track.pullEnd + kRefineMargin);
        if (lift < track.pullEnd && lift - track.pullStart >= 3.0)
            track.pullEnd = lift;
    }
    // A first crank angle: the change of the harmonics' phases from one
    // window to the next, weighted by their strength and order, summed.
    std::vector<double> correction(lastCycle + 1, 0.0);
    std::array<std::vector<double>, 2> keptHalves;
    int usedMost = 0;
    for (std::size_t k = 1; k + 1 <= lastCycle; ++k) {
        const double fcyc = 1.0 / std::max(1e-6, cycleTime[k + 1] - cycleTime[k]);
        double num = 0, den = 0;
        int used = 0;
        for (int h = 0; h < kMostHarmonics; ++h) {
            const double m = double(F) * (h + 1);
            if (m * fcyc > 0.45 * low || m * fcyc > 2000.0)
                break;
            const std::complex<double> a = z[k - 1][std::size_t(h)], b = z[k][std::size_t(h)];
            const double w = m * m * std::abs(a) * std::abs(b);
            num += w * std::arg(b * std::conj(a)) / (kTwoPi * m);
            den += w;
            ++used;
        }
        usedMost = std::max(usedMost, used);
        correction[k] = correction[k - 1] + (den > 0 ? num / den : 0.0);
    }
    correction[lastCycle] = correction[lastCycle > 0 ? lastCycle - 1 : 0];
    const std::vector<double> walk = correction;

    // The sound reaches the microphone through the exhaust's and the body's
    // resonances, which turn each harmonic's phase by an amount that depends
    // on its frequency: as a harmonic sweeps through a resonance during the
    // pull, its phase turns, and the crank would seem to speed up and slow
    // down. That phase response is one function of frequency shared by every
    // harmonic (the harmonics pass the same frequencies at different
    // moments), while a true change of the crank's angle turns harmonic m by
    // m times as much: so the response is measured from the residual phases
    // of all harmonics together, binned by frequency, and taken out.
    {
        constexpr double kBinHz = 5.0;
        const int bins = static_cast<int>(0.5 * low / kBinHz) + 2;
        const std::size_t K = lastCycle;
        std::vector<double> fcycOf(K + 1, 0.0);
        for (std::size_t k = 1; k + 1 <= K; ++k)
            fcycOf[k] = 1.0 / std::max(1e-6, cycleTime[k + 1] - cycleTime[k]);
        // Residual phase of every harmonic against the refined crank, unwrapped along the cycles.
        std::vector<std::vector<double>> residual(std::size_t(kMostHarmonics), std::vector<double>(K + 1, 0.0));
        std::vector<std::vector<double>> weight(std::size_t(kMostHarmonics), std::vector<double>(K + 1, 0.0));
        for (int h = 0; h < usedMost; ++h) {
            const double m = double(F) * (h + 1);
            double previous = 0;
            bool started = false;
            for (std::size_t k = 1; k + 1 <= K; ++k) {
                if (m * fcycOf[k] > 0.45 * low || m * fcycOf[k] > 2000.0)
                    continue;
                const std::complex<double> v = z[k][std::size_t(h)] * std::polar(1.0, -kTwoPi * m * correction[k]);
                double r = std::arg(v);
                if (started)
                    r += kTwoPi * std::round((previous - r) / kTwoPi);
                previous = r;
                started = true;
                residual[std::size_t(h)][k] = r;
                weight[std::size_t(h)][k] = std::norm(v) * m * m;
            }
        }
        std::vector<double> offset(static_cast<std::size_t>(kMostHarmonics), 0.0),
            response(static_cast<std::size_t>(bins), 0.0);
        const auto binOf = [&](double hz) { return std::min(bins - 1, static_cast<int>(hz / kBinHz)); };
        for (int round = 0; round < 4; ++round) {
            std::vector<double> sum(std::size_t(bins), 0.0), sumW(std::size_t(bins), 0.0);
            for (int h = 0; h < usedMost; ++h)
                for (std::size_t k = 1; k + 1 <= K; ++k) {
                    const double w = weight[std::size_t(h)][k];
                    if (w <= 0)
                        continue;
                    const int b = binOf(double(F) * (h + 1) * fcycOf[k]);
                    sum[std::size_t(b)] += w * (residual[std::size_t(h)][k] - offset[std::size_t(h)]);
                    sumW[std::size_t(b)] += w;
                }
            for (int b = 0; b < bins; ++b)
                response[std::size_t(b)] = sumW[std::size_t(b)] > 0 ? sum[std::size_t(b)] / sumW[std::size_t(b)] : 0.0;
            for (int h = 0; h < usedMost; ++h) {
                double a = 0, aw = 0;
                for (std::size_t k = 1; k + 1 <= K; ++k) {
                    const double w = weight[std::size_t(h)][k];
                    if (w <= 0)
                        continue;
                    a += w *
                         (residual[std::size_t(h)][k] - response[std::size_t(binOf(double(F) * (h + 1) * fcycOf[k]))]);
                    aw += w;
                }
                offset[std::size_t(h)] = aw > 0 ? a / aw : 0.0;
            }
        }
        // The crank's own share of what is left, harmonic by harmonic, as
        // before; the response between bin centres is read linearly.
        const auto responseAt = [&](double hz) {
            const double u = hz / kBinHz - 0.5;
            const int b = std::clamp(static_cast<int>(std::floor(u)), 0, bins - 2);
            const double f = std::clamp(u - b, 0.0, 1.0);
            return response[std::size_t(b)] + f * (response[std::size_t(b + 1)] - response[std::size_t(b)]);
        };
        // A harmonic that disagrees with the others (a voice or a whine
        // crossing it) loses its weight: a few rounds of reweighting, a
        // harmonic 0,05 cycle of its own off the consensus counting half.
        std::vector<double> left(static_cast<std::size_t>(kMostHarmonics));
        for (int s = 0; s < 2; ++s)
            keptHalves[std::size_t(s)] = correction;
        for (std::size_t k = 1; k + 1 <= K; ++k) {
            double estimate = 0;
            double halfNum[2] = {0, 0}, halfDen[2] = {0, 0};
            for (int round = 0; round < 4; ++round) {
                double num = 0, den = 0;
                for (int h = 0; h < usedMost; ++h) {
                    double w = weight[std::size_t(h)][k];
                    if (w <= 0)
                        continue;
                    const double m = double(F) * (h + 1);
                    left[std::size_t(h)] =
                        (residual[std::size_t(h)][k] - offset[std::size_t(h)] - responseAt(m * fcycOf[k])) /
                        (kTwoPi * m);
                    if (round > 0) {
                        const double off = m * (left[std::size_t(h)] - estimate) / 0.05;
                        w /= 1.0 + off * off;
                    }
                    num += w * left[std::size_t(h)];
                    den += w;
                    if (round == 3) {
                        halfNum[h % 2] += w * left[std::size_t(h)];
                        halfDen[h % 2] += w;
                    }
                }
                if (den <= 0)
                    break;
                estimate = num / den;
            }
            for (int s = 0; s < 2; ++s)
                keptHalves[std::size_t(s)][k] += halfDen[s] > 0 ? halfNum[s] / halfDen[s] : estimate;
            correction[k] += estimate;
        }
    }
    // That refinement holds the crank while it measures the response, and
    // the response while it reads the crank: where the two trade against
    // each other the crank keeps a slow wander of a few hundredths of a
    // cycle, which the power follows. The crank solve measures both at once
    // from the first angle (solveCrank); it is taken where it reads each
    // window's angle well enough (kSolvedSpread), the reference then moved
    // onto the crank it found and the solve made once more, and kept where
    // the precise fit follows its sparks at least as closely as the
    // steadier refinement's.
    int used = usedMost;
    double spread = HUGE_VAL;
    AcousticPath acousticPath;
    if (stopped(0.85))
        return cancelled();
    std::vector<double> solved = solveCrank(z, fcyc, F, top, walk, acousticPath, used, spread);
    if (stopped(0.9))
        return cancelled();
    track.sparksPerRev = settings.strokes == 4 ? 0.5f : 2.0f;
    const int perCycle = settings.strokes == 4 ? 1 : 2;
    track.virtualSparks = virtualSparksOf(cycleTime, correction, perCycle, track.pullStart, track.pullEnd);
    track.timingNoise = crankReadNoise(cycleTime, keptHalves, track.pullStart, track.pullEnd);
    const auto doubt = [&](const std::vector<double>& v, double noise) {
        const auto fit =
            preciseCurve(v, {.sparksPerRev = track.sparksPerRev, .sampleRate = 0.0, .leastTimingNoise = noise});
        return fit && std::isfinite(fit->powerUncertaintyPct) ? fit->powerUncertaintyPct : HUGE_VAL;
    };
    double plainDoubt = -1;
    const auto refineFrom = [&](const std::vector<double>& solved, AcousticPath& acousticPath, int most) {
        // The reference moved onto the crank so found (its angle smoothed
        // over five windows) and the harmonics demodulated again along it:
        // each window is then one true cycle (the lines of the cycle's
        // other orders, strong with a weak cylinder, stay out of the
        // harmonics), and the acoustic path found is kept.
        std::vector<double> smooth(solved.size(), 0.0);
        for (std::size_t k = 0; k < solved.size(); ++k) {
            const std::size_t a = k >= 2 ? k - 2 : 0, b = std::min(solved.size(), k + 3);
            smooth[k] = std::accumulate(solved.begin() + std::ptrdiff_t(a), solved.begin() + std::ptrdiff_t(b), 0.0) /
                        double(b - a);
        }
        const auto angleAt = [&](double c) {
            const double u = std::clamp(c, 0.0, double(smooth.size() - 1));
            const auto k = std::min(static_cast<std::size_t>(u), smooth.size() - 1);
            const double f = u - double(k);
            return k + 1 < smooth.size() ? smooth[k] + f * (smooth[k + 1] - smooth[k]) : smooth[k];
        };
        std::vector<double> moved = cycles;
        for (double& c : moved)
            c += angleAt(c);
        const double first = moved.front();
        for (double& c : moved)
            c -= first;
        const std::vector<CycleHarmonics> again = demodulate(yp, moved, F);
        std::vector<double> movedTime = wholeCycleTimes(moved, n0, low);
        int solvedHarmonics = used;
        double movedSpread = 0;
        std::array<std::vector<double>, 2> halves;
        std::vector<double> angle =
            solveCrank(again, cycleRates(movedTime), F, top, std::vector<double>(movedTime.size(), 0.0), acousticPath,
                       solvedHarmonics, movedSpread, most, &halves);
        // Taken only where the precise fit follows its sparks at least as
        // closely as those of the refinement above: a solve that went astray
        // (a slip of a harmonic's phase it could not undo) wanders, and the
        // fit's stated uncertainty says so. Near the engine (all the
        // harmonics solved) it reads the crank two to five times more
        // steadily than the refinement, its odd and even harmonics agreeing
        // the closer: an uncertainty within 5 % of the refinement's is no
        // sign against it there.
        std::vector<double> sparks = virtualSparksOf(movedTime, angle, perCycle, track.pullStart, track.pullEnd);
        if (plainDoubt < 0)
            plainDoubt = doubt(track.virtualSparks, track.timingNoise);
        const double solvedNoise = crankReadNoise(movedTime, halves, track.pullStart, track.pullEnd);
        const double solvedDoubt = doubt(sparks, solvedNoise);
        const double tolerance = most == kSolvedHarmonics ? 1.05 : 1.0;
        if (solvedDoubt < plainDoubt * tolerance || (solvedDoubt == plainDoubt && std::isfinite(solvedDoubt))) {
            track.timingNoise = solvedNoise;
            plainDoubt = solvedDoubt;
            track.virtualSparks = std::move(sparks);
            cycles = std::move(moved);
            cycleTime = std::move(movedTime);
            correction = std::move(angle);
            lastCycle = cycleTime.size() - 1;
            used = solvedHarmonics;
        }
    };
    if (spread <= kSolvedSpread) {
        refineFrom(solved, acousticPath, kSolvedHarmonics);
    } else {
        // Farther from the engine (a cabin) the highest harmonics are the
        // whine's and the wind's: the solve is tried on the lowest ones.
        AcousticPath lowPath;
        int lowUsed = 0;
        double lowSpread = 0;
        const std::vector<double> low6 = solveCrank(z, fcyc, F, top, walk, lowPath, lowUsed, lowSpread, kFarHarmonics);
        refineFrom(low6, lowPath, kFarHarmonics);
    }
    track.harmonics = used;
    if (stopped(0.98))
        return cancelled();

    // What was followed inside the pull.
    const auto firstPull =
        static_cast<std::size_t>(std::max(0.0, (track.pullStart - track.firstFrame) / track.frameSeconds));
    const auto lastPull =
        std::min(frames - 1, static_cast<std::size_t>((track.pullEnd - track.firstFrame) / track.frameSeconds));
    // The refinement must agree with the path it refines: the speed from
    // each interval of the virtual sparks, the median of five intervals, is
    // held against the path's. Where they part by more than 1,5 % (three
    // grid steps), the harmonics' phases were taken by something else
    // (a voice across them) and the crank's angle there is not known.
    std::vector<bool> astray(frames, false);
    {
        const double revsPerSpark = 1.0 / track.sparksPerRev;
        const auto& v = track.virtualSparks;
        std::vector<double> speeds;
        for (std::size_t i = 1; i < v.size(); ++i)
            speeds.push_back(physics::kSecondsPerMinute * revsPerSpark / std::max(1e-9, v[i] - v[i - 1]));
        for (std::size_t i = 0; i < speeds.size(); ++i) {
            const std::size_t a = i >= 2 ? i - 2 : 0, b = std::min(speeds.size(), i + 3);
            std::array<double, 5> near{};
            std::copy(speeds.begin() + std::ptrdiff_t(a), speeds.begin() + std::ptrdiff_t(b), near.begin());
            const std::size_t n = b - a;
            std::nth_element(near.begin(), near.begin() + std::ptrdiff_t(n / 2), near.begin() + std::ptrdiff_t(n));
            const double refined = near[n / 2];
            const double mid = 0.5 * (v[i] + v[i + 1]);
            const auto f = static_cast<std::size_t>(std::clamp(
                std::lround((mid - track.firstFrame) / track.frameSeconds), 0L, static_cast<long>(frames) - 1));
            // In the pull's first and last 0,3 s, where the throttle's corner
            // is near and the refinement has few cycles either side, not judged.
            const bool judged = mid > track.pullStart + 0.3 && mid < track.pullEnd - 0.3;
            if (judged && std::abs(refined - track.rpm[f]) > 0.015 * track.rpm[f]) {
                const auto from =
                    static_cast<std::size_t>(std::max(0.0, (v[i] - track.firstFrame) / track.frameSeconds));
                const auto to = std::min(frames - 1, static_cast<std::size_t>(std::max(
                                                         0.0, (v[i + 1] - track.firstFrame) / track.frameSeconds + 1)));
                for (std::size_t g = from; g <= to; ++g)
                    astray[g] = true;
            }
        }
    }
    std::size_t lostFrames = 0;
    std::vector<float> pullConf;
    for (std::size_t f = firstPull; f <= lastPull; ++f) {
        pullConf.push_back(conf[f]);
        if (conf[f] >= kLostBelowDb && !astray[f])
            continue;
        ++lostFrames;
        const double t = frameTime(f);
        if (!track.lost.empty() && t - track.lost.back().end < std::max(kLostStretchGap, 1.5 * track.frameSeconds))
            track.lost.back().end = t;
        else
            track.lost.push_back({t, t});
    }
    const std::size_t pullFrames = lastPull >= firstPull ? lastPull - firstPull + 1 : 1;
    track.followedShare = 1.0 - double(lostFrames) / double(pullFrames);
    std::nth_element(pullConf.begin(), pullConf.begin() + std::ptrdiff_t(pullConf.size() / 2), pullConf.end());
    track.medianConfidenceDb = pullConf.empty() ? 0 : pullConf[pullConf.size() / 2];
    track.sure = track.followedShare >= 0.99;
    const auto inRecording = [&](SoundStretch s) { return SoundStretch{s.start + offset, s.end + offset}; };
    for (const SoundStretch& s : track.lost)
        track.warnings.push_back(lostStretchText(inRecording(s)));
    for (const SoundStretch& s : track.covered)
        if (s.end >= track.pullStart && s.start <= track.pullEnd)
            track.warnings.push_back(coveredStretchText(inRecording(s)));

    // A track whose order looks wrong, said in words: not sure.
    const auto suspectOrder = [&track](std::string warning) {
        track.sure = false;
        track.orderSuspect = true;
        track.warnings.push_back(std::move(warning));
    };
    double pullTop = 0, pullFoot = 1e9;
    for (std::size_t f = firstPull; f <= lastPull; ++f) {
        pullTop = std::max(pullTop, double(track.rpm[f]));
        pullFoot = std::min(pullFoot, double(track.rpm[f]));
    }
    // Too many cylinders set (or four strokes for a two-stroke) halves the
    // cycle the track assumes against the engine's: the engine's own lines
    // then fall only on the even orders of it. An engine whose cylinders
    // differ only in pairs (one and four alike, two and three alike) shows
    // the same, at the right setting; it is told apart where the engine
    // would then turn at twice the speed read, beyond the range set.
    bool settingHeard = false;
    if (settings.cylinders >= 2) {
        const auto from = static_cast<std::size_t>(std::max(0.0, track.pullStart * low - double(n0)));
        const auto to = std::min(ny, static_cast<std::size_t>(std::max(0.0, track.pullEnd * low - double(n0))));
        const CycleLines lines = cycleLines(yp, cycles, from, to, F);
        track.cycleLinesBetween = lines.half.share;
        track.oddCycleLines = lines.odd.share;
        track.evenCycleLines = lines.even.share;
        // Four cylinders that differ by chance can favour the even orders a
        // little: only a clear share on them and next to none on the odd
        // ones, nor any the odd ones hold beyond their spread, counts.
        const double odd = lines.odd.share, even = lines.even.share;
        const auto clearLine = [](LineGroup g) { return g.z > kBetweenOrdersZ && g.share > kBetweenOrdersShare; };
        // Lines only the engine set makes, as clear as those that refuse a
        // setting (at three times their spread, a cabin's noise alone came
        // there), and not lost beside those a four-stroke four would make.
        settingHeard = lines.measured && clearLine(lines.own) && lines.own.share >= 0.25 * lines.fours.share;
        if (lines.measured && (clearLine(lines.half) || clearLine(lines.foursBetween))) {
            suspectOrder(tx("EngineSoundTracker",
                            "the engine's sound holds lines between the orders of the cycle of the "
                            "engine set: the engine has other cylinders or strokes than those set (the "
                            "engine speed read is then wrong): check the cylinders and strokes"));
        } else if (lines.measured && even > 0.2 && odd < 0.2 * even && lines.odd.z < kOddLinesZ &&
                   2 * pullTop <= settings.maxRpm) {
            suspectOrder(tx("EngineSoundTracker",
                            "the engine's sound repeats twice in each cycle of the engine set: too many "
                            "cylinders, or four strokes for a two-stroke (the engine speed read is then "
                            "half or twice the true one): check the cylinders and strokes"));
        }
    }
    // An engine loses speed at a few thousand rpm a second at most: a path
    // that falls to half its speed or below within half a second of the
    // pull's end has dropped to a lower order (a weak cylinder's lines), and
    // the pull may go on beyond it.
    {
        const auto reach = std::min(frames, bestEnd + std::size_t(std::lround(0.5 / track.frameSeconds)) + 1);
        for (std::size_t f = bestEnd; f < reach; ++f) {
            if (conf[f] >= kLostBelowDb && track.rpm[f] < 0.6 * track.rpm[bestEnd]) {
                suspectOrder(tx("EngineSoundTracker", "at %1 s the track falls to half the engine speed or "
                                                      "less at once: the pull may go on beyond it at a "
                                                      "lower order (a weak cylinder)")
                                 .arg(secondsText(frameTime(f) + offset)));
                break;
            }
        }
    }
    // A pull held at an end of the range, or one at a speed no engine of this
    // kind turns, is most likely tracked at the wrong order.
    if (pullTop >= settings.maxRpm * 0.99 || pullFoot <= settings.minRpm * 1.01) {
        suspectOrder(tx("EngineSoundTracker",
                        "the engine speed reaches the end of the range %1 to %2 rpm: widen the range, or "
                        "check the cylinders and strokes (an order twice or half the expected one)")
                         .arg(formatPattern(settings.minRpm, Pattern::Whole))
                         .arg(formatPattern(settings.maxRpm, Pattern::Whole)));
    } else if (pullTop > 10000 || pullTop < 2500) {
        suspectOrder(tx("EngineSoundTracker", "the pull tops out at %1 rpm: check the cylinders and "
                                              "strokes (an order twice or half the expected one)")
                         .arg(formatPattern(pullTop, Pattern::Whole)));
    }
    // Any other setting than a four-stroke four's firing rate reads its
    // speed at another engine speed than four cylinders and four strokes
    // would: unless the sound holds lines only the setting makes, nothing
    // tells the two apart, and the speed read is as sure as the setting; a
    // classic Mini's engine is a four-stroke four, so it counts as suspect.
    if (track.firingsPerRev != 2 && !track.orderSuspect && !settingHeard) {
        suspectOrder(tx("EngineSoundTracker", "the engine's sound can't confirm the setting of %1 cylinders and %2 "
                                              "strokes: four cylinders and four strokes fire as often at %3 times "
                                              "the engine speed read: check the setting")
                         .arg(std::to_string(settings.cylinders))
                         .arg(std::to_string(settings.strokes))
                         .arg(doubleText(track.firingsPerRev / 2)));
    }
    if (offset != 0) {
        track.firstFrame += offset;
        track.pullStart += offset;
        track.pullEnd += offset;
        for (double& t : track.virtualSparks)
            t += offset;
        for (auto* stretches : {&track.lost, &track.covered})
            for (SoundStretch& s : *stretches)
                s = inRecording(s);
    }
    return track;
}

}  // namespace

Result<SoundTrack> trackEngineSound(std::span<const float> samples, double rate, const SoundSettings& settings,
                                    const ProgressCheck& proceed)
{
    // A recording of up to ten minutes is tracked on frames 10 ms apart.
    const double seconds = rate > 0 ? double(samples.size()) / rate : 0.0;
    if (!(std::lround(seconds) > kLongRecording))
        return trackFrames(samples, rate, settings, proceed, 1, 0.0);
    // A longer one on frames 20 ms apart, so that its scores and moves stay
    // within bounds; the pull found there is then cut out, with some seconds
    // either side, and tracked again on its own: its curve is the one the
    // same pull recorded alone gives.
    const auto share = [&](double from, double to) -> ProgressCheck {
        if (!proceed)
            return {};
        return [&proceed, from, to](double done) { return proceed(from + (to - from) * done); };
    };
    auto whole = trackFrames(samples, rate, settings, share(0.0, 0.85), 2, 0.0);
    if (!whole)
        return whole;
    const auto first = static_cast<std::size_t>(std::max(0.0, whole->pullStart - kAroundPull) * rate);
    const auto last = std::min(samples.size(), static_cast<std::size_t>((whole->pullEnd + kAroundPull) * rate));
    const double offset = double(first) / rate;
    SoundSettings cut = settings;
    cut.anchorTime = settings.anchorTime >= 0 ? settings.anchorTime - offset : -1;
    if (cut.anchorTime >= double(last - first) / rate)
        cut.anchorTime = -1;
    auto pull = trackFrames(samples.subspan(first, last - first), rate, cut, share(0.85, 1.0), 1, offset);
    if (!pull)
        return pull;
    // The frames shown stay those of the whole recording.
    pull->frameSeconds = whole->frameSeconds;
    pull->firstFrame = whole->firstFrame;
    pull->rpm = std::move(whole->rpm);
    pull->confidenceDb = std::move(whole->confidenceDb);
    return pull;
}

}  // namespace vornax
