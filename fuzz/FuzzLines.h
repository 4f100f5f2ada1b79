// Shared by the fuzz targets: the fuzzer's bytes as the lines a text reader
// would get from a file (decoded as UTF-8 or Windows-1252, split at CR LF or
// LF), exactly as readTextLines hands them over.
#pragma once

#include "common/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vornax::fuzzing {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline std::vector<std::string> linesOf(const std::uint8_t* data, std::size_t size)
{
    return splitLines(decodeText(bytesOf(data, size)));
}

}  // namespace vornax::fuzzing
