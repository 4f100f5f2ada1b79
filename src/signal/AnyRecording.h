// A recording ready for the detection, whatever file it came from: the
// recorder's own 8-bit mono 44 100 Hz PCM WAV is read as it stands (same
// bytes, same curve); any other audio file is converted in memory first.
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

    // The whole WAV file the detection reads.
    std::string_view bytes() const;
    // What the conversion did; nothing for a canonical file.
    const ImportReport* conversion() const { return imported_ ? &imported_->report : nullptr; }

private:
    std::optional<MappedFile> mapped_;
    std::optional<ImportedRecording> imported_;
};

}  // namespace vornax
