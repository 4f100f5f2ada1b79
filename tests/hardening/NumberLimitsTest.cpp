// Number texts at the edges of what a file can hold: every reader parses its
// fields through these, so a wrong answer here is a wrong value in every file.
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace vornax;

TEST(NumberLimits, ExponentsFarPastTheRangeAreRefusedOrZero)
{
    struct Case {
        const char* text;
        bool number;  // false: refused
        double value;
    };
    const Case cases[] = {
        {"95E9223372036854775807", false, 0},  // largest exponent a long long holds
        {"95E+9223372036854775807", false, 0},
        {"95E99999999999999999999999", false, 0},  // past a long long
        {"0,01E-9223372036854775808", true, 0},    // smallest one: too small is zero
        {"-0,01E-99999999999999999999999", true, 0},
        {"1E+38", true, 1e38},
        {"1E+39", false, 0},
        {"1E-46", true, 0},
    };
    for (const Case& c : cases) {
        const std::optional<float> single = parseSingle(c.text);
        ASSERT_EQ(single.has_value(), c.number) << c.text;
        if (c.number) {
            EXPECT_FLOAT_EQ(*single, static_cast<float>(c.value)) << c.text;
        }
        EXPECT_EQ(parseDouble(c.text).has_value(), c.number || std::string(c.text) == "1E+39") << c.text;
    }
}
