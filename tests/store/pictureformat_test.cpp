#include "store/pictureformat.h"
#include "store/runerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarrow {
namespace {

// The table is tests/data/pictures.txt: text|picture|formatted, one a line.
TEST(PictureFormat, FormatsNumbersByThePictureAndLeavesOtherTextsAlone)
{
    std::istringstream rows(test::readFile(test::testDataFile("pictures.txt")));
    int checked = 0;
    for (std::string row; std::getline(rows, row);) {
        auto first = row.find('|');
        auto second = row.find('|', first + 1);
        if (row.empty() || row[0] == '#')
            continue;
        std::string text = row.substr(0, first);
        std::string picture = row.substr(first + 1, second - first - 1);
        EXPECT_EQ(Format(std::string_view(text), picture), row.substr(second + 1)) << row;
        ++checked;
    }
    EXPECT_GT(checked, 0);
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
