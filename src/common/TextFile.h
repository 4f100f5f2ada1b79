// Text files as the program exchanges them: lines ended by CR LF when written,
// CR LF or LF accepted when read; UTF-8 when the bytes are valid UTF-8, else
// Windows-1252 (files made on Windows). Every save goes through
// writeFileAtomically, so a failed save never leaves a half-written file in
// place of a good one.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

// Whole file into memory. Refuses files larger than maxBytes with a message.
Result<std::string> readFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes = std::uintmax_t(1) << 31);

// Bytes as UTF-8 text: unchanged when valid UTF-8, else read as Windows-1252.
std::string decodeText(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

// Splits decoded text into lines without their ends. "a\r\nb\r\n" and
// "a\nb" both give {"a", "b"}; an empty text gives no line.
std::vector<std::string> splitLines(std::string_view text);

// Reads, decodes and splits a text file.
Result<std::vector<std::string>> readTextLines(const std::filesystem::path& path,
                                               std::uintmax_t maxBytes = std::uintmax_t(1) << 31);

// Builds the bytes of a text file line by line, each line ended by CR LF.
class TextWriter {
public:
    TextWriter& line(std::string_view text);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Writes a temporary file in the target's folder, flushes it and renames it
// over the target. On failure the target is untouched and the temporary file
// removed.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// True when both paths name the same existing file (or the same path text).
bool samePath(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace vornax
