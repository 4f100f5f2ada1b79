// A long recording brought down to the rate the engine-sound tracker works at
// while it is decoded, so that only the low-rate signal is ever held: a
// low-pass (a Kaiser-windowed sinc) followed by keeping every factor-th
// sample, only the kept outputs computed.
//
// Output sample i stands for input sample i x factor (the filter is centred
// on it, zeros taken before the first and after the last input sample), and
// a recording of n input samples gives n / factor output samples: the same
// timing a whole-recording decimation gives.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace vornax {

// The whole factor that takes `rate` down to between 5 and 10 kHz (1 for a
// rate under 10 kHz): the tracker hears everything it needs under 2,5 kHz.
int soundDecimationFactor(double rate);

class Decimator {
public:
    // Passband flat up to 0,4 times the output rate (2,1 kHz out of
    // 5,3 kHz), stopband 80 dB down from 0,6 times it: what folds back
    // lands above 0,4 times the output rate, outside everything the tracker
    // uses (it listens under 1,2 kHz).
    explicit Decimator(int factor);

    int factor() const { return factor_; }
    std::size_t taps() const { return taps_.size(); }

    // Appends to `out` every output whose inputs have all arrived.
    void feed(std::span<const float> in, std::vector<float>& out);
    // The end of the input: the outputs still owed, with zeros after the
    // last sample.
    void finish(std::vector<float>& out);

private:
    void emit(std::vector<float>& out, std::size_t available);

    int factor_;
    int half_;                    // taps either side of the centre
    std::vector<float> taps_;     // 2 x half + 1
    std::vector<float> pending_;  // inputs from pending_[start_] = next output's centre - half
    std::size_t start_ = 0;
    std::size_t consumed_ = 0;  // input samples fed so far
    std::size_t emitted_ = 0;   // outputs given so far
};

// The whole of `in` at once (for recordings already in memory).
std::vector<float> decimateAll(std::span<const float> in, int factor);

}  // namespace vornax
