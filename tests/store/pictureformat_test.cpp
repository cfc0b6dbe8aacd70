#include "store/pictureformat.h"
#include "store/runerror.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

struct Picture
{
    const char* text;
    const char* picture;
    const char* formatted;
};

// Texts are formatted as the listing's fields are: a number by the picture, anything else
// as it stands.
TEST(PictureFormat, FormatsNumbersByThePictureAndLeavesOtherTextsAlone)
{
    const Picture rows[] = {
        {"1018.655", "##.00", "1018.66"},  {"1.005", "##.00", "1.01"},
        {"2.675", "##.00", "2.68"},        {"-1.005", "##.00", "-1.01"},
        {"0.5", "##.00", ".50"},           {"-0.5", "##.00", "-.50"},
        {"0", "##.00", ".00"},             {"-0.001", "##.00", ".00"},
        {" 12 ", "##.00", "12.00"},        {"101.2345", "##.000", "101.235"},
        {"6", "00.00", "06.00"},           {"123.456", "00.00", "123.46"},
        {"9.995", "00.00", "10.00"},       {"0.615", "", "0.615"},
        {"1e20", "", "1E+20"},             {"-0.000015", "", "-1.5E-05"},
        {"12", "", "12"},                  {"1e3", "##.00", "1000.00"},
        {"5.", "##.00", "5.00"},           {"+.5", "##.00", ".50"},
        {"1,5", "##.00", "1,5"},           {"Error", "##.00", "Error"},
        {"", "##.00", ""},                 {"  ", "##.00", "  "},
        {"0x10", "##.00", "0x10"},         {"inf", "##.00", "inf"},
        {"ab", "@@@@@", "   ab"},          {"abcdef", "@@@@@", "abcdef"},
        {"1+00", "@@@@@@@@@@@@@@@", "           1+00"},
    };
    for (const Picture& row : rows)
        EXPECT_EQ(Format(std::string_view(row.text), row.picture), row.formatted)
            << '"' << row.text << "\" with \"" << row.picture << '"';
}

TEST(PictureFormat, ANumberBeyondADoubleOverflows)
{
    EXPECT_EQ(toNumber("1e-400"), 0.0);
    for (const char* text : {"1e400", "-1e400"}) {
        try {
            toNumber(text);
            ADD_FAILURE() << text << " was read";
        } catch (const RunError& error) {
            EXPECT_STREQ(error.what(), errors::kOverflow) << text;
        }
    }
}

} // namespace
} // namespace quarrow
