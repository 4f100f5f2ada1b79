// The PNG writer, the raster picture and its font, and the chart's scales.
#include "demo/BitmapFont.h"
#include "demo/Chart.h"
#include "demo/Picture.h"
#include "demo/PngWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace vornax {
namespace {

std::uint32_t big32(std::string_view s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v = (v << 8) | static_cast<unsigned char>(s[at + k]);
    return v;
}

// Reads a zlib stream of stored blocks back; empty when it is not one.
std::string unstore(std::string_view z)
{
    std::string out;
    if (z.size() < 6 || (static_cast<unsigned char>(z[0]) * 256 + static_cast<unsigned char>(z[1])) % 31 != 0)
        return {};
    std::size_t at = 2;
    for (bool last = false; !last;) {
        last = z[at] & 1;
        const unsigned len = static_cast<unsigned char>(z[at + 1]) | static_cast<unsigned char>(z[at + 2]) << 8;
        const unsigned nlen = static_cast<unsigned char>(z[at + 3]) | static_cast<unsigned char>(z[at + 4]) << 8;
        if ((len ^ nlen) != 0xFFFF || (z[at] & 6) != 0)
            return {};
        out.append(z.substr(at + 5, len));
        at += 5 + len;
    }
    return big32(z, at) == adler32(out) && at + 4 == z.size() ? out : std::string();
}

TEST(PngWriter, ChecksumsMatchTheirReferenceValues)
{
    EXPECT_EQ(crc32("IEND"), 0xAE426082u);
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
    EXPECT_EQ(adler32("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(adler32(""), 1u);
}

TEST(PngWriter, StoredBlocksHoldTheDataWhateverItsLength)
{
    for (const std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(65535), std::size_t(65536),
                                   std::size_t(200000)}) {
        std::string data(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            data[i] = static_cast<char>(i * 7 + i / 300);
        EXPECT_EQ(unstore(zlibStored(data)), data) << size;
    }
}

TEST(PngWriter, FileHoldsValidChunksAndTheUnfilteredRows)
{
    const std::string rgb("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\x10\x20\x30\x40\x50\x60\x70\x80\x90", 18);
    const std::string png = pngFile(3, 2, rgb);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    std::size_t at = 8;
    std::vector<std::string> types;
    std::string idat;
    while (at < png.size()) {
        const std::uint32_t length = big32(png, at);
        const std::string_view typed = std::string_view(png).substr(at + 4, 4 + length);
        EXPECT_EQ(big32(png, at + 8 + length), crc32(typed)) << typed.substr(0, 4);
        types.emplace_back(typed.substr(0, 4));
        if (types.back() == "IHDR") {
            EXPECT_EQ(big32(png, at + 8), 3u);
            EXPECT_EQ(big32(png, at + 12), 2u);
            EXPECT_EQ(png.substr(at + 16, 5), std::string("\x08\x02\x00\x00\x00", 5));
        }
        if (types.back() == "IDAT")
            idat = std::string(typed.substr(4));
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(unstore(idat), std::string(1, '\0') + rgb.substr(0, 9) + std::string(1, '\0') + rgb.substr(9));
    EXPECT_THROW(pngFile(3, 2, "short"), std::invalid_argument);
}

TEST(Picture, LinesCoverBothEndsAndDashesLeaveGaps)
{
    const Rgb red{255, 0, 0}, white{255, 255, 255};
    Picture p(20, 10);
    p.line(2, 3, 12, 3, red);
    for (int x = 2; x <= 12; ++x)
        EXPECT_EQ(p.at(x, 3), red) << x;
    EXPECT_EQ(p.at(1, 3), white);
    EXPECT_EQ(p.at(13, 3), white);

    Picture dashed(20, 10);
    dashed.line(0, 5, 19, 5, red, 1, 4);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(dashed.at(x, 5) == red, (x / 4) % 2 == 0) << x;

    Picture thick(20, 10);
    thick.line(0, 5, 19, 5, red, 3);
    EXPECT_EQ(thick.at(7, 4), red);
    EXPECT_EQ(thick.at(7, 6), red);
    EXPECT_EQ(thick.at(7, 7), white);

    // Ends far outside or not finite: no crash, nothing out of place.
    Picture wild(20, 10);
    wild.line(-1e12, 5, 1e12, 5, red);
    wild.line(0, 0, std::nan(""), 3, red);
    EXPECT_EQ(wild.at(10, 5), red);
    EXPECT_EQ(wild.at(0, 0), white);
}

TEST(Picture, TextDrawsTheFontsDots)
{
    const Rgb ink{0, 0, 0};
    Picture p(40, 20);
    p.text(1, 1, "1", ink);
    // "1": ..#.. / .##.. / ..#.. x4 / .###.
    EXPECT_EQ(p.at(3, 1), ink);
    EXPECT_EQ(p.at(1, 1), (Rgb{255, 255, 255}));
    EXPECT_EQ(p.at(2, 2), ink);
    EXPECT_EQ(p.at(2, 7), ink);
    EXPECT_EQ(p.at(4, 7), ink);
    EXPECT_EQ(Picture::textWidth("1"), 5);
    EXPECT_EQ(Picture::textWidth("12,5", 2), (4 * 6 - 1) * 2);
    EXPECT_EQ(Picture::textWidth("é"), 5);  // one character, not two bytes

    Picture right(40, 20);
    right.text(30, 1, "1", ink, 1, TextAlign::Right);
    EXPECT_EQ(right.at(27, 1), ink);  // the glyph spans 25 ... 29
}

TEST(BitmapFont, MapsCaseAccentsAndUnknownCharacters)
{
    EXPECT_EQ(glyphFor(U'a'), glyphFor(U'A'));
    EXPECT_EQ(glyphFor(U'\u00E9'), glyphFor(U'E'));  // é
    EXPECT_EQ(glyphFor(U'\u00C7'), glyphFor(U'C'));  // Ç
    EXPECT_NE(glyphFor(U'0'), glyphFor(U'O'));
    EXPECT_EQ(glyphFor(U'\u4E00'), glyphFor(U'\u4E01'));  // both the box
    EXPECT_EQ(codePoints("a\xC3\xA9z"), (std::vector<char32_t>{U'a', U'\u00E9', U'z'}));
    EXPECT_EQ(codePoints("\xE9t\xE9"), (std::vector<char32_t>{0xE9, U't', 0xE9}));  // Windows-1252 bytes
    EXPECT_EQ(codePoints("\xC3"), (std::vector<char32_t>{0xC3}));                   // cut short
}

TEST(Chart, GridValuesAreRound)
{
    struct Case {
        double lo, hi;
        int divisions;
        double low, high, step;
    } const cases[] = {
        {0, 58.5, 6, 0, 60, 10},  {2370, 5760, 8, 2000, 6000, 500}, {0, 9.8, 6, 0, 10, 2},
        {0, 1780, 6, 0, 2000, 500}, {-3, 7, 5, -4, 8, 2},         {5, 5, 6, 5, 5.5, 0.1},
    };
    for (const Case& c : cases) {
        const NiceScale s = niceScale(c.lo, c.hi, c.divisions);
        EXPECT_DOUBLE_EQ(s.step, c.step) << c.lo << " " << c.hi;
        EXPECT_NEAR(s.low, c.low, 1e-9) << c.lo << " " << c.hi;
        EXPECT_NEAR(s.high, c.high, 1e-9) << c.lo << " " << c.hi;
    }
    // A second axis shares the first one's divisions and covers its range.
    for (const int divisions : {4, 6, 8}) {
        const NiceScale m = matchingScale(0, 9.8, divisions);
        EXPECT_EQ(m.divisions(), divisions);
        EXPECT_GE(m.high, 9.8);
        EXPECT_LE(m.low, 0);
    }
    EXPECT_EQ(gridText(7.5, 2.5), "7,5");
    EXPECT_EQ(gridText(6000, 500), "6000");
    EXPECT_EQ(gridText(0.25, 0.05), "0,25");
    EXPECT_EQ(gridText(-1e-17, 0.5), "0,0");
}

}  // namespace
}  // namespace vornax
