#include "signal/AnyRecording.h"

namespace vornax {

Result<AnyRecording> AnyRecording::open(const std::filesystem::path& file, const ChannelRequest& channel,
                                        const Progress& progress)
{
    if (auto recording = canonical(file))
        return std::move(*recording);
    auto imported = importRecording(file, channel, progress);
    if (!imported)
        return Failure{imported.error()};
    AnyRecording recording;
    recording.imported_.emplace(std::move(imported.value()));
    recording.bytes_ = recording.imported_->wav();
    return recording;
}

}  // namespace vornax
