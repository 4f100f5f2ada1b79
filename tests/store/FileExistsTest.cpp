#include "store/FileExists.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(FileExists, MatchesNamesAndWildcards)
{
    testing::TempFolder dir;
    dir.write("run1.wav", "x");
    dir.write("essai.ReT", "x");
    const std::string base = dir.path().string() + "/";
    struct Case {
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {base + "run1.wav", true},
        {base + "run2.wav", false},
        {base + "*.wav", true},
        {base + "run?.wav", true},
        {base + "r*1.w?v", true},
        {base + "*.txt", false},
        {base + "*", true},
        {base + "??.wav", false},
        {"", false},
        {base + "nowhere/*.wav", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileExists(c.path), c.exists) << c.path;
}

}  // namespace
}  // namespace vornax
