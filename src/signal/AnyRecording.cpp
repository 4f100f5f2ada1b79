#include "signal/AnyRecording.h"

namespace vornax {

Result<AnyRecording> AnyRecording::open(const std::filesystem::path& file, const ChannelRequest& channel,
                                        const Progress& progress)
{
    AnyRecording recording;
    auto mapped = MappedFile::open(file);
    if (mapped && isCanonicalRecording(mapped->bytes())) {
        recording.mapped_.emplace(std::move(mapped.value()));
        return recording;
    }
    auto imported = importRecording(file, channel, progress);
    if (!imported)
        return Failure{imported.error()};
    recording.imported_.emplace(std::move(imported.value()));
    return recording;
}

std::string_view AnyRecording::bytes() const { return mapped_ ? mapped_->bytes() : imported_->wav(); }

}  // namespace vornax
