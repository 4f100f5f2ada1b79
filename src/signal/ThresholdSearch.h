// Finding the next byte on one side of a threshold, sixteen bytes at a time.
// The spark detection spends nearly all its time looking for the next byte
// that crosses the threshold; these searches give the same position a
// byte-by-byte scan would.
#pragma once

#include <cstdint>
#include <string_view>

namespace vornax {

enum class Side {
    AtOrAbove,  // byte >= threshold
    AtOrBelow,  // byte <= threshold
    Below,      // byte < threshold
};

// The first 1-based position p >= from (and >= 1) whose byte is on `side`
// of `threshold`; when none is, the first position past the end a
// byte-by-byte scan from there would read: max(from, file.size() + 1).
std::int64_t findByte(std::string_view file, std::int64_t from, Side side, int threshold);

}  // namespace vornax
