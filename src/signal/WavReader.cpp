#include "signal/WavReader.h"

#include "common/WavHeader.h"
#include "common/Translation.h"
#include "signal/ByteReader.h"

#include <cmath>

namespace vornax {

Result<WavHeader> scanHeader(std::string_view file)
{
    ByteReader in(file);
    WavHeader h;

    // "fmt " in 4-byte steps: a format chunk at an odd place is not found and
    // the fields are then read from wherever the search stopped.
    for (int read = 0; read < 100; ++read)
        if (in.text4() == "fmt ")
            break;

    h.fmtSize = in.u32();
    h.formatTag = in.u16();
    h.channels = in.u16();
    h.sampleRate = in.u32();
    h.byteRate = in.u32();
    h.blockAlign = in.u16();
    h.bitsPerSample = in.u16();

    // Each attempt reads up to 100 single bytes looking for a "d"; a "d" that
    // does not start "data" sends the search back to just after it. Every
    // attempt that goes on moves at least one byte forward, and bytes past the
    // end read as 0, so the search always ends.
    for (;;) {
        int reads = 0;
        std::uint8_t c = 0;
        do {
            c = in.byte();
            ++reads;
        } while (c != 'd' && reads < 100);
        const std::string rest{char(in.byte()), char(in.byte()), char(in.byte())};
        if (rest == "ata") {
            h.lastAttemptReads = reads;
            break;
        }
        if (reads > 90)
            return Failure{scanFailure()};
        in.seek(in.position() - 3);
    }

    h.dataSize = in.u32();
    h.dataStart = in.position();
    return h;
}

std::string scanFailure() { return tx("WavReader", "Erreur"); }

std::string channelText(int channels)
{
    if (channels == 1)
        return tx("WavReader", "Mono");
    if (channels == 2)
        return tx("WavReader", "Stereo");
    return tx("WavReader", "Erreur de canaux.");
}

Result<WavLoad> Charger(std::string_view file, const Progress& progress)
{
    const auto report = [&](int v) {
        if (progress)
            progress(v);
    };
    auto header = scanHeader(file);
    if (!header)
        return Failure{header.error()};
    WavLoad load;
    load.header = *header;
    load.channelText = channelText(header->channels);
    if (header->channels != 1 && header->channels != 2)
        return Failure{scanFailure()};
    report(10);
    report(20);
    report(30);
    // The drawing counts two bytes per mono frame and four per stereo frame.
    const double bytesPerFrame = header->channels == 1 ? 2.0 : 4.0;
    load.frameCount = static_cast<std::int64_t>(std::nearbyint(header->dataSize / bytesPerFrame));
    report(40);
    load.dataStart = header->dataStart;
    return load;
}

std::int64_t detectionFrames(const WavHeader& header)
{
    if (header.blockAlign == 0)
        return 0;
    return static_cast<std::int64_t>(std::nearbyint(double(header.dataSize) / header.blockAlign));
}

std::optional<std::string> recordingProblem(std::string_view file)
{
    if (file.empty())
        return tx("WavReader", "the file is empty");
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE")
        return tx("WavReader", "not a WAV file (no RIFF/WAVE header)");
    const auto header = scanHeader(file);
    if (!header)
        return tx("WavReader", "no data chunk found where the recorder puts it (truncated or unusual WAV header)");
    const WavHeader& h = *header;
    if (h.formatTag != 1)
        return tx("WavReader", "not plain PCM (format tag %1); record 8-bit mono PCM at 44100 Hz")
            .arg(std::to_string(h.formatTag));
    if (h.channels != 1)
        return h.channels == 2 ? tx("WavReader", "stereo recording; record in mono").str()
                               : tx("WavReader", "unusable channel count %1").arg(std::to_string(h.channels)).str();
    if (h.bitsPerSample != 8 || h.blockAlign != 1)
        return tx("WavReader", "%1-bit samples; record 8-bit mono at 44100 Hz")
            .arg(std::to_string(h.bitsPerSample))
            .str();
    if (h.sampleRate != kRecordingRate)
        return tx("WavReader", "%1 Hz recording; record at 44100 Hz").arg(std::to_string(h.sampleRate)).str();
    const std::int64_t available = static_cast<std::int64_t>(file.size()) - (h.dataStart - 1);
    if (available < static_cast<std::int64_t>(h.dataSize))
        return tx("WavReader", "truncated: the data chunk declares %1 bytes but the file holds %2")
            .arg(std::to_string(h.dataSize))
            .arg(std::to_string(available < 0 ? 0 : available))
            .str();
    return std::nullopt;
}

}  // namespace vornax
