#include "store/pictureformat.h"
#include "store/runerror.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quarrow {
namespace {

struct NumberCase
{
    double value;
    const char* picture;
    const char* expected;
};

class FormatNumber : public testing::TestWithParam<NumberCase>
{};

TEST_P(FormatNumber, GivesThePictureText)
{
    const auto& c = GetParam();
    EXPECT_EQ(Format(c.value, c.picture), c.expected) << c.value << " with \"" << c.picture << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatNumber,
    testing::Values(
        // Two decimals, no leading zero before the point.
        NumberCase{0.5, "##.00", ".50"}, NumberCase{-0.5, "##.00", "-.50"},
        NumberCase{0.0, "##.00", ".00"}, NumberCase{1234.567, "##.00", "1234.57"},
        NumberCase{2.675, "##.00", "2.68"}, NumberCase{-2.675, "##.00", "-2.68"},
        NumberCase{0.005, "##.00", ".01"}, NumberCase{-0.004, "##.00", ".00"},
        NumberCase{-0.0, "##.00", ".00"}, NumberCase{99.995, "##.00", "100.00"},
        NumberCase{1018.415, "##.00", "1018.42"}, NumberCase{12.0, "##.00", "12.00"},
        // Three decimals for metric books.
        NumberCase{1.0005, "##.000", "1.001"}, NumberCase{-0.0004, "##.000", ".000"},
        NumberCase{312.25, "##.000", "312.250"},
        // At least two integer digits.
        NumberCase{5.5, "00.00", "05.50"}, NumberCase{-5.5, "00.00", "-05.50"},
        NumberCase{0.0, "00.00", "00.00"}, NumberCase{123.456, "00.00", "123.46"},
        // A number is taken to 15 significant digits before it is rounded.
        NumberCase{0.1 + 0.2, "##.00", ".30"}, NumberCase{1.005, "##.00", "1.01"},
        // The empty picture gives the shortest plain text.
        NumberCase{0.5, "", "0.5"}, NumberCase{-12.25, "", "-12.25"}, NumberCase{0.0, "", "0"},
        NumberCase{100.0, "", "100"}, NumberCase{0.1 + 0.2, "", "0.3"},
        NumberCase{1e-4, "", "0.0001"}, NumberCase{123456789012345.0, "", "123456789012345"},
        NumberCase{1e15, "", "1E+15"}, NumberCase{1.5e-5, "", "1.5E-05"},
        // "@" pictures right-align the plain text.
        NumberCase{7.0, "@@@@", "   7"}, NumberCase{12345.0, "@@@", "12345"}));

struct TextCase
{
    const char* text;
    const char* picture;
    const char* expected;
};

class FormatText : public testing::TestWithParam<TextCase>
{};

TEST_P(FormatText, FormatsNumbersAndKeepsOtherTexts)
{
    const auto& c = GetParam();
    EXPECT_EQ(Format(std::string_view(c.text), c.picture), c.expected)
        << '"' << c.text << "\" with \"" << c.picture << '"';
}

INSTANTIATE_TEST_SUITE_P(Pictures, FormatText,
                         testing::Values(TextCase{" 12.5 ", "##.00", "12.50"},
                                         TextCase{"-.5", "##.000", "-.500"},
                                         TextCase{"", "##.00", ""}, TextCase{"   ", "##.00", "   "},
                                         TextCase{"N/A", "##.00", "N/A"},
                                         TextCase{"1,5", "##.00", "1,5"},
                                         TextCase{"inf", "##.00", "inf"}, TextCase{"12", "", "12"},
                                         TextCase{"3+25", "@@@@@@@", "   3+25"},
                                         TextCase{"10+00", "@@@@@@@@@@@@@@@", "          10+00"},
                                         TextCase{"a longer text", "@@@", "a longer text"}));

struct ReadCase
{
    const char* text;
    bool isNumber;
    double value;
};

class ReadNumber : public testing::TestWithParam<ReadCase>
{};

TEST_P(ReadNumber, AcceptsOnlyPlainDecimals)
{
    const auto& c = GetParam();
    auto number = readNumber(c.text);
    ASSERT_EQ(number.has_value(), c.isNumber) << '"' << c.text << '"';
    if (c.isNumber) {
        EXPECT_DOUBLE_EQ(*number, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReadNumber,
    testing::Values(ReadCase{"12", true, 12}, ReadCase{"  -3.25  ", true, -3.25},
                    ReadCase{"+4", true, 4}, ReadCase{".5", true, 0.5}, ReadCase{"5.", true, 5},
                    ReadCase{"1e3", true, 1000}, ReadCase{"1.5E-2", true, 0.015},
                    ReadCase{"-1e308", true, -1e308}, ReadCase{"1e-400", true, 0},
                    ReadCase{"12345678901234567890", true, 12345678901234567890.0},
                    ReadCase{"", false, 0}, ReadCase{"   ", false, 0}, ReadCase{".", false, 0},
                    ReadCase{"-", false, 0}, ReadCase{"1e", false, 0}, ReadCase{"nan", false, 0},
                    ReadCase{"inf", false, 0}, ReadCase{"0x10", false, 0},
                    ReadCase{"1 2", false, 0}, ReadCase{"\t1", false, 0}, ReadCase{"1,5", false, 0},
                    ReadCase{"--1", false, 0}, ReadCase{"1e400", false, 0}));

TEST(ToNumber, NamesWhyATextIsNoNumber)
{
    EXPECT_DOUBLE_EQ(toNumber(" 7.5"), 7.5);
    try {
        toNumber("abc");
        FAIL() << "no failure for a text";
    } catch (const RunError& error) {
        EXPECT_STREQ(error.what(), "Type mismatch");
    }
    try {
        toNumber("1e400");
        FAIL() << "no failure for a number beyond range";
    } catch (const RunError& error) {
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

TEST(FormatNumber, KeepsEveryIntegerDigitOfAHugeNumber)
{
    EXPECT_EQ(Format(1e308, "##.00"), "1" + std::string(308, '0') + ".00");
    EXPECT_EQ(Format(-1e308, "00.00"), "-1" + std::string(308, '0') + ".00");
}

TEST(FormatNumber, ANumberThatIsNotFiniteOverflows)
{
    EXPECT_THROW(Format(std::numeric_limits<double>::infinity(), "##.00"), RunError);
    EXPECT_THROW(Format(std::nan(""), ""), RunError);
}

} // namespace
} // namespace quarrow
