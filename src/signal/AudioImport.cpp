#include "signal/AudioImport.h"

#include "signal/AudioDecoding.h"

#include "capture/Resampler.h"
#include "capture/WavWriter.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"
#include "signal/AutoThreshold.h"
#include "signal/ImportStages.h"
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
using importing::ChannelStore;
using importing::gainWithinClipping;
using importing::kChoiceSamples;
using importing::nearest;
using importing::removeDrift;

// Containers a sound recording comes in. Anything else (video containers
// other than the MP4 family and Matroska, images, playlists, network
// descriptions) is refused before its demuxer runs.
constexpr const char* kAudioFormats =
    "wav,w64,flac,mp3,mov,aac,ogg,aiff,caf,matroska,au,voc,wv,ape,tta,mpc,mpc8,amr,ac3,eac3,dts,loas,tak,"
    "ircam,nistsphere,sox,xwma";

constexpr std::size_t kHeaderSlots = kWavHeaderBytes / sizeof(std::int16_t);
constexpr double kSparkPeak = 96;  // above rest: 224

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

// One decimal with the program's decimal comma, whatever the system's locale.
std::string seconds(double value) { return formatPattern(value, Pattern::OneDecimal); }

}  // namespace

AudioDecoding::AudioDecoding() : packet(av_packet_alloc()), frame(av_frame_alloc()) {}

AudioDecoding::~AudioDecoding()
{
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
}

Status AudioDecoding::open(const fs::path& file)
{
    av_log_set_level(AV_LOG_QUIET);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist", kAudioFormats, 0);
    av_dict_set(&options, "codec_whitelist", audioDecoders().c_str(), 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // "file:" keeps a name with a colon from reading as another protocol.
    const std::string url = "file:" + file.string();
    int status = avformat_open_input(&format, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (status < 0)
        return Failure{tx("AudioImport", "not an audio file the program can read")};
    if ((status = avformat_find_stream_info(format, nullptr)) < 0)
        return Failure{tx("AudioImport", "damaged audio file (%1)").arg(ffmpegError(status))};
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0)
        return Failure{index == AVERROR_DECODER_NOT_FOUND ? tx("AudioImport", "no decoder for its audio")
                                                          : tx("AudioImport", "no audio stream in the file")};
    for (unsigned s = 0; s < format->nb_streams; ++s)
        if (int(s) != index)
            format->streams[s]->discard = AVDISCARD_ALL;
    const AVStream* audio = format->streams[index];
    codec = avcodec_alloc_context3(decoder);
    if (!codec || avcodec_parameters_to_context(codec, audio->codecpar) < 0)
        return Failure{tx("AudioImport", "its audio cannot be decoded")};
    AVDictionary* codecOptions = nullptr;
    av_dict_set(&codecOptions, "codec_whitelist", audioDecoders().c_str(), 0);
    status = avcodec_open2(codec, decoder, &codecOptions);
    av_dict_free(&codecOptions);
    if (status < 0)
        return Failure{tx("AudioImport", "its audio cannot be decoded (%1)").arg(ffmpegError(status))};
    stream = index;
    return success();
}

double AudioDecoding::declaredSeconds() const
{
    const AVStream* audio = format->streams[stream];
    const AVFormatContext* f = format;
    // The length the container declares, unless guessed from the bit rate.
    double declared = 0;
    if (audio->duration != AV_NOPTS_VALUE && audio->duration > 0)
        declared = double(audio->duration) * av_q2d(audio->time_base);
    else if (f->duration > 0 && f->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE)
        declared = double(f->duration) / AV_TIME_BASE;
    if (f->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
        declared = 0;
    // An encoder's delay before the first sample is counted in the length.
    if (declared > 0 && audio->start_time != AV_NOPTS_VALUE && audio->start_time > 0)
        declared -= double(audio->start_time) * av_q2d(audio->time_base);
    return declared;
}

Status AudioDecoding::decodeAll(const std::function<Status(const AVFrame&)>& take)
{
    const auto drain = [&]() -> Status {
        while (true) {
            const int got = avcodec_receive_frame(codec, frame);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return success();
            if (got < 0) {
                ++badPackets;
                return success();
            }
            const Status taken = take(*frame);
            av_frame_unref(frame);
            if (!taken)
                return taken;
        }
    };
    while (true) {
        const int status = av_read_frame(format, packet);
        if (status < 0) {
            if (status != AVERROR_EOF)
                broken = ffmpegError(status);
            break;
        }
        if (packet->stream_index == stream) {
            ++packets;
            if (avcodec_send_packet(codec, packet) < 0)
                ++badPackets;
        }
        av_packet_unref(packet);
        if (const Status taken = drain(); !taken)
            return taken;
    }
    avcodec_send_packet(codec, nullptr);
    return drain();
}

std::string ffmpegError(int code)
{
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return text.data();
}

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
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < 1 || number > 64)
        return std::nullopt;
    return ChannelRequest{ChannelRequest::Mode::Number, number};
}

std::string_view ImportedRecording::wav() const { return {reinterpret_cast<const char*>(store_.data()), wavSize_}; }

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
                return tx("AudioImport", "truncated: its data chunk declares %1 bytes, the file holds %2")
                    .arg(std::to_string(size))
                    .arg(std::to_string(held))
                    .str();
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

std::optional<std::string> truncatedWavProblem(const fs::path& file)
{
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec)
        return std::nullopt;
    return cutRiffData(headOf(file), size);
}

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
    r.clippedFraction =
        samples.empty()
            ? 0.0
            : double(std::count_if(samples.begin(), samples.end(), [](std::uint8_t v) { return v == 0 || v == 255; })) /
                  double(samples.size());
    return kept;
}

Result<ImportedRecording> importRecording(const fs::path& file, const ChannelRequest& channel, const Progress& progress,
                                          const ProgressCheck& proceed)
{
    const std::string name = file.filename().string();
    auto fail = [&](const std::string& why) { return Failure{name + ": " + why}; };
    const auto stopped = [&](double fraction) { return proceed && !proceed(fraction); };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return fail(fs::exists(file, ec) ? tx("AudioImport", "not a file") : tx("AudioImport", "no such file"));
    if (fs::file_size(file, ec) == 0)
        return fail(tx("AudioImport", "the file is empty"));
    if (auto kept = canonicalAsItStands(file))
        return std::move(*kept);
    if (const auto cut = cutRiffData(headOf(file), fs::file_size(file, ec)))
        return fail(*cut);

    AudioDecoding d;
    if (const Status opened = d.open(file); !opened)
        return fail(opened.error());

    ImportedRecording imported;
    ImportReport& report = imported.report;
    report.format = d.format->iformat->name;
    report.codec = avcodec_get_name(d.codec->codec_id);
    report.sampleRate = d.codec->sample_rate;
    report.channels = d.codec->ch_layout.nb_channels;

    const double declared = d.declaredSeconds();

    std::vector<std::int16_t>& store = imported.store_;
    store.assign(kHeaderSlots, 0);
    // The room made beforehand trusts the declared length only as far as the
    // file's bytes could hold it: no codec read here packs a second of sound
    // into fewer than 250 bytes, so a small damaged file that declares hours
    // makes no room for hours. The store still grows past it if need be.
    constexpr double kFewestBytesPerSecond = 250;
    const double room = std::min(declared, double(fs::file_size(file, ec)) / kFewestBytesPerSecond);
    if (room > 0 && room < 24 * 3600)
        store.reserve(kHeaderSlots + static_cast<std::size_t>(room * kRecordingRate) + kRecordingRate);
    const std::size_t expected = declared > 0 && declared < 24 * 3600
                                     ? static_cast<std::size_t>(declared * kRecordingRate) + 8192
                                     : kChoiceSamples;
    ChannelStore channels(channel, store, expected);
    std::optional<Resampler> resampler;
    ChannelSamples converted;
    std::int64_t framesIn = 0;
    int shown = -1;

    const auto take = [&](const AVFrame& frame) -> Status {
        const AVFrame* f = &frame;
        if (!resampler) {
            auto made = Resampler::create(f->format, f->ch_layout.nb_channels, f->sample_rate);
            if (!made)
                return Failure{made.error()};
            resampler.emplace(std::move(made.value()));
            report.sampleRate = f->sample_rate;
            report.channels = f->ch_layout.nb_channels;
        } else if (f->ch_layout.nb_channels != resampler->channels() || f->sample_rate != report.sampleRate) {
            return Failure{tx("AudioImport", "its audio changes format midway")};
        }
        if (auto done = resampler->convert(f->extended_data, f->nb_samples, converted); !done)
            return done;
        framesIn += f->nb_samples;
        if (auto added = channels.add(converted); !added)
            return added;
        if (progress && declared > 0) {
            const int value =
                static_cast<int>(std::min(1.0, double(framesIn) / report.sampleRate / declared) * 90) * 100;
            if (value != shown)
                progress(shown = value);
        }
        if (stopped(declared > 0 ? std::min(1.0, double(framesIn) / report.sampleRate / declared) * 0.9 : 0.0))
            return Failure{tx("AudioImport", "cancelled")};
        return success();
    };

    if (const Status decoded = d.decodeAll(take); !decoded)
        return fail(decoded.error());
    if (resampler)
        if (auto done = resampler->finish(converted); !done)
            return fail(done.error());
    if (auto added = channels.add(converted); !added)
        return fail(added.error());
    if (auto ended = channels.end(); !ended)
        return fail(ended.error());

    const std::size_t count = store.size() - kHeaderSlots;
    if (framesIn == 0 || count == 0)
        return fail(d.badPackets > 0 ? tx("AudioImport", "damaged audio: nothing could be decoded")
                                     : tx("AudioImport", "its audio stream holds no samples"));
    if (d.badPackets > 0 && d.badPackets * 100 > d.packets)
        return fail(tx("AudioImport", "damaged audio: %1 of %2 packets could not be decoded")
                        .arg(std::to_string(d.badPackets))
                        .arg(std::to_string(d.packets)));
    const double decoded = double(framesIn) / report.sampleRate;
    // Encoders pad the last block: only a clear shortfall is a cut file.
    if (declared > 0 && decoded < declared - std::max(0.1, declared * 0.02))
        return fail(tx("AudioImport", "truncated: it holds %1 s of the %2 s its header declares")
                        .arg(seconds(decoded))
                        .arg(seconds(declared)));
    if (!d.broken.empty() && declared == 0)
        return fail(tx("AudioImport", "damaged audio file (%1)").arg(d.broken));
    if (count > kMaxRecordingSamples)
        return fail(tx("AudioImport", "too long for a recording"));

    if (stopped(0.9))
        return fail(tx("AudioImport", "cancelled"));
    // Rest at 0, sparks up, typical peak at 224.
    std::span<std::int16_t> s(store.data() + kHeaderSlots, count);
    removeDrift(s);
    // Mains hum as loud as the sparks would pass for them (or hide them from
    // the levelling below): then it goes, with everything under 500 Hz. Any
    // other recording keeps its shape.
    report.humRemoved = !channel.engineSound && importing::humHidesSparks(s);
    if (report.humRemoved)
        importing::removeHum(s);
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

    if (stopped(0.95))
        return fail(tx("AudioImport", "cancelled"));
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

Status saveImported(const ImportedRecording& recording, const fs::path& input, const fs::path& output)
{
    if (samePath(input, output))
        return Failure{tx("AudioImport", "%1: the converted recording cannot replace its own source")
                           .arg(output.filename().string())};
    return writeFileAtomically(output, recording.wav());
}

Result<ImportedRecording> importToWav(const fs::path& input, const fs::path& output, const ChannelRequest& channel,
                                      const Progress& progress, const ProgressCheck& proceed)
{
    // Refused before the work of a conversion.
    if (samePath(input, output))
        return Failure{tx("AudioImport", "%1: the converted recording cannot replace its own source")
                           .arg(output.filename().string())};
    auto imported = importRecording(input, channel, progress, proceed);
    if (!imported)
        return Failure{imported.error()};
    if (auto saved = saveImported(*imported, input, output); !saved)
        return Failure{saved.error()};
    return imported;
}

}  // namespace vornax
