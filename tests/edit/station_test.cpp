#include "edit/stationsearch.h"
#include "main/inputdriver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

struct Search
{
    const char* side;
    const char* station;
    bool found;
    std::int16_t page;
    std::int32_t block;
};

// A station is found by its number, in page order and from block 0 to block 2; the "+" of
// an empty block counts as station 0, and a text that is no station matches nothing. Pages
// 1 and 2 hold 10+00, 10+50, 11+00 (blocks 2, 1, 0) and 11+50 (block 2).
TEST(StationSearch, FindsTheFirstBlockOfTheStationsNumber)
{
    const Search rows[] = {
        {"", "10+00", true, 0, 2},      {"", "11+00", true, 0, 0},
        {"", "1100", true, 0, 0},       {"", "11+50", true, 1, 2},
        {"", "0+00", true, 1, 0},       {"", "99+00", false, 7, 9},
        {"", "abc", false, 7, 9},       {"left", "10+50", true, 0, 1},
        {"right", "11+50", true, 1, 2}, {"right", "99+00", false, 7, 3},
    };
    TempDir dir;
    RecordingMessenger messenger;
    for (const Search& row : rows) {
        SCOPED_TRACE(std::string(row.side) + " " + row.station);
        ReportStore store;
        store.InputFileName =
            dir.write("book.txt", *row.side ? dividedListing(4) : undividedListing(4));
        ASSERT_EQ(GpkQuarrow(store, messenger), 0);
        store.CurrentSide = row.side;
        store.BlockIndex = 9;
        std::int16_t page = 7;
        EXPECT_EQ(searchBook(store, row.station, page, messenger), row.found);
        EXPECT_EQ(page, row.page);
        EXPECT_EQ(store.BlockIndex, row.block);
    }
    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error: Type mismatch occured in ConvertInDouble"});
}

} // namespace
} // namespace quarrow::test
