// The WAV window's side of the import: any audio file converted into the Wav
// folder before it is opened, its channel choice, and the "Auto" threshold.
#include "gui/signal/WavWindow.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "common/TextFile.h"
#include "gui/signal/WavDetectionPanel.h"
#include "gui/signal/WavRecordingPanel.h"
#include "gui/signal/WavTexts.h"
#include "signal/AudioImport.h"
#include "signal/AutoThreshold.h"
#include "signal/ChannelChoice.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <tuple>

namespace vornax {
namespace {

namespace fs = std::filesystem;

void message(const std::string& text) { showMessage(text); }

// What the conversion did, in a sentence, in the language in force.
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

std::string channelWord(const ChannelRequest& c)
{
    switch (c.mode) {
    case ChannelRequest::Mode::Auto: return "auto";
    case ChannelRequest::Mode::Mix: return "mix";
    case ChannelRequest::Mode::Number: break;
    }
    return std::to_string(c.number);
}

// Beside each converted recording, "NAME.wav.from" says what it was made
// from: the source (its path, size and time), the channel asked and the one
// used, and the converted file's own size and time, so that opening the
// same source again opens its copy, unless either file changed since.
struct ConversionRecord {
    std::string source;
    std::uintmax_t sourceSize = 0, wavSize = 0;
    std::int64_t sourceTime = 0, wavTime = 0;
    ChannelRequest channel;
    int used = 0, channels = 0;
};

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

// The record of `wav`, when it still holds: made from `source` as it is now,
// and the converted file unchanged since.
std::optional<ConversionRecord> recordOf(const fs::path& wav, const fs::path& source)
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

}  // namespace

void WavWindow::convertRecording(const std::string& sourceFile, const ChannelRequest& channel, bool channelChange)
{
    const fs::path source = sourceFile;
    const fs::path target = defaultFolder("Wav") / (source.stem().string() + ".wav");
    // Opened again, a source keeps its copy and the channel chosen for it.
    if (!channelChange) {
        if (const auto record = recordOf(target, source)) {
            sourcePath_ = source.string();
            channelRequest_ = record->channel;
            sourceChannels_ = record->channels;
            usedChannel_ = record->used;
            wavPath_ = target.string();
            showChannelChoice();
            openCurrent();
            return;
        }
    }
    auto imported = std::make_shared<std::optional<Result<ImportedRecording>>>();
    startWork([imported, source, channel](
                  const ProgressCheck& proceed) { imported->emplace(importRecording(source, channel, {}, proceed)); },
              [this, imported, source, channel, channelChange](bool cancelled) {
                  if (cancelled || !imported->has_value() || !**imported) {
                      if (!cancelled && imported->has_value())
                          message((*imported)->error());
                      showChannelChoice();  // the choice on show goes back to the one used
                      return;
                  }
                  finishConversion(source.string(), channel, channelChange, ***imported);
              });
}

void WavWindow::finishConversion(const std::string& sourceFile, const ChannelRequest& channel, bool channelChange,
                                 ImportedRecording& imported)
{
    const fs::path source = sourceFile;
    fs::path target = defaultFolder("Wav") / (source.stem().string() + ".wav");
    if (channelChange) {
        // The source's own copy, made here, takes the new channel.
        target = wavPath_;
    } else if (std::error_code ec; fs::exists(target, ec) || samePath(source, target)) {
        // The save dialog asks before it replaces a file.
        FileDialogRequest request;
        request.title =
            tx("vornax::WavWindow", "Enregistrer la conversion de « %1 » sous").arg(source.filename().string());
        request.filter = tx("vornax::WavWindow", "Fichier Son *.Wav|*.wav");
        request.initialFolder = defaultFolder("Wav").string();
        request.initialName = target.filename().string();
        const auto chosen = platform().saveFile(request);
        if (!chosen) {
            showChannelChoice();
            return;
        }
        target = *chosen;
        if (samePath(source, target)) {
            message(tx("vornax::WavWindow",
                       "Le fichier converti ne peut pas remplacer l'original : choisissez un autre nom"));
            showChannelChoice();
            return;
        }
    }
    if (const auto saved = saveImported(imported, source, target); !saved) {
        message(saved.error());
        showChannelChoice();
        return;
    }
    const ImportReport& report = imported.report;
    ConversionRecord record;
    record.source = fs::absolute(source).string();
    record.channel = channel;
    record.used = report.channel;
    record.channels = report.channels;
    const auto src = sizeAndTime(source);
    const auto out = sizeAndTime(target);
    if (src && out) {
        std::tie(record.sourceSize, record.sourceTime) = *src;
        std::tie(record.wavSize, record.wavTime) = *out;
        // Without its record the copy is simply converted again next time.
        (void)writeFileAtomically(recordPath(target), recordText(record));
    }
    sourcePath_ = source.string();
    channelRequest_ = channel;
    sourceChannels_ = report.channels;
    usedChannel_ = report.channel;
    wavPath_ = target.string();
    showChannelChoice();
    if (!channelChange)
        message(conversionNote(source, target, report));
    openCurrent();
}

void WavWindow::showChannelChoice()
{
    recording_->showChannels(!sourcePath_.empty(), sourceChannels_, usedChannel_, channelRequest_);
}

void WavWindow::channelChosen(const ChannelRequest& channel)
{
    if (working() || sourcePath_.empty())
        return;
    if (sameChannel(channel, channelRequest_))
        return;
    convertRecording(sourcePath_, channel, true);
}

void WavWindow::autoThreshold()
{
    if (working())
        return;
    if (wavPath_.empty())
        return;
    const auto file = mapRecording();
    if (!file)
        return;
    const auto header = scanHeader(file->bytes());
    if (!header) {
        message(scanFailure());
        return;
    }
    const std::string_view bytes = file->bytes();
    const std::size_t start = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(header->dataStart - 1));
    const std::size_t size = std::min<std::size_t>(header->dataSize, bytes.size() - start);
    const AutoSettings found =
        vornax::autoThreshold({reinterpret_cast<const std::uint8_t*>(bytes.data()) + start, size});
    detection_->showAutoThreshold(found);
    if (source_ == Source::Wav)
        reload();
}

}  // namespace vornax
