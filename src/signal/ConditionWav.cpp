#include "signal/ConditionWav.h"

#include "common/TextFile.h"
#include "common/Translation.h"
#include "common/WavHeader.h"
#include "signal/ByteReader.h"
#include "signal/WavReader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vornax {
namespace {

constexpr int kBlock = 500;

// Amplitude of samples[from..to] around 128 plus a margin: the larger of the
// highest excursion above and the deepest below.
int amplitude(const std::vector<int>& samples, std::size_t from, std::size_t to, int margin)
{
    int hi = 0, lo = 0;
    for (std::size_t k = from; k <= to; ++k) {
        hi = std::max(hi, samples[k] - 128);
        lo = std::min(lo, samples[k] - 128);
    }
    return std::abs(lo) > hi ? std::abs(lo) + margin : hi + margin;
}

}  // namespace

Result<std::string> conditionedWav(std::string_view input)
{
    const auto header = scanHeader(input);
    if (!header)
        return Failure{header.error()};
    if (header->blockAlign == 0)
        return Failure{scanFailure()};
    const std::int64_t frames = detectionFrames(*header);
    if (frames > 0xFFFFFFFFll - 36)
        return Failure{tx("ConditionWav", "Fichier trop long")};
    // Past the end of the file the samples are zeros, which the smoothing
    // drives below 0 within a few dozen samples: a data size far beyond the
    // file could only fail, after allocating for it.
    if (frames > static_cast<std::int64_t>(input.size()) + 1000)
        return Failure{tx("ConditionWav", "Fichier incorrect: la taille des données dépasse celle du fichier")};
    const auto count = static_cast<std::size_t>(frames);

    // Indices 0..frames hold the signal; the last block may reach up to 500
    // past it, where the buffer holds zeros.
    std::vector<int> x(count + kBlock + 1, 0);
    ByteReader in(input);
    for (std::size_t k = 1; k <= count; ++k) {
        const std::uint8_t v = in.at(static_cast<std::int64_t>(k));
        if (in.exhausted())
            break;
        x[k] = v;
    }

    for (std::size_t k = 1; k <= count; ++k) {
        const int y = static_cast<int>(std::nearbyint(200.0 / 250.0 * x[k - 1] + 55.0 / 255.0 * x[k])) - 1;
        if (y < 0 || y > 255)
            return Failure{tx("ConditionWav", "Filtre Wav impossible: l'échantillon %1 lissé vaut %2, hors de 0 à 255")
                               .arg(std::to_string(k))
                               .arg(std::to_string(y))};
        x[k] = y;
    }

    const int whole = amplitude(x, 0, count, 100);
    for (std::size_t b = 0; b <= count; b += kBlock) {
        const double gain = double(whole) / amplitude(x, b, b + kBlock, 130);
        for (std::size_t k = b; k <= b + kBlock; ++k) {
            if (x[k] > 128)
                x[k] = static_cast<int>(std::nearbyint(x[k] * gain));
            if (x[k] < 128)
                x[k] = static_cast<int>(std::nearbyint(x[k] / gain));
        }
    }

    std::string out = pcmWavHeader(static_cast<std::uint32_t>(frames), kRecordingRate, 1, 8);
    out.reserve(out.size() + count);
    for (std::size_t k = 0; k < count; ++k) {
        // The gains keep every sample within a byte (at most 227 above, at
        // least 0 below); clamp all the same rather than wrap.
        out.push_back(static_cast<char>(std::clamp(x[k], 0, 255)));
    }
    return out;
}

Status ConditionWav(const std::filesystem::path& input, const std::filesystem::path& output)
{
    if (samePath(input, output))
        return Failure{tx("ConditionWav", "Le fichier de sortie est le fichier d'entrée: choisissez un autre nom")};
    const auto bytes = readFileBytes(input);
    if (!bytes)
        return Failure{bytes.error()};
    const auto conditioned = conditionedWav(*bytes);
    if (!conditioned)
        return Failure{conditioned.error()};
    return writeFileAtomically(output, *conditioned);
}

}  // namespace vornax
