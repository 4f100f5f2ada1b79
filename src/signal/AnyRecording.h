// A recording ready for the detection, whatever file it came from: the
// recorder's own 8-bit mono 44 100 Hz PCM WAV is read as it stands (same
// bytes, same curve); any other audio file is converted in memory first.
// Reading the recorder's own kind needs no decoder (canonical(), in the
// light signal library); open() converts through FFmpeg.
#pragma once

#include "signal/AudioImport.h"
#include "signal/MappedFile.h"

#include <optional>

namespace vornax {

class AnyRecording {
public:
    // Fails with the import's message when the file is not canonical and
    // cannot be converted.
    static Result<AnyRecording> open(const std::filesystem::path& file, const ChannelRequest& channel = {},
                                     const Progress& progress = {});
    // The file mapped as it stands when it is the recorder's own kind;
    // nothing for any other file or one that cannot be read.
    static std::optional<AnyRecording> canonical(const std::filesystem::path& file);

    // The whole WAV file the detection reads.
    std::string_view bytes() const { return bytes_; }
    // What the conversion did; nothing for a canonical file.
    const ImportReport* conversion() const { return imported_ ? &imported_->report : nullptr; }

private:
    std::optional<MappedFile> mapped_;
    std::optional<ImportedRecording> imported_;
    // Into the mapping or the converted samples, which stay where they are
    // when the recording moves.
    std::string_view bytes_;
};

}  // namespace vornax
