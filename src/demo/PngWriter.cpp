#include "demo/PngWriter.h"

#include <array>
#include <stdexcept>

namespace vornax {
namespace {

void putBig32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void chunk(std::string& out, std::string_view type, std::string_view data)
{
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    std::string typed(type);
    typed += data;
    out += typed;
    // The CRC covers the type and the data, not the length.
    putBig32(out, crc32(typed));
}

}  // namespace

std::uint32_t crc32(std::string_view bytes, std::uint32_t crc)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char b : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(std::string_view bytes)
{
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (const char c : bytes) {
        a = (a + static_cast<unsigned char>(c)) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::string zlibStored(std::string_view data)
{
    std::string out;
    // CMF 0x78: deflate with a 32 KiB window; FLG 0x01 makes the header a
    // multiple of 31 (0x7801 = 30721 = 31 × 991), no dictionary, fastest.
    out.push_back(0x78);
    out.push_back(0x01);
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, data.size() - at);
        const bool last = at + length == data.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        const auto len = static_cast<std::uint16_t>(length);
        const auto nlen = static_cast<std::uint16_t>(~len);
        out.push_back(static_cast<char>(len & 0xFF));
        out.push_back(static_cast<char>(len >> 8));
        out.push_back(static_cast<char>(nlen & 0xFF));
        out.push_back(static_cast<char>(nlen >> 8));
        out.append(data.substr(at, length));
        at += length;
    } while (at < data.size());
    putBig32(out, adler32(data));
    return out;
}

std::string pngFile(int width, int height, std::string_view rgb)
{
    if (width < 1 || height < 1 || rgb.size() != static_cast<std::size_t>(width) * height * 3)
        throw std::invalid_argument("pngFile: the pixels do not match the size");
    std::string out("\x89PNG\r\n\x1A\n", 8);

    std::string header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, no interlace
    chunk(out, "IHDR", header);

    std::string raw;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    raw.reserve((stride + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter type None
        raw.append(rgb.substr(y * stride, stride));
    }
    chunk(out, "IDAT", zlibStored(raw));
    chunk(out, "IEND", {});
    return out;
}

}  // namespace vornax
