#include "edit/stationsearch.h"
#include "testsupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using testing::ElementsAre;

// Pages of three stations each, blocks 2, 1, 0 in listing order, as the parsers fill them.
void fillBook(PageArray& pages, const std::vector<std::vector<std::string>>& stationsByPage)
{
    for (std::size_t page = 0; page < stationsByPage.size(); ++page) {
        int block = 2;
        for (const std::string& station : stationsByPage[page])
            pages.write(static_cast<int>(page)).StakeCells.set(block--, 0, 0, station);
    }
}

class StationSearch : public testing::Test
{
protected:
    StationSearch()
    {
        store.RoadwayType = "Undivided";
        fillBook(
            store.UndividedPages,
            {{"10+00", "10+50", "11+00"}, {"11+50", "12+00", "12+50"}, {"13+00", "10+00", "+"}});
        store.LastPage = 2;
    }

    bool search(const std::string& station)
    {
        page = 7;
        store.BlockIndex = 9;
        return SearchStation(store, station, page, messenger);
    }

    ReportStore store;
    RecordingMessenger messenger;
    std::int16_t page = 0;
};

struct MatchCase
{
    const char* station;
    std::int16_t page;
    std::int32_t block;
};

class StationMatches : public StationSearch, public testing::WithParamInterface<MatchCase>
{};

TEST_P(StationMatches, ByNumberFirstInPageOrder)
{
    ASSERT_TRUE(search(GetParam().station));
    EXPECT_EQ(page, GetParam().page);
    EXPECT_EQ(store.BlockIndex, GetParam().block);
    EXPECT_TRUE(messenger.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Stations, StationMatches,
                         testing::Values(MatchCase{"10+00", 0, 2}, MatchCase{"11+00", 0, 0},
                                         MatchCase{"12+00", 1, 1}, MatchCase{"1000", 0, 2},
                                         MatchCase{"12+00.0", 1, 1}, MatchCase{" 13 + 00 ", 2, 2},
                                         // Block 0 is searched before block 2 on the same page.
                                         MatchCase{"11+50", 1, 2},
                                         // The empty-block placeholder counts as station 0.
                                         MatchCase{"0+00", 2, 0}, MatchCase{"", 2, 0}));

TEST_F(StationSearch, ANumberOnBothBlocksOfAPageFindsBlockZeroFirst)
{
    store.UndividedPages.write(1).StakeCells.set(0, 0, 0, "12+00");
    ASSERT_TRUE(search("12+00"));
    EXPECT_EQ(page, 1);
    EXPECT_EQ(store.BlockIndex, 0);
}

TEST_F(StationSearch, AStationNotInTheBookChangesNothing)
{
    EXPECT_FALSE(search("99+00"));
    EXPECT_EQ(page, 7);
    EXPECT_EQ(store.BlockIndex, 9);
}

TEST_F(StationSearch, NeitherBlockThreeNorPagesBeyondTheBookAreSearched)
{
    store.UndividedPages.write(0).StakeCells.set(3, 0, 0, "50+00");
    store.UndividedPages.write(3).StakeCells.set(2, 0, 0, "60+00");
    EXPECT_FALSE(search("50+00"));
    EXPECT_FALSE(search("60+00"));
}

TEST_F(StationSearch, TextsThatAreNoStationAreReported)
{
    store.UndividedPages.write(1).StakeCells.set(0, 0, 0, "BRIDGE");
    ASSERT_TRUE(search("13+00"));
    EXPECT_THAT(messenger.messages,
                ElementsAre("Program Error: Type mismatch occured in ConvertInDouble"));
}

class DividedSearch : public testing::Test
{
protected:
    DividedSearch()
    {
        store.RoadwayType = "Divided";
        fillBook(store.LeftPages, {{"1+00", "2+00", "3+00"}, {"4+00"}});
        fillBook(store.RightPages, {{"5+00", "6+00", "7+00"}, {"8+00"}});
        store.LastLeftPage = 1;
        store.LastRightPage = 1;
    }

    bool search(const std::string& side, const std::string& station)
    {
        store.CurrentSide = side;
        page = 0;
        store.BlockIndex = 1;
        return SearchStationDivided(store, station, page, messenger);
    }

    ReportStore store;
    RecordingMessenger messenger;
    std::int16_t page = 0;
};

TEST_F(DividedSearch, SearchesOnlyTheCurrentSide)
{
    ASSERT_TRUE(search("left", "4+00"));
    EXPECT_EQ(page, 1);
    EXPECT_EQ(store.BlockIndex, 2);
    ASSERT_TRUE(search("right", "7+00"));
    EXPECT_EQ(page, 0);
    EXPECT_EQ(store.BlockIndex, 0);
    EXPECT_FALSE(search("left", "7+00"));
    EXPECT_EQ(store.BlockIndex, 1);
}

TEST_F(DividedSearch, NoMatchOnTheRightLeavesTheBlockNeverFilled)
{
    EXPECT_FALSE(search("right", "1+00"));
    EXPECT_EQ(page, 0);
    EXPECT_EQ(store.BlockIndex, 3);
}

TEST_F(DividedSearch, TheRoadwayTypeChoosesTheSearch)
{
    store.CurrentSide = "right";
    std::int16_t found = 0;
    EXPECT_TRUE(searchBook(store, "8+00", found, messenger));
    EXPECT_EQ(found, 1);
    store.RoadwayType = "Undivided";
    EXPECT_FALSE(searchBook(store, "8+00", found, messenger));
    store.RoadwayType = "";
    EXPECT_FALSE(searchBook(store, "8+00", found, messenger));
}

} // namespace
} // namespace quarrow
