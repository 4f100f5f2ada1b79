#include "signal/ThresholdSearch.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vornax {
namespace {

bool onSide(int byte, Side side, int threshold)
{
    switch (side) {
    case Side::AtOrAbove: return byte >= threshold;
    case Side::AtOrBelow: return byte <= threshold;
    case Side::Below: return byte < threshold;
    }
    return false;
}

}  // namespace

std::int64_t findByte(std::string_view file, std::int64_t from, Side side, int threshold)
{
    const auto size = static_cast<std::int64_t>(file.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    std::int64_t p = std::max<std::int64_t>(from, 1);
    if (p > size)
        return p;
#if defined(__SSE2__)
    // Unsigned comparisons through max/min: x >= t exactly when max(x, t) == x.
    if (threshold >= 0 && threshold <= 255) {
        const __m128i t = _mm_set1_epi8(static_cast<char>(threshold));
        while (p + 15 <= size) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + p - 1));
            __m128i hit;
            if (side == Side::AtOrAbove)
                hit = _mm_cmpeq_epi8(_mm_max_epu8(x, t), x);
            else if (side == Side::AtOrBelow)
                hit = _mm_cmpeq_epi8(_mm_min_epu8(x, t), x);
            else  // below: not at or above
                hit = _mm_xor_si128(_mm_cmpeq_epi8(_mm_max_epu8(x, t), x), _mm_set1_epi8(-1));
            const int mask = _mm_movemask_epi8(hit);
            if (mask != 0)
                return p + __builtin_ctz(static_cast<unsigned>(mask));
            p += 16;
        }
    }
#endif
    for (; p <= size; ++p)
        if (onSide(bytes[p - 1], side, threshold))
            return p;
    return size + 1;
}

}  // namespace vornax
