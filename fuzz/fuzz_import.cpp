// Any audio file as `vornax import`, `vornax rpm` and the WAV window take it:
// FFmpeg's demuxers and decoders (audio ones only), the resampler, the
// channel choice and the levelling. The input is written to a file first,
// since the import reads files by name.
#include "signal/AudioImport.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/vornax-fuzz-import-" + std::to_string(::getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const auto imported = importRecording(path);
    if (imported) {
        // Whatever went in, what comes out is the recorder's own kind of file.
        if (!isCanonicalRecording(imported->wav()))
            std::abort();
        if (imported->wav().size() != 44 + imported->samples().size() && imported->report.codec != "pcm_u8")
            std::abort();
        if (imported->report.clippedFraction < 0 || imported->report.clippedFraction > 1)
            std::abort();
    }
    return 0;
}
