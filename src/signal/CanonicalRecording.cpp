// The recorder's own kind of recording, mapped as it stands: the part of
// AnyRecording that needs no decoder.
#include "signal/AnyRecording.h"
#include "signal/WavReader.h"

namespace vornax {

std::optional<AnyRecording> AnyRecording::canonical(const std::filesystem::path& file)
{
    auto mapped = MappedFile::open(file);
    if (!mapped || recordingProblem(mapped->bytes()))
        return std::nullopt;
    AnyRecording recording;
    recording.mapped_.emplace(std::move(mapped.value()));
    recording.bytes_ = recording.mapped_->bytes();
    return recording;
}

}  // namespace vornax
