#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

namespace vornax {
namespace {

TEST(NumberText, ParsesSinglesWithCommaOrPoint)
{
    struct Case {
        const char* text;
        std::optional<float> expected;
    };
    const Case cases[] = {
        {"3,105", 3.105f},
        {"3.105", 3.105f},
        {"  0,11 ", 0.11f},
        {"-2,5", -2.5f},
        {"+4", 4.0f},
        {"100,", 100.0f},
        {",5", 0.5f},
        {"1,5E+07", 1.5e7f},
        {"1e-3", 0.001f},
        {"1E-60", 0.0f},
        {"1,2,3", std::nullopt},
        {"?", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {",", std::nullopt},
        {".", std::nullopt},
        {"12a", std::nullopt},
        {"1E", std::nullopt},
        {"1E400", std::nullopt},
        {"1 000", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseSingle(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberText, ParsesSixteenBitIntegersWithHalvesToEven)
{
    struct Case {
        const char* text;
        std::optional<std::int16_t> expected;
    };
    const Case cases[] = {
        {"22,5", 22},
        {"23,5", 24},
        {"22,62", 23},
        {"-2,5", -2},
        {"650", 650},
        {"145", 145},
        {"32767", 32767},
        {"32767,5", std::nullopt},
        {"-32768", -32768},
        {"-32769", std::nullopt},
        {"40000", std::nullopt},
        {"?", std::nullopt},
        {"", std::nullopt},
        {"0,5", 0},
        {"1,5", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseInt16(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberText, WritesShortestSingleAndFullDouble)
{
    EXPECT_EQ(singleText(45.925161f), "45,92516");
    EXPECT_EQ(singleText(12345678.0f), "1,234568E+07");
    EXPECT_EQ(singleText(1234567.0f), "1234567");
    EXPECT_EQ(singleText(0.00001f), "1E-05");
    EXPECT_EQ(singleText(0.0001f), "0,0001");
    EXPECT_EQ(singleText(0.11f), "0,11");
    EXPECT_EQ(singleText(3.0f), "3");
    EXPECT_EQ(singleText(-0.0f), "0");
    EXPECT_EQ(singleText(-2.5f), "-2,5");
    EXPECT_EQ(singleText(9999999.5f), "1E+07");  // rounding carries into the exponent
    EXPECT_EQ(doubleText(22.62190625), "22,62190625");
    EXPECT_EQ(doubleText(0.1), "0,1");
    EXPECT_EQ(doubleText(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(printedSingle(3.5f), " 3,5 ");
    EXPECT_EQ(printedSingle(-2.0f), "-2 ");
    EXPECT_EQ(printedDouble(0.0), " 0 ");
}

TEST(NumberText, FormatsDisplayPatterns)
{
    struct Case {
        double value;
        Pattern pattern;
        const char* expected;
    };
    const Case cases[] = {
        {22.62, Pattern::UpToOne, "22,6"},
        {100.0, Pattern::UpToOne, "100,"},
        {0.04, Pattern::UpToOne, "0,"},
        {22.05, Pattern::UpToOne, "22,1"},
        {2.675, Pattern::TwoDecimals, "2,68"},
        {0.0, Pattern::TwoDecimals, "0,00"},
        {-1.005, Pattern::TwoDecimals, "-1,01"},
        {9.96, Pattern::OneDecimal, "10,0"},
        {0.05, Pattern::OneDecimal, "0,1"},
        {-0.04, Pattern::OneDecimal, "0,0"},
        {22.5, Pattern::Whole, "23"},
        {-22.5, Pattern::Whole, "-23"},
        {0.4, Pattern::Whole, "0"},
        {1234567.891, Pattern::TwoDecimals, "1234567,89"},
        {1e20, Pattern::Whole, "100000000000000000000"},
        {0.000001, Pattern::OneDecimal, "0,0"},
        {76.04756, Pattern::OneDecimal, "76,0"},
        {1.0325, Pattern::ThreeDecimals, "1,033"},
        {0.9995, Pattern::ThreeDecimals, "1,000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.expected) << c.value;
    EXPECT_EQ(patternFromText("#0.#"), Pattern::UpToOne);
    EXPECT_EQ(patternFromText("0.0"), std::nullopt);
}

TEST(NumberText, TextRoundTripsThroughParsing)
{
    for (float v : {0.11f, 3.627f, 45.925161f, 1.0e-5f, 123456.7f, -8.25f})
        EXPECT_EQ(parseSingle(singleText(v)), parseSingle(singleText(*parseSingle(singleText(v)))));
    EXPECT_EQ(pointsToCommas("1.5.2"), "1,5,2");
}

TEST(NumberText, WholeTextAndJsonSingles)
{
    EXPECT_EQ(wholeText(5447.5), "5448");
    EXPECT_EQ(wholeText(5446.5), "5446");  // halves to even
    EXPECT_EQ(wholeText(-0.4), "0");
    EXPECT_EQ(decimalsText(0.052, 3), "0,052");
    EXPECT_EQ(decimalsText(0.00016666, 5), "0,00017");
    EXPECT_EQ(decimalsText(-0.0004, 2), "0,00");  // never "-0,00"
    EXPECT_EQ(decimalsText(-2.5, 0), "-2");       // the exact value's nearest, halves to even
    EXPECT_EQ(shortestSingleAsDouble(0.1f), 0.1);
    EXPECT_EQ(shortestSingleAsDouble(58.54f), 58.54);
}

// Qt takes the user's locale at start-up; a French one writes and reads a
// decimal comma in the C library. Every text here must come out byte for byte
// as it does under "C".
TEST(NumberText, TheUsersLocaleChangesNoText)
{
    const auto texts = [] {
        std::vector<std::string> out;
        for (double v : {0.11, 3.627, 1234567.891, 1e-5, -2.675, 735.49875, 12345678.0, 0.0}) {
            out.push_back(singleText(static_cast<float>(v)));
            out.push_back(doubleText(v));
            out.push_back(formatPattern(v, Pattern::TwoDecimals));
            out.push_back(formatPattern(v, Pattern::UpToOne));
            out.push_back(wholeText(v));
            out.push_back(decimalsText(v, 4));
            out.push_back(std::to_string(shortestSingleAsDouble(static_cast<float>(v)) ==
                                         static_cast<double>(static_cast<float>(v))));
            out.push_back(doubleText(shortestSingleAsDouble(static_cast<float>(v))));
        }
        for (const char* t : {"1.5", "1,5", "1,5E+07", " -0,11 ", "22,5"}) {
            out.push_back(doubleText(parseDouble(t).value_or(-1)));
            out.push_back(std::to_string(parseInt16(t).value_or(-1)));
        }
        return out;
    };
    std::setlocale(LC_ALL, "C");
    const auto inC = texts();
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "the fr_FR.UTF-8 locale is missing (scripts/deps.sh generates it)";
    const auto inFrench = texts();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(inFrench, inC);
}

}  // namespace
}  // namespace vornax
