#include "common/AppFolder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vornax {
namespace {

using testing::TempFolder;

TEST(AppFolder, FollowsVornaxHomeAndCreatesDefaultFoldersOnFirstUse)
{
    TempFolder home;
    home.useAsAppFolder();
    EXPECT_EQ(appFolder(), home.path());
    for (const char* name : {"Wav", "RPM", "Mini", "Puissance", "Acc", "lang"}) {
        const auto folder = defaultFolder(name);
        EXPECT_EQ(folder, home / name);
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << name;
    }
}

TEST(AppFolder, NewHomeUnderXdgDataIsSeededWithTheShippedLanguages)
{
    // The test program's folder holds no lang/, so the data folder is used.
    TempFolder data;
    setShippedLanguageFolderForTests(VORNAX_LANG_DIR);
    ::unsetenv("VORNAX_HOME");
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    resetAppFolderForTests();
    EXPECT_EQ(appFolder(), data / "vornax-meter");
    EXPECT_EQ(TempFolder::read(data / "vornax-meter/lang/lang.lang"),
              TempFolder::read(std::filesystem::path(VORNAX_LANG_DIR) / "lang.lang"));
    EXPECT_TRUE(std::filesystem::exists(data / "vornax-meter/lang/english.txt"));
    ::unsetenv("XDG_DATA_HOME");
    setShippedLanguageFolderForTests({});
    resetAppFolderForTests();
}

// Whatever state the folder is found in, the program ends up reading a French
// lang.lang: copied into the folder when it can be written, else the shipped
// one, with the reason kept to be said once.
TEST(AppFolder, FirstStartAlwaysFindsALanguageFile)
{
    namespace fs = std::filesystem;
    const std::string french = TempFolder::read(fs::path(VORNAX_LANG_DIR) / "francais.txt");
    struct Case {
        const char* name;
        void (*prepare)(const TempFolder& folder);
        bool writable;
    };
    const Case cases[] = {
        {"missing folder", [](const TempFolder&) {}, true},
        {"empty folder made beforehand", [](const TempFolder& f) { fs::create_directories(f / "home"); }, true},
        {"empty lang folder", [](const TempFolder& f) { fs::create_directories(f / "home/lang"); }, true},
        {"lang.lang deleted, a user's file kept",
         [](const TempFolder& f) { f.write("home/lang/english.txt", "mine\r\n"); }, true},
        {"empty lang.lang", [](const TempFolder& f) { f.write("home/lang/lang.lang", ""); }, true},
        // A folder below a plain file cannot be made, even by root.
        {"cannot be written", [](const TempFolder& f) { f.write("home", "a file"); }, false},
    };
    setShippedLanguageFolderForTests(VORNAX_LANG_DIR);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        c.prepare(folder);
        const fs::path home = c.writable ? folder / "home" : folder / "home/app";
        ::setenv("VORNAX_HOME", home.c_str(), 1);
        resetAppFolderForTests();
        EXPECT_EQ(TempFolder::read(usableActiveLanguageFile()), french);
        EXPECT_EQ(languageFolderProblem().has_value(), !c.writable);
        if (c.writable)
            EXPECT_EQ(usableActiveLanguageFile(), home / "lang/lang.lang");
        else
            EXPECT_NE(languageFolderProblem()->find(home.string()), std::string::npos);
    }
    {
        TempFolder folder;
        folder.write("home/lang/english.txt", "mine\r\n");
        ::setenv("VORNAX_HOME", (folder / "home").c_str(), 1);
        resetAppFolderForTests();
        appFolder();
        EXPECT_EQ(TempFolder::read(folder / "home/lang/english.txt"), "mine\r\n");  // kept
    }
    ::unsetenv("VORNAX_HOME");
    setShippedLanguageFolderForTests({});
    resetAppFolderForTests();
}

}  // namespace
}  // namespace vornax
