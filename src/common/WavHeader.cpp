#include "common/WavHeader.h"

namespace vornax {
namespace {

void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void put16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

}  // namespace

std::string pcmWavHeader(std::uint32_t dataBytes, std::uint32_t sampleRate, std::uint16_t channels,
                         std::uint16_t bitsPerSample)
{
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    std::string out;
    out.reserve(kPcmWavHeaderBytes);
    out += "RIFF";
    put32(out, dataBytes + 36);  // what follows these eight bytes
    out += "WAVEfmt ";
    put32(out, 16);  // format chunk size
    put16(out, 1);   // PCM
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * blockAlign);  // bytes per second
    put16(out, blockAlign);
    put16(out, bitsPerSample);
    out += "data";
    put32(out, dataBytes);
    return out;
}

}  // namespace vornax
