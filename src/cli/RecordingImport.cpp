// The media program's side of a command's recording: the --channel option
// and any audio file converted in memory through the import.
#include "cli/CliSupport.h"
#include "cli/RecordingInput.h"

#include <iostream>

namespace vornax::cli {

ChannelRequest channelOption(const std::string& text)
{
    const auto request = parseChannelRequest(text);
    if (!request)
        throw UsageError("--channel: \"" + text + "\" must be auto, left, right, mix or a channel number from 1");
    return *request;
}

AnyRecording importedRecording(const std::string& input, const std::string& channel)
{
    auto recording = AnyRecording::open(input, channelOption(channel));
    if (!recording)
        throw BadInput(recording.error());
    if (const ImportReport* r = recording->conversion()) {
        std::cerr << "vornax: " << std::filesystem::path(input).filename().string() << " is not an 8-bit mono 44100 Hz "
                  << "PCM WAV: converted in memory (" << r->codec << ", " << r->sampleRate << " Hz, " << r->channels
                  << (r->channels == 1 ? " channel" : " channels") << "; channel "
                  << (r->channel == 0 ? std::string("mix") : std::to_string(r->channel))
                  << (r->inverted ? ", turned up" : "") << ")\n";
    }
    return std::move(recording.value());
}

}  // namespace vornax::cli
