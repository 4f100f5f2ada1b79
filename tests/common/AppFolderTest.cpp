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
    ::unsetenv("VORNAX_HOME");
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    resetAppFolderForTests();
    EXPECT_EQ(appFolder(), data / "vornax-meter");
    EXPECT_TRUE(std::filesystem::is_directory(data / "vornax-meter/lang"));
    if (!shippedLanguageFolder().empty())
        EXPECT_TRUE(std::filesystem::exists(data / "vornax-meter/lang/lang.lang"));
    ::unsetenv("XDG_DATA_HOME");
    resetAppFolderForTests();
}

}  // namespace
}  // namespace vornax
