#include "capture/Recorder.h"

#include "common/AppFolder.h"
#include "common/PlatformServices.h"
#include "common/TextFile.h"
#include "common/Translation.h"

#include <unistd.h>

namespace vornax {
namespace fs = std::filesystem;

fs::path defaultTemporaryRecording()
{
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec || folder.empty())
        folder = "/tmp";
    return folder / ("vornax-meter-recording-" + std::to_string(::getuid()) + ".wav");
}

Recorder::Recorder(SoundDevice& device, fs::path temporaryRecording)
    : device_(device), temporary_(std::move(temporaryRecording))
{
}

void Recorder::open()
{
    device_.open();
    buttons_ = RecorderButtons{};
}

void Recorder::setCapture(CaptureMode mode, const std::string& inputId)
{
    mode_ = mode;
    inputId_ = inputId;
    device_.setCapture(mode_, inputId_);
}

void Recorder::record()
{
    device_.open();
    const Status started = device_.record();
    if (!started) {
        buttons_ = RecorderButtons{};
        platform().message(started.error(), tx("Recorder", "WAV Recorder"), MessageIcon::Warning);
        return;
    }
    buttons_.stop = true;
    buttons_.play = false;
    buttons_.saveAs = false;
}

void Recorder::stop()
{
    device_.stop();
    buttons_.saveAs = true;
    buttons_.play = true;
}

void Recorder::play()
{
    const Status playing = device_.play();
    if (!playing)
        platform().message(playing.error(), tx("Recorder", "WAV Recorder"), MessageIcon::Warning);
}

void Recorder::saveAs()
{
    FileDialogRequest request;
    request.title = tx("Recorder", "Save As");
    request.filter = tx("Recorder", "WAV file (*.wav*)|*.wav");
    request.initialFolder = defaultFolder("Wav").string();
    const std::optional<std::string> chosen = platform().saveFile(request);
    if (!chosen || chosen->empty())
        return;
    // Saving onto the temporary recording itself would have the file deleted
    // again when the window closes.
    if (samePath(*chosen, temporary_)) {
        platform().message(
            tx("Recorder", "This name is used by the recorder for its temporary recording. Please choose another."),
            tx("Recorder", "WAV Recorder"), MessageIcon::Warning);
        return;
    }
    Status done = device_.save(temporary_);
    if (done)
        done = copyToChosen(*chosen);
    if (!done) {
        platform().message(tx("Recorder", "The recording could not be saved: %1").arg(done.error()),
                           tx("Recorder", "WAV Recorder"), MessageIcon::Warning);
        return;
    }
    saved_ = true;
}

Status Recorder::copyToChosen(const fs::path& chosen) const
{
    // A recording can outgrow the usual reading limit: allow up to the
    // largest WAV file.
    const Result<std::string> bytes = readFileBytes(temporary_, std::uintmax_t(1) << 32);
    if (!bytes)
        return Failure{bytes.error()};
    return writeFileAtomically(chosen, *bytes);
}

std::string Recorder::statusText() const
{
    // The device's words are codes; the status line shows them in the
    // program's language.
    const std::string word = device_.mode();
    const std::pair<const char*, Text> shown[] = {{modeword::kNotReady, tx("Recorder", "not ready")},
                                                  {modeword::kStopped, tx("Recorder", "stopped")},
                                                  {modeword::kRecording, tx("Recorder", "recording")},
                                                  {modeword::kPlaying, tx("Recorder", "playing")},
                                                  {modeword::kNoInput, tx("Recorder", "no sound input")}};
    for (const auto& [code, text] : shown)
        if (word == code)
            return text.str() + " ";
    return word + " ";
}

void Recorder::close()
{
    device_.close();
    if (saved_) {
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

}  // namespace vornax
