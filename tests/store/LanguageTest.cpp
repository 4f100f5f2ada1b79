#include "store/Language.h"

#include "TempFolder.h"
#include "common/TextFile.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

std::vector<std::string> numberedLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

TEST(Language, AppliesTheLinesAFileReaches)
{
    struct Case {
        int lines;
        const char* perteBoite;  // line 15, replaced by line 26
        const char* kmhMph;      // line 55
        const char* propos;      // line 91
        bool menuCaptions;
    };
    const Case cases[] = {
        {91, "line 26", "line 55", "line 91", true},
        {92, "line 26", "line 55", "line 91", true},  // a 92nd line changes nothing
        {50, "line 26", "LbkmhMph", "A propos de", true},
        {26, "line 26", "LbkmhMph", "A propos de", true},
        {20, "line 15", "LbkmhMph", "A propos de", true},
        {11, "pertedeboite", "LbkmhMph", "A propos de", false},
        {0, "pertedeboite", "LbkmhMph", "A propos de", false},
    };
    for (const Case& c : cases) {
        Varia v;
        const LanguageLoad load = applyLanguageLines(v, numberedLines(c.lines));
        EXPECT_EQ(load.linesRead, std::min(c.lines, 91)) << c.lines;
        EXPECT_EQ(v.get("LbPerteBoite"), c.perteBoite) << c.lines;
        EXPECT_EQ(v.get("LbkmhMph"), c.kmhMph) << c.lines;
        EXPECT_EQ(v.get("Lbpropos"), c.propos) << c.lines;
        EXPECT_EQ(v.get("Lbversion"), "The Vornax Meter");  // never in the file
        EXPECT_EQ(load.langueCaption.has_value(), c.menuCaptions) << c.lines;
    }
}

TEST(Language, MapsEveryUsedLineToItsOwnEntry)
{
    Varia v;
    applyLanguageLines(v, numberedLines(91));
    EXPECT_EQ(v.get("lblVersion"), "line 1");
    EXPECT_EQ(v.get("LbMmini"), "line 3");
    EXPECT_EQ(v.get("LbAcc"), "line 9");
    EXPECT_EQ(v.get("LbApropo"), "line 11");
    EXPECT_EQ(v.get("LbCharger"), "line 14");
    EXPECT_EQ(v.get("LbInertieMot"), "line 31");
    EXPECT_EQ(v.get("Lbnombredeteincel"), "line 39");
    EXPECT_EQ(v.get("LbPuissanceinitial"), "line 46");
    EXPECT_EQ(v.get("LbCoupleEn"), "line 53");
    EXPECT_EQ(v.get("LbConvertionNm"), "line 61");
    EXPECT_EQ(v.get("LbEstimer"), "line 76");
    EXPECT_EQ(v.get("LbTsyn"), "line 88");
    // Every language entry but the title takes a line; the vehicle entries none.
    for (const EntryInfo& e : Varia::entries()) {
        if (e.kind == EntryKind::Language)
            EXPECT_EQ(v.get(e.name).rfind("line ", 0), 0u) << e.name;
        else
            EXPECT_EQ(v.get(e.name), e.initial) << e.name;
    }
}

TEST(Language, ShippedFilesHaveNinetyOneLinesWithUsableFactors)
{
    for (const char* name : {"francais.txt", "english.txt", "lang.lang"}) {
        const auto lines = readTextLines(std::filesystem::path(VORNAX_LANG_DIR) / name);
        ASSERT_TRUE(lines) << name;
        EXPECT_EQ(lines->size(), 91u) << name;
        Varia v;
        applyLanguageLines(v, *lines);
        EXPECT_TRUE(v.single("LbConvertionWatt")) << name;
        EXPECT_TRUE(v.single("LbConvertionNm")) << name;
        EXPECT_TRUE(v.single("Lbcoefkm")) << name;
    }
}

TEST(Language, InstallingReplacesTheActiveFileWithCrLfLines)
{
    TempFolder dir;
    const auto active = dir.write("lang/lang.lang", "old\r\n");
    const auto chosen = dir.write("lang/new.txt", "un\ndeux\r\ntrois");
    ASSERT_TRUE(installLanguageFile(chosen, active));
    EXPECT_EQ(TempFolder::read(active), "un\r\ndeux\r\ntrois\r\n");
    // A chosen file that cannot be read leaves the active file as it was.
    EXPECT_FALSE(installLanguageFile(dir / "lang/missing.txt", active));
    EXPECT_EQ(TempFolder::read(active), "un\r\ndeux\r\ntrois\r\n");
    // Choosing the active file itself keeps it intact.
    EXPECT_TRUE(installLanguageFile(active, active));
    EXPECT_EQ(TempFolder::read(active), "un\r\ndeux\r\ntrois\r\n");
}

TEST(Language, ProgramLanguageComesFromLineTwo)
{
    const struct {
        std::vector<std::string> lines;
        const char* code;
    } cases[] = {
        {{"v", "Langue : français [fr]"}, "fr"},
        {{"v", "Language: English [en]  "}, "en"},
        {{"v", "Sprache: Deutsch [de]"}, "de"},
        {{"v", "Langue : français"}, "fr"},  // a copy made before the code was written there
        {{"v", "Language: English"}, "en"},
        {{"v", "Idioma: español"}, "en"},  // any other language file
        {{"v", "[../x]"}, "en"},           // brackets holding no code
        {{"v"}, "fr"},                     // too short: the store keeps its French texts
        {{}, "fr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programLanguageOf(c.lines), c.code) << (c.lines.size() > 1 ? c.lines[1] : "(short)");
    for (const auto& [name, code] : {std::pair{"francais.txt", "fr"}, std::pair{"english.txt", "en"}})
        EXPECT_EQ(programLanguageOfFile(std::filesystem::path(VORNAX_LANG_DIR) / name), code);
    EXPECT_EQ(programLanguageOfFile(std::filesystem::path(VORNAX_LANG_DIR) / "missing.txt"), "fr");
}

}  // namespace
}  // namespace vornax
