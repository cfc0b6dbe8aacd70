#include "store/reportstore.h"
#include "store/runerror.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

TEST(CellTable, KeepsEachCellApart)
{
    StakeTable cells;
    cells.set(2, 3, 6, "last");
    cells.set(0, 0, 0, "first");
    cells.set(1, 2, 3, "middle");
    EXPECT_EQ(cells.at(0, 0, 0), "first");
    EXPECT_EQ(cells.at(1, 2, 3), "middle");
    EXPECT_EQ(cells.at(2, 3, 6), "last");
    EXPECT_EQ(cells.at(1, 2, 4), "");
    cells.set(1, 2, 3, "");
    EXPECT_EQ(cells.at(1, 2, 3), "");
    cells.set(0, 0, 0, "again");
    EXPECT_EQ(cells.at(0, 0, 0), "again");
    EXPECT_EQ(cells.at(2, 3, 6), "last");
}

TEST(CellTable, RefusesIndexesOutsideTheTable)
{
    StakeTable stake;
    HubTable hub;
    EXPECT_NO_THROW(hub.at(3, 5, 6));
    EXPECT_THROW(stake.at(4, 0, 0), RunError);
    EXPECT_THROW(stake.at(0, 4, 0), RunError);
    EXPECT_THROW(stake.at(0, 0, 7), RunError);
    EXPECT_THROW(stake.set(-1, 0, 0, "x"), RunError);
    EXPECT_THROW(hub.set(0, 6, 0, "x"), RunError);
}

TEST(PageArray, HoldsPagesUpToItsCapacity)
{
    ReportStore store;
    EXPECT_EQ(store.UndividedPages.capacity(), 10001);
    EXPECT_EQ(store.LeftPages.capacity(), 5001);
    EXPECT_EQ(store.RightPages.capacity(), 5001);

    BookPage& last = store.UndividedPages.write(10000);
    last.RoadwayName = "SR22";
    BookPage& first = store.UndividedPages.write(0);
    EXPECT_EQ(store.UndividedPages.read(10000).RoadwayName, "SR22");
    EXPECT_EQ(&last, &store.UndividedPages.write(10000)) << "a page moved when another was added";
    EXPECT_EQ(first, BookPage{});
    EXPECT_THROW(store.UndividedPages.write(10001), RunError);
    EXPECT_THROW(store.UndividedPages.read(-1), RunError);
    EXPECT_THROW(store.LeftPages.write(5001), RunError);
    EXPECT_EQ(store.RightPages.read(5000), BookPage{});
}

TEST(ReportStore, ANewBookForgetsTheLastOne)
{
    ReportStore store;
    store.UndividedPages.write(3).StakeCells.set(0, 0, 0, "1+00");
    store.LeftPages.write(1).FirstStation = "1+00";
    store.StationItems.push_back("1+00");
    store.PageItems.push_back("1");
    store.PageStationItems.push_back("1 1+00");
    store.Parser.LeftFields[19] = "9";
    store.Parser.StationLineCount = 2;
    store.ProjectNumber = "104";

    startNewBook(store);
    EXPECT_EQ(store.UndividedPages.read(3), BookPage{});
    EXPECT_EQ(store.LeftPages.read(1), BookPage{});
    EXPECT_TRUE(store.StationItems.empty() && store.PageItems.empty() &&
                store.PageStationItems.empty());
    EXPECT_EQ(store.Parser.LeftFields[19], "");
    EXPECT_EQ(store.Parser.StationLineCount, 0);
    EXPECT_EQ(store.ProjectNumber, "104");
}

TEST(ListColumn, RightAlignsInFifteenPlaces)
{
    EXPECT_EQ(listColumn(12), "             12");
    EXPECT_EQ(listColumn("10+00"), "          10+00");
    EXPECT_EQ(listColumn("a station text longer"), "a station text longer");
}

} // namespace
} // namespace quarrow
