#include "store/pictureformat.h"
#include "store/runerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

namespace quarrow {
namespace {

// Numbers as the listings hold them: up to 15 digits with up to 3 decimals, and sums and
// differences of such numbers, across the magnitudes a book meets.
std::vector<double> listingLikeNumbers()
{
    std::mt19937_64 random(2207);
    std::vector<double> numbers;
    for (int i = 0; i < 200000; ++i) {
        long long thousandths =
            static_cast<long long>(random() % 2000000000000ULL) - 1000000000000LL;
        int scale = static_cast<int>(random() % 8);
        double value =
            static_cast<double>(thousandths / static_cast<long long>(std::pow(10, scale))) / 1000.0;
        numbers.push_back(value);
        numbers.push_back(value + static_cast<double>(random() % 100000) / 1000.0);
        numbers.push_back(value - 0.005);
    }
    for (double tie : {0.125, 2.675, 1.0005, 99.995, 1234.5675, 0.0045, 7.8945, 1e14 + 0.5})
        numbers.push_back(tie);
    return numbers;
}

// The C library's correctly rounded 15 significant digits, then rounded half away from zero
// to `decimals` places: the rule the picture formats follow, by other means.
std::string referenceFormat(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 14);
    int exponent = std::atoi(std::strchr(text, 'e') + 1);
    // Digits of the value times 10^decimals, before rounding at the last place kept.
    long keep = exponent + 1 + decimals;
    std::string kept =
        keep <= 0 ? "0" : digits.substr(0, static_cast<std::size_t>(std::min<long>(keep, 15)));
    if (keep > 15)
        kept.append(static_cast<std::size_t>(keep - 15), '0');
    bool up = keep >= 0 && keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5';
    unsigned long long whole = std::stoull(kept) + (up ? 1 : 0);
    std::string scaled = std::to_string(whole);
    if (scaled.size() <= static_cast<std::size_t>(decimals))
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    std::string integer = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    std::string sign = whole != 0 && std::signbit(value) ? "-" : "";
    return sign + integer + "." +
           scaled.substr(integer.size() +
                         (scaled.size() - integer.size() - static_cast<std::size_t>(decimals)));
}

TEST(FormatNumber, AgreesWithTheLibraryOnEveryListingLikeNumber)
{
    int mismatches = 0;
    for (double value : listingLikeNumbers()) {
        for (auto [picture, decimals] : {std::pair{"##.00", 2}, std::pair{"##.000", 3}}) {
            std::string expected = referenceFormat(value, decimals);
            std::string actual = Format(value, picture);
            if (actual != expected && ++mismatches <= 5)
                ADD_FAILURE() << value << " with " << picture << ": " << actual << " not "
                              << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ReadNumber, AgreesWithTheLibraryOnEveryListingLikeText)
{
    std::mt19937_64 random(104);
    int mismatches = 0;
    for (int i = 0; i < 200000; ++i) {
        int digits = 1 + static_cast<int>(random() % 18);
        std::string text;
        for (int d = 0; d < digits; ++d)
            text += static_cast<char>('0' + random() % 10);
        text.insert(random() % (text.size() + 1), ".");
        if (random() % 4 == 0)
            text += "e" + std::to_string(static_cast<int>(random() % 60) - 30);
        double expected = std::strtod(text.c_str(), nullptr);
        auto actual = readNumber(text);
        if ((!actual || *actual != expected) && ++mismatches <= 5)
            ADD_FAILURE() << text << ": " << (actual ? *actual : -1.0) << " not " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace quarrow
