#include "store/pictureformat.h"
#include "store/runerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

// The table is tests/data/pictures.txt: text|picture|formatted, one a line.
using Pictures = testing::TestWithParam<test::TableRow>;
TEST_P(Pictures, FormatNumbersByThePictureAndLeaveOtherTextsAlone)
{
    const auto& row = GetParam();
    EXPECT_EQ(Format(std::string_view(row[0]), row[1]), row[2]);
}
INSTANTIATE_TEST_SUITE_P(PictureFormat, Pictures,
                         testing::ValuesIn(test::readTable("pictures.txt")), test::rowName);

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
