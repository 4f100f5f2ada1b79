// The WAV window's side of the import: any audio file converted into the Wav
// folder before it is opened (a source converted before opens its copy, as
// its conversion record says), its channel choice, and the "Auto" threshold.
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
#include "signal/ConversionRecord.h"

#include <memory>

namespace vornax {
namespace fs = std::filesystem;

void WavWindow::convertRecording(const std::string& sourceFile, const ChannelRequest& channel, bool channelChange)
{
    const fs::path source = sourceFile;
    const fs::path target = defaultFolder("Wav") / (source.stem().string() + ".wav");
    // Opened again, a source keeps its copy and the channel chosen for it.
    if (!channelChange) {
        if (const auto record = conversionRecordOf(target, source)) {
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
                          showMessage((*imported)->error());
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
            showMessage(tx("vornax::WavWindow",
                           "Le fichier converti ne peut pas remplacer l'original : choisissez un autre nom"));
            showChannelChoice();
            return;
        }
    }
    if (const auto saved = saveImported(imported, source, target); !saved) {
        showMessage(saved.error());
        showChannelChoice();
        return;
    }
    const ImportReport& report = imported.report;
    // Without its record the copy is simply converted again next time.
    (void)writeConversionRecord(target, source, channel, report.channel, report.channels);
    sourcePath_ = source.string();
    channelRequest_ = channel;
    sourceChannels_ = report.channels;
    usedChannel_ = report.channel;
    wavPath_ = target.string();
    showChannelChoice();
    if (!channelChange)
        showMessage(conversionNote(source, target, report));
    openCurrent();
}

void WavWindow::showChannelChoice()
{
    recording_->showChannels(!sourcePath_.empty(), sourceChannels_, usedChannel_, channelRequest_);
}

void WavWindow::channelChosen(const ChannelRequest& channel)
{
    if (working())
        return;
    if (soundSource()) {
        // The sound is read again as chosen and tracked on it.
        if (soundPath_.empty() || sameChannel(channel, soundChannel_))
            return;
        soundChannel_ = channel;
        sound_.reset();
        soundSamplesPath_.clear();
        analyseSound();
        return;
    }
    if (sourcePath_.empty())
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
        showMessage(scanFailure());
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
