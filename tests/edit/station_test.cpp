#include "edit/stationedit.h"
#include "edit/stationsearch.h"
#include "main/inputdriver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

class StationBook : public testing::Test
{
protected:
    // Pages 1 and 2 hold 10+00, 10+50, 11+00 (blocks 2, 1, 0) and 11+50 (block 2).
    void build(const std::string& listing)
    {
        store.InputFileName = dir.write("book.txt", listing);
        ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    }

    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
};

struct Search
{
    const char* side;
    const char* station;
    bool found;
    std::int16_t page;
    std::int32_t block;
};

// A station is found by its number, in page order and from block 0 to block 2; the "+" of
// an empty block counts as station 0, and a text that is no station matches nothing.
TEST_F(StationBook, SearchFindsTheFirstBlockOfTheStationsNumber)
{
    const Search rows[] = {
        {"", "10+00", true, 0, 2},    {"", "11+00", true, 0, 0},    {"", "1100", true, 0, 0},
        {"", "11+50", true, 1, 2},    {"", "0+00", true, 1, 0},     {"", "99+00", false, 7, 9},
        {"", "abc", false, 7, 9},
        {"left", "10+50", true, 0, 1}, {"right", "11+50", true, 1, 2}, {"right", "99+00", false, 7, 3},
    };
    for (const Search& row : rows) {
        SCOPED_TRACE(std::string(row.side) + " " + row.station);
        store = ReportStore{};
        build(*row.side ? dividedListing(4) : undividedListing(4));
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

TEST_F(StationBook, EditorsShowTheBlockAndWriteItBackTrimmed)
{
    build(undividedListing(4));
    store.BlockIndex = 1;
    store.EditStation = "10+50";
    auto stake = FillStationEditForm(store, EditTable::Stake, 0);
    ASSERT_EQ(stake.size(), 4u);
    EXPECT_EQ(stake[0], "10+50\r\nPGL = 1020.50\r\n1019.25  1019.25\r\n@12.00 @12.00\r\n"
                        "1017.75  1017.75\r\n@16.00  @16.00\r\n");
    EXPECT_EQ(stake[2], "F 2.50");
    const std::string empty = "\r\n\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(FillStationEditForm(store, EditTable::Hub, 0),
              (std::vector<std::string>{"10+50", empty, empty, empty, empty, empty}));

    store.CurrentPage = 0;
    applyStationEdit(store, EditTable::Stake, {" 10+50 \r\n A \r\nB", "C", " F 3.00 ", "D\r\n\r\nE"});
    applyStationEdit(store, EditTable::Hub, {"ignored", " 12.5 \r\nX", "", "", "", "9"});
    const BookPage& page = store.UndividedPages.read(0);
    EXPECT_EQ(page.StakeCells.at(1, 0, 0), "10+50");
    EXPECT_EQ(page.StakeCells.at(1, 0, 1), "A");
    EXPECT_EQ(page.StakeCells.at(1, 0, 2), "B");
    EXPECT_EQ(page.StakeCells.at(1, 0, 3), "");
    EXPECT_EQ(page.StakeCells.at(1, 2, 0), "F 3.00");
    EXPECT_EQ(page.StakeCells.at(1, 3, 2), "E");
    EXPECT_EQ(page.HubCells.at(1, 0, 0), "10+50");
    EXPECT_EQ(page.HubCells.at(1, 1, 0), "12.5");
    EXPECT_EQ(page.HubCells.at(1, 1, 1), "X");
    EXPECT_EQ(page.HubCells.at(1, 5, 0), "9");
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_TRUE(store.UnsavedCorrections);
}

} // namespace
} // namespace quarrow::test
