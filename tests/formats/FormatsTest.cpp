#include "formats/EngineSpeedFile.h"
#include "formats/PowerCurveFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vornax {
namespace {

TEST(EngineSpeedFile, ReadsALineAsItsTwoReadersExpect)
{
    struct Case {
        const char* line;
        RunLineFault fault;
        float time, rpm;
    } const cases[] = {
        {"2,5;3012,4", RunLineFault::None, 2.5f, 3012.4f},   {"3;4500", RunLineFault::None, 3, 4500},
        {" 1.25 ; 1E+03 ", RunLineFault::None, 1.25f, 1000},  // a point and an exponent are read too
        {"1;2;3", RunLineFault::NotANumber, 0, 0},            // split at the first ";"
        {"1,5 4500", RunLineFault::NoSeparator, 0, 0},       {"", RunLineFault::NoSeparator, 0, 0},
        {";4500", RunLineFault::NotANumber, 0, 0},           {"x;4500", RunLineFault::NotANumber, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const RunLine read = readRunLine(c.line);
        EXPECT_EQ(read.fault, c.fault);
        if (c.fault == RunLineFault::None) {
            EXPECT_EQ(read.point.time, c.time);
            EXPECT_EQ(read.point.rpm, c.rpm);
        }
    }
}

TEST(EngineSpeedFile, WritesWhatItReads)
{
    const std::vector<RunPoint> points{{0.1f, 2000}, {2.5f, 3012.4f}, {12.125f, -0.5f}};
    const std::string text = runFileText(points);
    EXPECT_EQ(text, "0,1;2000\r\n2,5;3012,4\r\n12,125;-0,5\r\n");
    std::size_t from = 0;
    for (const RunPoint& p : points) {
        const std::size_t end = text.find("\r\n", from);
        const RunLine read = readRunLine(std::string_view(text).substr(from, end - from));
        EXPECT_EQ(read.point.time, p.time);
        EXPECT_EQ(read.point.rpm, p.rpm);
        from = end + 2;
    }
}

TEST(PowerCurveFile, ReadsEachFieldOfADataLine)
{
    struct Case {
        const char* line;
        std::optional<float> rpm;
        bool threeFields;
        std::optional<double> torque, power;
    } const cases[] = {
        {"3000;9,5;40", 3000.0f, true, 9.5, 40.0},           {"3000;9,5", 3000.0f, false, std::nullopt, std::nullopt},
        {"x;9,5;40", std::nullopt, true, 9.5, 40.0},         {"3000;;40", 3000.0f, true, std::nullopt, 40.0},
        {"3000;9,5;40;1", 3000.0f, true, 9.5, std::nullopt},  // power is all after the second ";"
        {"3000;1E+300;40", 3000.0f, true, 1e300, 40.0},       // doubles: the readers rescale first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const PowerDataLine read = readPowerDataLine(c.line);
        EXPECT_EQ(read.rpm, c.rpm);
        EXPECT_EQ(read.threeFields, c.threeFields);
        EXPECT_EQ(read.torque, c.torque);
        EXPECT_EQ(read.power, c.power);
    }
    EXPECT_TRUE(isFactorLine(" 736 "));
    EXPECT_TRUE(isFactorLine(""));
    EXPECT_FALSE(isFactorLine("736;"));
    EXPECT_EQ(readFactorLine(" 735,5 "), 735.5f);
    EXPECT_EQ(readFactorLine("watts"), std::nullopt);
}

TEST(PowerCurveFile, WritesTheDataLinesThenTheFactors)
{
    const std::vector<PowerPoint> points{{3000, 9.5f, 40}, {3500.5f, -1, 1.5e7f}};
    EXPECT_EQ(powerFileText(points, 735.5f, 0.102f), "3000;9,5;40\r\n3500,5;-1;1,5E+07\r\n 735,5 \r\n 0,102 \r\n");
    EXPECT_EQ(powerFileText({}, 736, 1), " 736 \r\n 1 \r\n");
}

}  // namespace
}  // namespace vornax
