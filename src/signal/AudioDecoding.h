// An audio file open for decoding through FFmpeg's libraries, as the import
// and the engine-sound input both read one: only the formats and decoders
// the program accepts and the file protocol, the best audio stream with every
// other stream discarded, its decoder open, a packet and a frame to decode
// with. Everything is freed with it.
#pragma once

#include "common/Result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

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

    // Reads the stream's packets to the end through the decoder, handing
    // each decoded frame to `take` (and releasing it after); stops at the
    // first failure of `take`. Counts the stream's packets and those the
    // decoder refused, and keeps the words of a read error that ended the
    // file early.
    Status decodeAll(const std::function<Status(const AVFrame&)>& take);

    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int stream = -1;  // index of the audio stream
    std::int64_t packets = 0, badPackets = 0;
    std::string broken;
};

// FFmpeg's words for one of its error codes.
std::string ffmpegError(int code);

}  // namespace vornax
