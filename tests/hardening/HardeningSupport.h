// Inputs shared by the hardening tests.
#pragma once

#include "TempFolder.h"

#include <cstdint>
#include <string>

namespace vornax::hardening {

// An 8-bit mono 44 100 Hz recording of `samples` bytes: silence at 128 with
// a spark-like pulse every 300 samples.
inline std::string pulseWav(std::uint32_t samples)
{
    auto le32 = [](std::string& s, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [](std::string& s, std::uint16_t v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>(v >> 8);
    };
    std::string wav = "RIFF";
    le32(wav, 36 + samples);
    wav += "WAVEfmt ";
    le32(wav, 16);
    le16(wav, 1);
    le16(wav, 1);
    le32(wav, 44100);
    le32(wav, 44100);
    le16(wav, 1);
    le16(wav, 8);
    wav += "data";
    le32(wav, samples);
    for (std::uint32_t i = 0; i < samples; ++i)
        wav += static_cast<char>(i % 300 < 4 ? 250 - 20 * (i % 300) : 128);
    return wav;
}

}  // namespace vornax::hardening
