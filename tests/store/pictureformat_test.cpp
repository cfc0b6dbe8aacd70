#include "store/pictureformat.h"
#include "store/runerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

// The table is tests/data/pictures.txt: text|picture|formatted, one a line.
TEST(PictureFormat, FormatsNumbersByThePictureAndLeavesOtherTextsAlone)
{
    for (const auto& row : test::readTable("pictures.txt"))
        EXPECT_EQ(Format(std::string_view(row[0]), row[1]), row[2]) << row[0] << "|" << row[1];
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
