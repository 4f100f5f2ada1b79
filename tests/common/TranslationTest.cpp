#include "common/Translation.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(Translation, FillsPlacesAfterTranslating)
{
    EXPECT_EQ(tx("T", "line %1: %2").arg("3").arg("\"x\"").str(), "line 3: \"x\"");
    EXPECT_EQ(fillPlaces("%2 before %1, %3 stays, 100%", {"a", "%2"}), "%2 before a, %3 stays, 100%");

    setTranslator([](const char* context, const char* source) {
        return std::string(context) == "T" && std::string(source) == "line %1: %2" ? "%2 (ligne %1)" : source;
    });
    const std::string shown = tx("T", "line %1: %2").arg("3").arg("\"x\"");
    EXPECT_EQ(shown, "\"x\" (ligne 3)");
    EXPECT_EQ(tx("Other", "line %1: %2").arg("3").arg("y").str(), "line 3: y");
    setTranslator({});
    EXPECT_EQ(tx("T", "line %1: %2").arg("3").arg("y").str(), "line 3: y");
}

}  // namespace
}  // namespace vornax
