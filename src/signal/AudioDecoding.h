// An audio file open for decoding through FFmpeg's libraries, as the import
// and the engine-sound input both read one: only the formats and decoders
// the program accepts and the file protocol, the best audio stream with every
// other stream discarded, its decoder open, a packet and a frame to decode
// with. Everything is freed with it.
#pragma once

#include "common/Result.h"

#include <filesystem>

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;

namespace vornax {

class AudioDecoding {
public:
    AudioDecoding();
    ~AudioDecoding();
    AudioDecoding(const AudioDecoding&) = delete;
    AudioDecoding& operator=(const AudioDecoding&) = delete;

    // Fails, in words, for a file that is no audio file the program reads,
    // a damaged one, one without an audio stream or without a decoder for it.
    Status open(const std::filesystem::path& file);

    // The length the container declares for the stream, s, less an encoder's
    // delay before the first sample; 0 when unknown or only guessed from the
    // bit rate.
    double declaredSeconds() const;

    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int stream = -1;  // index of the audio stream
};

// FFmpeg's words for one of its error codes.
std::string ffmpegError(int code);

}  // namespace vornax
