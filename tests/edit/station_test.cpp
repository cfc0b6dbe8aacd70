#include "edit/stationsearch.h"
#include "main/inputdriver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// A station is found by its number, in page order and from block 0 to block 2; the "+" of
// an empty block counts as station 0, and a text that is no station matches nothing
// (tests/data/stationsearch.txt).
using StationSearch = testing::TestWithParam<TableRow>;
TEST_P(StationSearch, FindsTheFirstBlockOfTheStationsNumber)
{
    const auto& row = GetParam();
    TempDir dir;
    RecordingMessenger messenger;
    ReportStore store;
    store.InputFileName =
        dir.write("book.txt", row[0].empty() ? undividedListing(4) : dividedListing(4));
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    store.CurrentSide = row[0];
    store.BlockIndex = 9;
    std::int16_t page = 7;
    bool found = searchBook(store, row[1], page, messenger);
    EXPECT_EQ((found ? "found " : "not found ") + std::to_string(page) + " " +
                  std::to_string(store.BlockIndex),
              row[2]);
    EXPECT_EQ(messenger.messages,
              row[3].empty() ? std::vector<std::string>{} : std::vector<std::string>{row[3]});
}
INSTANTIATE_TEST_SUITE_P(Book, StationSearch, testing::ValuesIn(readTable("stationsearch.txt")),
                         rowName);

} // namespace
} // namespace quarrow::test
