// The 5 × 7 dot font of Picture: digits, capitals and the punctuation that
// axis numbers, units and titles need.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vornax {

// Seven rows of five bits each, bit 4 the leftmost dot.
using Glyph = std::array<std::uint8_t, 7>;

// The glyph of one character of UTF-8 text (already split into code points):
// lower case maps to upper case, accented Latin letters to their base letter;
// an unknown character gives a hollow box.
const Glyph& glyphFor(char32_t character);

// UTF-8 text as code points; a byte that does not start a valid sequence
// counts as one Windows-1252 character.
std::vector<char32_t> codePoints(std::string_view text);

}  // namespace vornax
