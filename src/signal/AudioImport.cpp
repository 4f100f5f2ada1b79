#include "signal/AudioImport.h"

#include "capture/Resampler.h"
#include "capture/WavWriter.h"
#include "common/TextFile.h"
#include "signal/AutoThreshold.h"
#include "signal/MappedFile.h"
#include "signal/WavReader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace vornax {
namespace {

namespace fs = std::filesystem;

// Containers a sound recording comes in. Anything else (video containers
// other than the MP4 family and Matroska, images, playlists, network
// descriptions) is refused before its demuxer runs.
constexpr const char* kAudioFormats =
    "wav,w64,flac,mp3,mov,aac,ogg,aiff,caf,matroska,au,voc,wv,ape,tta,mpc,mpc8,amr,ac3,eac3,dts,loas,tak,"
    "ircam,nistsphere,sox,xwma";

constexpr std::size_t kHeaderSlots = kWavHeaderBytes / sizeof(std::int16_t);
constexpr std::size_t kChoiceSamples = 20 * kRecordingRate;  // the channel is chosen on the first 20 s
constexpr std::size_t kDriftBlock = kRecordingRate / 10;   // 100 ms
constexpr double kStoreLevel = 8000;                       // loudest of the first 20 s, in the 16-bit store
constexpr double kSparkPeak = 96;                          // above rest: 224
constexpr double kMostClipped = 0.001;

// Every audio decoder FFmpeg has, by name: the only decoders a file may reach.
const std::string& audioDecoders()
{
    static const std::string names = [] {
        std::string list;
        void* at = nullptr;
        while (const AVCodec* codec = av_codec_iterate(&at)) {
            if (codec->type != AVMEDIA_TYPE_AUDIO || !av_codec_is_decoder(codec))
                continue;
            if (!list.empty())
                list += ',';
            list += codec->name;
        }
        return list;
    }();
    return names;
}

struct Demuxer {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    ~Demuxer()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

std::string seconds(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", value);
    return text.data();
}

std::string ffmpegError(int code)
{
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return text.data();
}

int nearest(double v) { return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5); }

// Collects the converted samples of the chosen channel as 16-bit values,
// scaled from the loudest of the first 20 s (four times louder still fits).
// Until those seconds are in, they are
// kept as they came (every channel while the pickup's is still to be
// chosen, else the chosen one alone).
class ChannelStore {
public:
    ChannelStore(ChannelRequest request, std::vector<std::int16_t>& store, std::size_t expected)
        : request_(request), store_(store), expected_(std::min(expected, kChoiceSamples))
    {
    }

    Status add(ChannelSamples& converted)
    {
        if (converted.empty() || converted[0].empty())
            return success();
        if (!decided_ && (converted.size() == 1 || request_.mode != ChannelRequest::Mode::Auto))
            if (auto chosen = decide(int(converted.size()), {}); !chosen)
                return chosen;
        if (!decided_) {
            if (opening_.size() < converted.size()) {
                opening_.resize(converted.size());
                for (auto& channel : opening_)
                    channel.reserve(expected_);
            }
            for (std::size_t c = 0; c < converted.size(); ++c)
                opening_[c].insert(opening_[c].end(), converted[c].begin(), converted[c].end());
            if (opening_[0].size() >= kChoiceSamples)
                if (auto chosen = decide(int(opening_.size()), opening_); !chosen)
                    return chosen;
        } else if (!scaled_) {
            picked_.reserve(expected_);
            pickInto(converted, picked_);
            if (picked_.size() >= kChoiceSamples)
                applyScale();
        } else {
            pickInto(converted, scratch_);
            push(scratch_);
            scratch_.clear();
        }
        for (auto& channel : converted)
            channel.clear();
        return success();
    }

    Status end()
    {
        if (!decided_ && !opening_.empty())
            if (auto chosen = decide(int(opening_.size()), opening_); !chosen)
                return chosen;
        if (!scaled_)
            applyScale();
        return success();
    }

    int channel() const { return channel_; }
    double scale() const { return scale_; }

private:
    void pickInto(const ChannelSamples& samples, std::vector<float>& out) const
    {
        if (channel_ > 0) {
            const auto& chosen = samples[static_cast<std::size_t>(channel_ - 1)];
            out.insert(out.end(), chosen.begin(), chosen.end());
            return;
        }
        const std::size_t count = samples[0].size();
        const float share = 1.0f / float(samples.size());
        for (std::size_t n = 0; n < count; ++n) {
            float sum = 0;
            for (const auto& c : samples)
                sum += c[n];
            out.push_back(sum * share);
        }
    }

    void push(const std::vector<float>& samples)
    {
        const float scale = static_cast<float>(scale_);
        const std::size_t at = store_.size();
        store_.resize(at + samples.size());
        std::int16_t* out = store_.data() + at;
        for (std::size_t n = 0; n < samples.size(); ++n) {
            float x = samples[n] * scale;
            x = x > 32767.0f ? 32767.0f : x < -32767.0f ? -32767.0f : x == x ? x : 0.0f;  // a NaN is silence
            out[n] = static_cast<std::int16_t>(x < 0 ? x - 0.5f : x + 0.5f);
        }
    }

    // The pickup's channel: the one asked for, or the one whose sparks stand
    // highest above its own noise in `opening`.
    Status decide(int channels, const ChannelSamples& opening)
    {
        decided_ = true;
        if (request_.mode == ChannelRequest::Mode::Mix)
            channel_ = channels == 1 ? 1 : 0;
        else if (request_.mode == ChannelRequest::Mode::Number) {
            if (request_.number > channels)
                return Failure{"it has no channel " + std::to_string(request_.number) + " (" +
                               std::to_string(channels) + (channels == 1 ? " channel)" : " channels)")};
            channel_ = request_.number;
        } else if (channels > 1) {
            double best = -1;
            for (int c = 0; c < channels; ++c) {
                const std::span<const float> s = opening[static_cast<std::size_t>(c)];
                const BothSides sides = bothSides(s, median(s), 1e-5);
                const double standing = std::max(sides.up.standing(), sides.down.standing());
                if (standing > best) {
                    best = standing;
                    channel_ = c + 1;
                }
            }
        }
        if (!opening.empty()) {
            picked_.reserve(expected_);
            pickInto(opening, picked_);
            opening_.clear();
            opening_.shrink_to_fit();
            if (picked_.size() >= kChoiceSamples)
                applyScale();
        }
        return success();
    }

    void applyScale()
    {
        scaled_ = true;
        float loudest = 0;
        for (const float v : picked_)
            if (std::isfinite(v))
                loudest = std::max(loudest, std::abs(v));
        scale_ = loudest > 0 ? kStoreLevel / loudest : 1.0;
        push(picked_);
        picked_.clear();
        picked_.shrink_to_fit();
    }

    static double median(std::span<const float> s)
    {
        if (s.empty())
            return 0;
        // A sample of the values is enough for the rest level.
        std::vector<float> some;
        const std::size_t step = std::max<std::size_t>(1, s.size() / 100000);
        for (std::size_t k = 0; k < s.size(); k += step)
            some.push_back(s[k]);
        std::nth_element(some.begin(), some.begin() + static_cast<std::ptrdiff_t>(some.size() / 2), some.end());
        return some[some.size() / 2];
    }

    ChannelRequest request_;
    std::vector<std::int16_t>& store_;
    std::size_t expected_;
    ChannelSamples opening_;          // every channel, until the choice
    std::vector<float> picked_, scratch_;
    bool decided_ = false, scaled_ = false;
    int channel_ = 1;
    double scale_ = 1;
};

// Takes out the offset and the slow drift: the median of each 100 ms block,
// followed in straight lines from one block's middle to the next.
void removeDrift(std::span<std::int16_t> s)
{
    if (s.empty())
        return;
    std::vector<double> centre, level;
    std::vector<std::int16_t> block;
    for (std::size_t at = 0; at < s.size(); at += kDriftBlock) {
        const std::size_t end = std::min(s.size(), at + kDriftBlock);
        // Every fourth sample: plenty for the middle level of 100 ms.
        block.clear();
        for (std::size_t k = at; k < end; k += 4)
            block.push_back(s[k]);
        std::nth_element(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(block.size() / 2), block.end());
        centre.push_back(double(at + end - 1) / 2.0);
        level.push_back(block[block.size() / 2]);
    }
    // Flat before the first middle and after the last, straight between;
    // the line in 1/65 536 steps, so that the loop stays in integers.
    std::size_t k = 0;
    for (std::size_t b = 0; b < centre.size(); ++b) {
        const bool last = b + 1 == centre.size();
        const std::size_t upto = std::min(s.size(), last ? s.size() : static_cast<std::size_t>(centre[b + 1]) + 1);
        const double slope = last ? 0.0 : (level[b + 1] - level[b]) / (centre[b + 1] - centre[b]);
        const double from = b == 0 ? std::min(double(k), centre[0]) : double(k);
        auto base = static_cast<std::int64_t>(std::llround((level[b] + slope * (std::max(from, centre[b]) - centre[b])) * 65536.0));
        const auto rise = static_cast<std::int64_t>(std::llround(slope * 65536.0));
        for (; k < upto; ++k) {
            const std::int64_t v = std::int64_t(s[k]) - ((base + 32768) >> 16);
            s[k] = static_cast<std::int16_t>(std::clamp<std::int64_t>(v, -32767, 32767));
            if (b > 0 || double(k) >= centre[0])
                base += rise;
        }
    }
}

// The largest gain (at most `wanted`) that clips no more than 0.1 % of the
// samples, from a histogram of the turned samples.
double gainWithinClipping(std::span<const std::int16_t> s, int sign, double wanted, double& clipped)
{
    std::vector<std::int64_t> counts(65536, 0);
    for (const std::int16_t v : s)
        ++counts[static_cast<std::size_t>(sign * int(v) + 32768)];
    // Samples above `top` or below `bottom` (turned values) clip.
    auto clippedAt = [&](double gain) {
        const double top = 127.5 / gain, bottom = -128.5 / gain;
        std::int64_t n = 0;
        for (int v = -32767; v <= 32767; ++v)
            if (double(v) > top || double(v) < bottom)
                n += counts[static_cast<std::size_t>(v + 32768)];
        return double(n) / double(s.size());
    };
    double gain = wanted;
    clipped = clippedAt(gain);
    if (clipped > kMostClipped) {
        double lo = 0, hi = wanted;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            (clippedAt(mid) > kMostClipped ? hi : lo) = mid;
        }
        gain = lo;
        clipped = clippedAt(gain);
    }
    return gain;
}

}  // namespace

std::optional<ChannelRequest> parseChannelRequest(std::string_view text)
{
    if (text == "auto")
        return ChannelRequest{};
    if (text == "mix")
        return ChannelRequest{ChannelRequest::Mode::Mix, 0};
    if (text == "left")
        return ChannelRequest{ChannelRequest::Mode::Number, 1};
    if (text == "right")
        return ChannelRequest{ChannelRequest::Mode::Number, 2};
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < 1 || number > 64)
        return std::nullopt;
    return ChannelRequest{ChannelRequest::Mode::Number, number};
}

std::string_view ImportedRecording::wav() const
{
    return {reinterpret_cast<const char*>(store_.data()), wavSize_};
}

std::span<const std::uint8_t> ImportedRecording::samples() const
{
    return {reinterpret_cast<const std::uint8_t*>(store_.data()) + dataOffset_, sampleCount_};
}

bool isCanonicalRecording(std::string_view bytes) { return !recordingProblem(bytes).has_value(); }

namespace {

// A RIFF/WAVE file whose data chunk declares more bytes than the file
// holds: the length FFmpeg reports is cut to what is there, so the cut is
// found from the chunks themselves. A size of 0 or 0xFFFFFFFF is a
// recording never finished by its writer: read as far as it goes.
std::optional<std::string> cutRiffData(std::string_view file, std::uint64_t fileSize)
{
    auto le32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<std::uint8_t>(file[at + static_cast<std::size_t>(i)]);
        return v;
    };
    if (file.size() < 12 || (file.substr(0, 4) != "RIFF" && file.substr(0, 4) != "RIFX") || file.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint32_t size = le32(at + 4);
        if (file.substr(at, 4) == "data") {
            const std::uint64_t held = fileSize - std::min<std::uint64_t>(fileSize, at + 8);
            if (size != 0 && size != 0xFFFFFFFFu && size > held)
                return "truncated: its data chunk declares " + std::to_string(size) + " bytes, the file holds " +
                       std::to_string(held);
            return std::nullopt;
        }
        at += 8 + std::size_t(size) + (size & 1);
    }
    return std::nullopt;
}

// The first bytes of a file: enough for its headers, without reading (or
// mapping) a recording of hundreds of megabytes.
std::string headOf(const fs::path& file, std::size_t most = 65536)
{
    std::string head(most, '\0');
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return {};
    head.resize(std::fread(head.data(), 1, most, in));
    std::fclose(in);
    return head;
}

}  // namespace

// The recorder's own kind of file is taken byte for byte: same bytes, same
// curve as it always gave.
std::optional<ImportedRecording> canonicalAsItStands(const fs::path& file)
{
    // Only a file whose header says 8-bit mono 44 100 Hz PCM is read whole.
    const auto header = scanHeader(headOf(file));
    if (!header || header->formatTag != 1 || header->channels != 1 || header->bitsPerSample != 8 ||
        header->sampleRate != kRecordingRate)
        return std::nullopt;
    const auto mapped = MappedFile::open(file);
    if (!mapped || !isCanonicalRecording(mapped->bytes()))
        return std::nullopt;
    const std::string_view bytes = mapped->bytes();
    ImportedRecording kept;
    kept.store_.resize(bytes.size() / 2 + 1);
    std::memcpy(kept.store_.data(), bytes.data(), bytes.size());
    const auto whole = scanHeader(bytes);
    kept.dataOffset_ = static_cast<std::size_t>(whole->dataStart - 1);
    kept.sampleCount_ = whole->dataSize;
    kept.wavSize_ = bytes.size();
    ImportReport& r = kept.report;
    r.format = "wav";
    r.codec = "pcm_u8";
    r.sampleRate = kRecordingRate;
    r.channels = 1;
    r.durationSeconds = double(kept.sampleCount_) / kRecordingRate;
    const auto samples = kept.samples();
    r.clippedFraction = samples.empty() ? 0.0
                                        : double(std::count_if(samples.begin(), samples.end(),
                                                               [](std::uint8_t v) { return v == 0 || v == 255; })) /
                                              double(samples.size());
    return kept;
}

Result<ImportedRecording> importRecording(const fs::path& file, const ChannelRequest& channel, const Progress& progress)
{
    const std::string name = file.filename().string();
    auto fail = [&](const std::string& why) { return Failure{name + ": " + why}; };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return fail(fs::exists(file, ec) ? "not a file" : "no such file");
    if (fs::file_size(file, ec) == 0)
        return fail("the file is empty");
    if (auto kept = canonicalAsItStands(file))
        return std::move(*kept);
    if (const auto cut = cutRiffData(headOf(file), fs::file_size(file, ec)))
        return fail(*cut);

    av_log_set_level(AV_LOG_QUIET);
    Demuxer d;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist", kAudioFormats, 0);
    av_dict_set(&options, "codec_whitelist", audioDecoders().c_str(), 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // "file:" keeps a name with a colon from reading as another protocol.
    const std::string url = "file:" + file.string();
    int status = avformat_open_input(&d.format, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (status < 0)
        return fail("not an audio file the program can read");
    if ((status = avformat_find_stream_info(d.format, nullptr)) < 0)
        return fail("damaged audio file (" + ffmpegError(status) + ")");
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(d.format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0)
        return fail(index == AVERROR_DECODER_NOT_FOUND ? "no decoder for its audio" : "no audio stream in the file");
    for (unsigned s = 0; s < d.format->nb_streams; ++s)
        if (int(s) != index)
            d.format->streams[s]->discard = AVDISCARD_ALL;
    AVStream* stream = d.format->streams[index];
    d.codec = avcodec_alloc_context3(decoder);
    if (!d.codec || avcodec_parameters_to_context(d.codec, stream->codecpar) < 0)
        return fail("its audio cannot be decoded");
    AVDictionary* codecOptions = nullptr;
    av_dict_set(&codecOptions, "codec_whitelist", audioDecoders().c_str(), 0);
    status = avcodec_open2(d.codec, decoder, &codecOptions);
    av_dict_free(&codecOptions);
    if (status < 0)
        return fail("its audio cannot be decoded (" + ffmpegError(status) + ")");

    ImportedRecording imported;
    ImportReport& report = imported.report;
    report.format = d.format->iformat->name;
    report.codec = avcodec_get_name(d.codec->codec_id);
    report.sampleRate = d.codec->sample_rate;
    report.channels = d.codec->ch_layout.nb_channels;

    // The length the container declares, unless guessed from the bit rate.
    double declared = 0;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        declared = double(stream->duration) * av_q2d(stream->time_base);
    else if (d.format->duration > 0 && d.format->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE)
        declared = double(d.format->duration) / AV_TIME_BASE;
    if (d.format->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
        declared = 0;
    // An encoder's delay before the first sample is counted in the length.
    if (declared > 0 && stream->start_time != AV_NOPTS_VALUE && stream->start_time > 0)
        declared -= double(stream->start_time) * av_q2d(stream->time_base);

    std::vector<std::int16_t>& store = imported.store_;
    store.assign(kHeaderSlots, 0);
    if (declared > 0 && declared < 24 * 3600)
        store.reserve(kHeaderSlots + static_cast<std::size_t>(declared * kRecordingRate) + kRecordingRate);
    const std::size_t expected = declared > 0 && declared < 24 * 3600
                                     ? static_cast<std::size_t>(declared * kRecordingRate) + 8192
                                     : kChoiceSamples;
    ChannelStore channels(channel, store, expected);
    std::optional<Resampler> resampler;
    ChannelSamples converted;
    std::int64_t framesIn = 0, packets = 0, badPackets = 0;
    int shown = -1;
    std::string broken;

    auto takeFrames = [&]() -> Status {
        while (true) {
            const int got = avcodec_receive_frame(d.codec, d.frame);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return success();
            if (got < 0) {
                ++badPackets;
                return success();
            }
            const AVFrame* f = d.frame;
            if (!resampler) {
                auto made = Resampler::create(f->format, f->ch_layout.nb_channels, f->sample_rate);
                if (!made)
                    return Failure{made.error()};
                resampler.emplace(std::move(made.value()));
                report.sampleRate = f->sample_rate;
                report.channels = f->ch_layout.nb_channels;
            } else if (f->ch_layout.nb_channels != resampler->channels() || f->sample_rate != report.sampleRate) {
                return Failure{"its audio changes format midway"};
            }
            if (auto done = resampler->convert(f->extended_data, f->nb_samples, converted); !done)
                return done;
            framesIn += f->nb_samples;
            av_frame_unref(d.frame);
            if (auto added = channels.add(converted); !added)
                return added;
            if (progress && declared > 0) {
                const int value = static_cast<int>(std::min(1.0, double(framesIn) / report.sampleRate / declared) * 90) * 100;
                if (value != shown)
                    progress(shown = value);
            }
        }
    };

    while (true) {
        status = av_read_frame(d.format, d.packet);
        if (status < 0) {
            if (status != AVERROR_EOF)
                broken = ffmpegError(status);
            break;
        }
        if (d.packet->stream_index == index) {
            ++packets;
            if (avcodec_send_packet(d.codec, d.packet) < 0)
                ++badPackets;
        }
        av_packet_unref(d.packet);
        if (auto taken = takeFrames(); !taken)
            return fail(taken.error());
    }
    avcodec_send_packet(d.codec, nullptr);
    if (auto taken = takeFrames(); !taken)
        return fail(taken.error());
    if (resampler)
        if (auto done = resampler->finish(converted); !done)
            return fail(done.error());
    if (auto added = channels.add(converted); !added)
        return fail(added.error());
    if (auto ended = channels.end(); !ended)
        return fail(ended.error());

    const std::size_t count = store.size() - kHeaderSlots;
    if (framesIn == 0 || count == 0)
        return fail(badPackets > 0 ? "damaged audio: nothing could be decoded" : "its audio stream holds no samples");
    if (badPackets > 0 && badPackets * 100 > packets)
        return fail("damaged audio: " + std::to_string(badPackets) + " of " + std::to_string(packets) +
                    " packets could not be decoded");
    const double decoded = double(framesIn) / report.sampleRate;
    // Encoders pad the last block: only a clear shortfall is a cut file.
    if (declared > 0 && decoded < declared - std::max(0.1, declared * 0.02))
        return fail("truncated: it holds " + seconds(decoded) + " s of the " + seconds(declared) +
                    " s its header declares");
    if (!broken.empty() && declared == 0)
        return fail("damaged audio file (" + broken + ")");
    if (count > kMaxRecordingSamples)
        return fail("too long for a recording");

    // Rest at 0, sparks up, typical peak at 224.
    std::span<std::int16_t> s(store.data() + kHeaderSlots, count);
    removeDrift(s);
    const auto [up, down] = bothSides(std::span<const std::int16_t>(s), 0.0, 1.0);
    report.inverted = down.standing() > up.standing();
    const int sign = report.inverted ? -1 : 1;
    double peak = (report.inverted ? down : up).sparkPeak;
    if (peak <= 0) {
        for (const std::int16_t v : s)
            peak = std::max(peak, double(sign * v));
    }
    const double wanted = peak > 0 ? kSparkPeak / peak : 1.0;
    const double gain = gainWithinClipping(s, sign, wanted, report.clippedFraction);
    report.channel = channels.channel();
    report.gainDb = 20.0 * std::log10(gain * channels.scale() / 128.0);
    report.durationSeconds = double(count) / kRecordingRate;

    // Bytes in place: byte k goes where 16-bit sample k / 2 was, already read.
    const double step = gain * sign;
    auto* bytes = reinterpret_cast<unsigned char*>(store.data());
    for (std::size_t k = 0; k < count; ++k) {
        std::int16_t v;
        std::memcpy(&v, bytes + kWavHeaderBytes + 2 * k, sizeof v);
        bytes[kWavHeaderBytes + k] = static_cast<unsigned char>(std::clamp(nearest(128.0 + step * double(v)), 0, 255));
    }
    const std::string header = wavHeader(static_cast<std::uint32_t>(count));
    std::memcpy(bytes, header.data(), kWavHeaderBytes);
    imported.sampleCount_ = count;
    imported.wavSize_ = kWavHeaderBytes + count;
    if (progress)
        progress(10000);
    return imported;
}

Result<ImportReport> importToWav(const fs::path& input, const fs::path& output, const ChannelRequest& channel,
                                 const Progress& progress)
{
    if (samePath(input, output))
        return Failure{output.filename().string() + ": the converted recording cannot replace its own source"};
    auto imported = importRecording(input, channel, progress);
    if (!imported)
        return Failure{imported.error()};
    if (auto saved = writeFileAtomically(output, imported->wav()); !saved)
        return Failure{saved.error()};
    return imported->report;
}

}  // namespace vornax
