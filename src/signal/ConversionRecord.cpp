#include "signal/ConversionRecord.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <tuple>

namespace vornax {
namespace {

namespace fs = std::filesystem;

std::string channelWord(const ChannelRequest& c)
{
    switch (c.mode) {
    case ChannelRequest::Mode::Auto: return "auto";
    case ChannelRequest::Mode::Mix: return "mix";
    case ChannelRequest::Mode::Number: break;
    }
    return std::to_string(c.number);
}

fs::path recordPath(const fs::path& wav) { return fs::path(wav.string() + ".from"); }

std::optional<std::pair<std::uintmax_t, std::int64_t>> sizeAndTime(const fs::path& file)
{
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec)
        return std::nullopt;
    const auto time = fs::last_write_time(file, ec);
    if (ec)
        return std::nullopt;
    return std::pair{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

std::string recordText(const ConversionRecord& r)
{
    return "source=" + r.source + "\nsize=" + std::to_string(r.sourceSize) + "\ntime=" + std::to_string(r.sourceTime) +
           "\nchannel=" + channelWord(r.channel) + "\nused=" + std::to_string(r.used) +
           "\nchannels=" + std::to_string(r.channels) + "\nwav=" + std::to_string(r.wavSize) +
           "\nwavtime=" + std::to_string(r.wavTime) + "\n";
}

}  // namespace

bool writeConversionRecord(const fs::path& wav, const fs::path& source, const ChannelRequest& channel, int used,
                           int channels)
{
    ConversionRecord record;
    record.source = fs::absolute(source).string();
    record.channel = channel;
    record.used = used;
    record.channels = channels;
    const auto src = sizeAndTime(source);
    const auto out = sizeAndTime(wav);
    if (!src || !out)
        return false;
    std::tie(record.sourceSize, record.sourceTime) = *src;
    std::tie(record.wavSize, record.wavTime) = *out;
    return writeFileAtomically(recordPath(wav), recordText(record)).ok();
}

std::optional<ConversionRecord> conversionRecordOf(const fs::path& wav, const fs::path& source)
{
    const auto text = readFileBytes(recordPath(wav), 1 << 16);
    if (!text)
        return std::nullopt;
    ConversionRecord r;
    std::optional<ChannelRequest> channel;
    int fields = 0;
    std::size_t at = 0;
    while (at < text->size()) {
        const std::size_t end = std::min(text->find('\n', at), text->size());
        const std::string line = text->substr(at, end - at);
        at = end + 1;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        const auto number = [&]() -> std::int64_t {
            std::int64_t n = -1;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
            return error == std::errc() && end == value.data() + value.size() ? n : -1;
        };
        ++fields;
        if (key == "source")
            r.source = value;
        else if (key == "size")
            r.sourceSize = static_cast<std::uintmax_t>(number());
        else if (key == "time")
            r.sourceTime = number();
        else if (key == "channel")
            channel = parseChannelRequest(value);
        else if (key == "used")
            r.used = static_cast<int>(number());
        else if (key == "channels")
            r.channels = static_cast<int>(number());
        else if (key == "wav")
            r.wavSize = static_cast<std::uintmax_t>(number());
        else if (key == "wavtime")
            r.wavTime = number();
        else
            --fields;
    }
    const auto src = sizeAndTime(source);
    const auto out = sizeAndTime(wav);
    if (fields != 8 || !channel || !src || !out || !samePath(r.source, source) || src->first != r.sourceSize ||
        src->second != r.sourceTime || out->first != r.wavSize || out->second != r.wavTime)
        return std::nullopt;
    r.channel = *channel;
    return r;
}

std::string conversionNote(const fs::path& from, const fs::path& to, const ImportReport& r)
{
    const std::string channels = r.channels == 1
                                     ? tx("vornax::WavWindow", "1 canal").str()
                                     : tx("vornax::WavWindow", "%1 canaux").arg(std::to_string(r.channels)).str();
    std::string note = tx("vornax::WavWindow", "\"%1\" converti en \"%2\" (8 bits mono 44100 Hz) : %3 %4 Hz, %5")
                           .arg(from.filename().string())
                           .arg(to.filename().string())
                           .arg(r.codec)
                           .arg(std::to_string(r.sampleRate))
                           .arg(channels);
    if (r.channels > 1)
        note += r.channel == 0 ? tx("vornax::WavWindow", ", canaux mélangés").str()
                               : tx("vornax::WavWindow", ", canal %1 retenu").arg(std::to_string(r.channel)).str();
    if (r.inverted)
        note += tx("vornax::WavWindow", ", signal retourné").str();
    note += tx("vornax::WavWindow", ", gain %1 dB.").arg(formatPattern(r.gainDb, Pattern::OneDecimal)).str();
    return note;
}

}  // namespace vornax
