#include "signal/SparkDetection.h"

#include "signal/MappedFile.h"
#include "signal/ByteReader.h"
#include "signal/ThresholdSearch.h"
#include "common/NumberText.h"
#include "common/Translation.h"

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

constexpr double kTimeRate = kRecordingRate;  // start and end times always count at this rate

std::string plain(double v) { return doubleText(v); }

// The first whole position j with j - last > gap, the comparison made in
// double exactly as the byte-by-byte test makes it.
std::int64_t firstPositionAfter(double last, float gap)
{
    auto j = static_cast<std::int64_t>(std::floor(last + gap)) + 1;
    while (double(j - 1) - last > gap)
        --j;
    while (!(double(j) - last > gap))
        ++j;
    return j;
}

// Where between the byte before position i and the byte at i the signal
// crossed the threshold, by a straight line through the two: a spark time
// finer than the sample. A spark that was already past the threshold at
// the byte before (it starts right after the anti-bounce gap) stays at i.
double crossingPosition(ByteReader& in, std::int64_t i, int threshold, bool low)
{
    const double before = in.at(i - 1), at = in.at(i);
    const double rise = low ? before - at : at - before;
    const double short_ = low ? before - threshold : threshold - before;
    if (!(rise > 0) || !(short_ > 0) || short_ > rise)
        return double(i);
    return double(i - 1) + short_ / rise;
}

std::int64_t positionOf(float seconds)
{
    return static_cast<std::int64_t>(std::nearbyint(double(seconds) * kTimeRate));
}

// The cycling progress of the spark-leaving loop, passed on only every 64th
// step so that a window's progress bar does not slow the scan down.
class LeavingProgress {
public:
    explicit LeavingProgress(const Progress& progress) : progress_(progress) {}
    // `count` bytes read while leaving a spark.
    void steps(std::int64_t count)
    {
        for (; count > 0; --count) {
            value_ = value_ >= 9900 ? 0 : value_ + 100;
            if (progress_ && (++steps_ & 63) == 0)
                progress_(value_);
        }
    }

private:
    const Progress& progress_;
    int value_ = 0;
    unsigned steps_ = 0;
};

}  // namespace

Result<Detection> Traiter(std::string_view file, const DetectionSettings& settings, const Progress& progress)
{
    auto header = scanHeader(file);
    if (!header)
        return Failure{header.error()};
    if (header->sampleRate == 0)
        return Failure{scanFailure()};

    Detection result;
    result.header = *header;
    result.frameCount = detectionFrames(*header);
    Curve& curve = result.curve;
    const double rate = header->sampleRate;
    const int threshold = settings.threshold;
    const bool low = settings.lowPolarity;
    const float gap = settings.antiBounce * 441.0f;  // 441, not 44.1: 0,3 gives 132.3 samples (3 ms)
    const float bounding = settings.bounding;

    ByteReader in(file);
    int sample = in.at(header->lastAttemptReads);
    std::int64_t start = positionOf(settings.startSeconds);
    const std::int64_t end = positionOf(settings.endSeconds);

    // The start moves to the first byte at or above the threshold, whatever
    // the polarity; it stops at the end of the file.
    if (sample < threshold) {
        while (start + 1 < 1 && sample < threshold)  // before the file: bytes read as 0
            sample = in.at(++start);
        if (sample < threshold) {
            start = findByte(file, start + 1, Side::AtOrAbove, threshold);
            sample = in.at(start);
        }
    }

    std::int64_t i = start + 1;
    int count = 0;
    double lastSparkPosition = 0.0;  // t of the last recorded spark x rate; row 0 has t = 0
    LeavingProgress leaving(progress);
    bool firstPass = true;
    while (firstPass || (!in.exhausted() && i <= end)) {
        firstPass = false;
        sample = in.at(i);
        // Byte by byte, the search reads on until a byte on the spark side
        // comes more than the gap after the last recorded spark (samples
        // since it, a real number: the time of that spark is a single, so it
        // does not fall on a whole sample), or until the file runs out. The
        // bytes inside the gap cannot end it, so it jumps past them.
        if (!in.exhausted()) {
            const std::int64_t afterGap = firstPositionAfter(lastSparkPosition, gap);
            std::int64_t p = std::max(i + 1, afterGap);
            while (p < 1 && !(low ? 0 <= threshold : 0 >= threshold))
                ++p;
            if (p > in.size())
                p = std::max(i + 1, in.size() + 1);  // a scan from i + 1 runs out here
            else if (p >= 1)
                p = findByte(file, p, low ? Side::AtOrBelow : Side::AtOrAbove, threshold);
            i = p;
            sample = in.at(i);
        }

        if (count == Curve::kLastRow) {
            result.tableFull = true;
            break;
        }
        if (!in.exhausted()) {
            ++result.crossings;
            result.sparkTimes.push_back(crossingPosition(in, i, threshold, low) / rate);
        }
        ++count;
        CurvePoint& row = curve.rows[count];
        const CurvePoint& previous = curve.rows[count - 1];
        row.time = static_cast<float>(double(i) / rate);
        lastSparkPosition = double(row.time) * rate;
        const float interval = row.time - previous.time;
        // Two sparks a few samples apart late in a long file can round to the
        // same single time; the speed then carries over instead of becoming
        // infinite.
        float speed = interval > 0.0f ? engineSpeed(settings.sparksPerRev, interval) : previous.speed;
        if (count > 100) {
            const float lowest = (1.0f - bounding) * previous.speed;
            const float highest = (1.0f + bounding) * previous.speed;
            if (speed < lowest)
                speed = lowest;
            if (speed > highest)
                speed = highest;
        }
        row.speed = speed;

        if (sample >= threshold && !in.exhausted()) {
            // (Before the file, bytes read as 0: below any threshold above 0.)
            const std::int64_t below =
                i + 1 < 1 && 0 < threshold ? i + 1 : findByte(file, i + 1, Side::Below, threshold);
            leaving.steps(below - i);
            i = below;
            sample = in.at(i);
        }
        ++i;
    }
    curve.pointCount = count;
    if (progress)
        progress(10000);
    return result;
}

Result<Detection> detectSparksInFile(const std::filesystem::path& wav, const DetectionSettings& settings,
                                     const Progress& progress)
{
    const std::string name = wav.filename().string();
    const auto mapped = MappedFile::open(wav);
    if (!mapped)
        return Failure{mapped.error()};
    const std::string_view bytes = mapped->bytes();
    if (const auto problem = recordingProblem(bytes))
        return Failure{name + ": " + *problem};
    return detectSparksInRecording(name, bytes, settings, progress);
}

Result<Detection> detectSparksInRecording(const std::string& name, std::string_view bytes,
                                          const DetectionSettings& settings, const Progress& progress)
{
    const auto header = scanHeader(bytes);
    if (!header)
        return Failure{name + ": " + header.error()};
    const float duration = recordingSeconds(detectionFrames(*header));
    if (!(settings.startSeconds < duration))
        return Failure{tx("SparkDetection", "%1: the start time %2 s is not before the end of the recording (%3 s)")
                           .arg(name)
                           .arg(plain(settings.startSeconds))
                           .arg(plain(duration))};
    auto detection = Traiter(bytes, settings, progress);
    if (!detection)
        return Failure{name + ": " + detection.error()};
    if (detection->crossings == 0)
        return Failure{
            (settings.lowPolarity
                 ? tx("SparkDetection",
                      "%1: no spark found: no byte reaches the threshold %2 (low polarity) after the start time")
                 : tx("SparkDetection", "%1: no spark found: no byte reaches the threshold %2 after the start time"))
                .arg(name)
                .arg(std::to_string(settings.threshold))
                .str()};
    return detection;
}

}  // namespace vornax
