// PNG files without a compression library: 8-bit RGB, no interlace, every
// scanline unfiltered, the image data in stored (uncompressed) deflate blocks
// inside a zlib stream. Larger than a compressed PNG, read by every viewer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vornax {

// CRC-32 as PNG chunks use it (polynomial 0xEDB88320, reflected, starting
// and ending with all bits inverted). crc32("IEND") = 0xAE426082.
std::uint32_t crc32(std::string_view bytes, std::uint32_t crc = 0);

// Adler-32 of the zlib trailer. adler32("Wikipedia") = 0x11E60398.
std::uint32_t adler32(std::string_view bytes);

// A zlib stream holding `data` in stored blocks of at most 65 535 bytes.
std::string zlibStored(std::string_view data);

// The whole PNG file of a width × height image whose pixels are given row by
// row, top to bottom, three bytes (R, G, B) each. width and height >= 1;
// rgb.size() == width × height × 3.
std::string pngFile(int width, int height, std::string_view rgb);

}  // namespace vornax
