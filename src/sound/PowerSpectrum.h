// The power of each bin of a real signal's discrete Fourier transform, one
// frame at a time: FFmpeg's transform on buffers aligned for its vector
// code (on unaligned ones it can only take the plain one, at a third of
// the speed).
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace vornax {

class PowerSpectrum {
public:
    // `size` a power of two from 16 on.
    explicit PowerSpectrum(int size);
    ~PowerSpectrum();
    PowerSpectrum(const PowerSpectrum&) = delete;
    PowerSpectrum& operator=(const PowerSpectrum&) = delete;

    // False when the transform could not be set up.
    bool ready() const;
    int size() const { return size_; }
    // The frame to transform, size() samples, zeros to start with; the
    // forward transform leaves it as it found it.
    std::span<float> input();
    // The powers (re² + im²) of the bins under `bins`, of the size() / 2 + 1
    // there are; the rest of `p` is left as it was.
    void powers(std::vector<float>& p, std::size_t bins = static_cast<std::size_t>(-1));

private:
    struct State;
    int size_;
    std::unique_ptr<State> state_;
};

}  // namespace vornax
