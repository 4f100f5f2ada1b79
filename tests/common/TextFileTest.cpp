#include "common/TextFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vornax {
namespace {

using testing::TempFolder;

TEST(TextFile, SplitsCrLfAndLfLines)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(splitLines("x\r"), (V{"x"}));
}

TEST(TextFile, DecodesUtf8OrWindows1252)
{
    EXPECT_EQ(decodeText("G\xC3\xA9n\xC3\xA9reaux"), "G\xC3\xA9n\xC3\xA9reaux");  // valid UTF-8 kept
    EXPECT_EQ(decodeText("G\xE9n\xE9reaux"), "G\xC3\xA9n\xC3\xA9reaux");          // 1252 e-acute
    EXPECT_EQ(decodeText("\x80"), "\xE2\x82\xAC");                                // euro sign
    EXPECT_FALSE(isValidUtf8("\xC3"));                                            // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));                                        // overlong
}

TEST(TextFile, WritesCrLfAtomicallyAndKeepsOldFileOnFailure)
{
    TempFolder dir;
    const auto target = dir / "out.txt";
    TextWriter w;
    w.line("1;2").line(" 3 ");
    ASSERT_TRUE(writeFileAtomically(target, w.bytes()));
    EXPECT_EQ(TempFolder::read(target), "1;2\r\n 3 \r\n");
    ASSERT_TRUE(writeFileAtomically(target, "second"));
    EXPECT_EQ(TempFolder::read(target), "second");

    if (::geteuid() != 0) {  // root writes into read-only folders anyway
        ::chmod(dir.path().c_str(), 0555);
        const Status failed = writeFileAtomically(target, "third");
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_FALSE(failed);
        EXPECT_EQ(TempFolder::read(target), "second");
    }
    const Status noFolder = writeFileAtomically(dir / "missing/x.txt", "x");
    EXPECT_FALSE(noFolder);
    EXPECT_NE(noFolder.error().find("missing"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temp left
}

TEST(TextFile, ReadRefusesMissingFoldersAndOversizedFiles)
{
    TempFolder dir;
    EXPECT_FALSE(readTextLines(dir / "none.txt"));
    EXPECT_FALSE(readTextLines(dir.path()));
    const auto f = dir.write("big.txt", std::string(100, 'x'));
    EXPECT_FALSE(readFileBytes(f, 10));
    EXPECT_TRUE(readFileBytes(f, 100));
}

}  // namespace
}  // namespace vornax

// A message quotes a file's line whole and harmless, whatever the file held.
TEST(TextFile, QuotedValueShowsControlCharactersAndCutsLongText)
{
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {"4500", "\"4500\""},
        {std::string("RIFF\0\x1b[2J\r", 10), "\"RIFF\\x00\\x1B[2J\\x0D\""},
        {std::string("a\x7f") + "b", "\"a\\x7Fb\""},
        {std::string(50, '9'), "\"" + std::string(40, '9') + "…\""},
        // never cut inside a character: "é" is two bytes, the 40th its first
        {std::string(39, 'x') + "é", "\"" + std::string(39, 'x') + "…\""},
        {std::string(39, 'x') + "é" + "z", "\"" + std::string(39, 'x') + "…\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vornax::quotedValue(c.text), c.quoted) << c.text;
}
