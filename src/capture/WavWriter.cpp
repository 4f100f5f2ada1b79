#include "capture/WavWriter.h"

#include "common/TextFile.h"

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

std::string wavHeader(std::uint32_t samples)
{
    std::string out;
    out.reserve(kWavHeaderBytes);
    out += "RIFF";
    put32(out, samples + 36);
    out += "WAVEfmt ";
    put32(out, 16);              // format chunk size
    put16(out, 1);               // PCM
    put16(out, 1);               // mono
    put32(out, kRecordingRate);  // samples per second
    put32(out, kRecordingRate);  // bytes per second: one byte per sample
    put16(out, 1);               // block align
    put16(out, 8);               // bits per sample
    out += "data";
    put32(out, samples);
    return out;
}

std::string wavFileBytes(std::span<const std::uint8_t> samples)
{
    std::string out = wavHeader(static_cast<std::uint32_t>(samples.size()));
    out.append(reinterpret_cast<const char*>(samples.data()), samples.size());
    return out;
}

Status writeWavFile(const std::filesystem::path& file, std::span<const std::uint8_t> samples)
{
    if (samples.size() > kMaxRecordingSamples)
        return Failure{"the recording is too long for a WAV file"};
    return writeFileAtomically(file, wavFileBytes(samples));
}

}  // namespace vornax
