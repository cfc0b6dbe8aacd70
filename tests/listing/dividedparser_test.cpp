// The frame of the divided parser: how a station's four lines are grouped, how both books
// are paged, the selection lists, skipped lines, failures, capacity, the work files and the
// clean start of every parse.

#include "listing/dividedlisting.h"
#include "listing/dividedparser.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

const std::string kWrongAt = " There is something wrong at Sta. ";

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

std::vector<std::string> plainStations(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        auto station = stationLines(plainStation(stationText(i)));
        lines.insert(lines.end(), station.begin(), station.end());
    }
    return lines;
}

// Four lines told apart by their shoulder elevation (field 2): 1011.1 to 1011.4.
DividedStation numberedStation(const std::string& station)
{
    return {station, with(dataLine("X"), {{2, "1011.1"}}), with(dataLine("X"), {{2, "1011.2"}}),
            with(dataLine("X"), {{2, "1011.3"}}), with(dataLine("X"), {{2, "1011.4"}})};
}

const std::string& station(const BookPage& page, int block)
{
    return page.StakeCells.at(block, 0, 0);
}

std::string pageItem(int number, const std::string& first, const std::string& last)
{
    return in15(std::to_string(number)) + in15(first) + in15(last);
}

// ---------------------------------------------------------------------------------------
// Grouping of a station's lines

TEST(DividedGrouping, FirstPairIsTheLeftRoadwayAndSecondPairTheRight)
{
    DividedParse run(stationLines(numberedStation("10+00")));
    ASSERT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(run.left().StakeCells.at(2, 0, 3), "1011.100  1011.200");
    EXPECT_EQ(run.right().StakeCells.at(2, 0, 3), "1011.300  1011.400");
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{"10+00"});
}

// Lines after the fourth are not even split: one of 21 fields is no failure there.
TEST(DividedGrouping, FurtherLinesOfTheSameStationAreIgnored)
{
    DividedStation later = numberedStation("10+00");
    for (LineFields* fields :
         {&later.leftOuter, &later.leftMedian, &later.rightMedian, &later.rightOuter})
        (*fields)[2] = "1099.9";
    LineFields twentyOne = later.rightOuter;
    twentyOne.insert(twentyOne.end(), {"0", "0", "0"});
    DividedParse run(joined({stationLines(numberedStation("10+00")),
                             stationLines(later),
                             {listingLine("10+00", twentyOne)}}));
    ASSERT_TRUE(run.messenger.messages.empty()) << run.messenger.messages.front();
    EXPECT_EQ(run.left().StakeCells.at(2, 0, 3), "1011.100  1011.200");
    EXPECT_EQ(run.right().StakeCells.at(2, 0, 3), "1011.300  1011.400");
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{"10+00"});
    EXPECT_EQ(station(run.left(), 1), "");
}

class IncompleteStation : public testing::TestWithParam<int>
{};

// Without its fourth line a station never reaches the station end: the block counter stays,
// and the next station is composed into the same block of both books.
TEST_P(IncompleteStation, LeavesItsBlockToTheNextStation)
{
    auto first = stationLines(plainStation("10+00"));
    first.resize(static_cast<std::size_t>(GetParam()));
    DividedParse run(joined({first, stationLines(plainStation("10+20"))}));
    ASSERT_TRUE(run.messenger.messages.empty());
    for (const BookPage* page : {&run.left(), &run.right()}) {
        EXPECT_EQ(station(*page, 2), "10+20");
        EXPECT_EQ(page->FirstStation, "10+20");
        EXPECT_EQ(station(*page, 1), "");
    }
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{"10+20"});
}

INSTANTIATE_TEST_SUITE_P(LinesGiven, IncompleteStation, testing::Values(1, 2, 3));

// ---------------------------------------------------------------------------------------
// Paging of both books and the selection lists

class Paging : public testing::TestWithParam<int>
{};

// Stations fill blocks 2, 1, 0 of a page in listing order; a page closes with its block 0.
TEST_P(Paging, PutsThreeStationsOnEveryPageOfBothBooks)
{
    int count = GetParam();
    DividedParse run(plainStations(count));
    ASSERT_TRUE(run.completed);
    int lastPage = count / 3;
    EXPECT_EQ(run.store.LastLeftPage, lastPage);
    EXPECT_EQ(run.store.LastRightPage, lastPage);

    std::vector<std::string> stations;
    std::vector<std::string> pageStations;
    for (int i = 0; i < count; ++i) {
        stations.push_back(stationText(i));
        pageStations.push_back(in15(std::to_string(i / 3 + 1)) + in15(stationText(i)));
        int block = 2 - i % 3;
        for (const BookPage* page : {&run.left(i / 3), &run.right(i / 3)}) {
            EXPECT_EQ(station(*page, block), stationText(i)) << "station " << i;
            EXPECT_EQ(page->HubCells.at(block, 0, 0), stationText(i)) << "station " << i;
        }
    }
    std::vector<std::string> pages;
    for (int p = 0; p <= lastPage; ++p) {
        std::string first = 3 * p < count ? stationText(3 * p) : "";
        std::string last = 3 * p + 2 < count ? stationText(3 * p + 2) : "";
        pages.push_back(pageItem(p + 1, first, last));
        for (const BookPage* page : {&run.left(p), &run.right(p)}) {
            EXPECT_EQ(page->FirstStation, first) << "page " << p;
            EXPECT_EQ(page->LastStation, last) << "page " << p;
        }
    }
    EXPECT_EQ(run.store.StationItems, stations);
    EXPECT_EQ(run.store.PageStationItems, pageStations);
    EXPECT_EQ(run.store.PageItems, pages);
}

INSTANTIATE_TEST_SUITE_P(Stations, Paging, testing::Values(0, 1, 2, 3, 4, 6, 7));

TEST(DividedPaging, ListingWithoutStationsGivesOneEmptyPage)
{
    DividedParse run({"GEOPAK SLOPE STAKE LISTING   DIVIDED ROADWAY"});
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(run.store.LastLeftPage, 0);
    EXPECT_EQ(run.store.LastRightPage, 0);
    EXPECT_EQ(run.store.PageItems, std::vector<std::string>{pageItem(1, "", "")});
    EXPECT_TRUE(run.store.StationItems.empty());
}

TEST(DividedPaging, EmptyFileComposesNothingAndChangesNoCount)
{
    DividedParse run;
    run.store.LastLeftPage = 3;
    run.store.LastRightPage = 3;
    EXPECT_TRUE(run.parseBytes(""));
    EXPECT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(run.store.LastLeftPage, 3);
    EXPECT_EQ(run.store.LastRightPage, 3);
    EXPECT_TRUE(run.store.PageItems.empty());
}

// ---------------------------------------------------------------------------------------
// Lines that are skipped

class SkippedLine : public testing::TestWithParam<std::string>
{};

TEST_P(SkippedLine, DoesNotBreakAStationsLines)
{
    auto lines = stationLines(numberedStation("10+00"));
    std::vector<std::string> listing;
    for (const auto& line : lines) {
        listing.push_back(line);
        listing.push_back(GetParam());
    }
    DividedParse run(listing);
    ASSERT_TRUE(run.messenger.messages.empty()) << run.messenger.messages.front();
    EXPECT_EQ(run.left().StakeCells.at(2, 0, 3), "1011.100  1011.200");
    EXPECT_EQ(run.right().StakeCells.at(2, 0, 3), "1011.300  1011.400");
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{"10+00"});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SkippedLine,
    testing::Values("GEOPAK SLOPE STAKE LISTING   CHAIN SR5   SHEET 2", "",
                    "SR5 PGL1,99+00,Note,\x01PAGE", "SR5 PGL1,,,,99+00,Note,PAGE",
                    // Four commas from the 9th character of the line as read, before trimming.
                    "  SR5 PG,,,,99+00,Note,PAGE"));

TEST(DividedSkipping, FourCommasElsewhereKeepTheLine)
{
    DividedStation station = plainStation("10+00");
    std::vector<std::string> lines = stationLines(station);
    lines[0] = "SR5 PGL1,10+00,Note,SOFT GROUND,,,,";
    DividedParse run(lines);
    EXPECT_EQ(run.left().StakeCells.at(2, 1, 0), "Note : ");
    EXPECT_EQ(run.left().StakeCells.at(2, 1, 1), "SOFT GROUND");
}

// ---------------------------------------------------------------------------------------
// Failures: the parser names the station and stops; the books so far stay usable.

struct FailureCase
{
    const char* name;
    std::vector<std::string> lines; // the lines of station 10+20
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c)
{
    return out << c.name;
}

class Failure : public testing::TestWithParam<FailureCase>
{};

TEST_P(Failure, NamesTheStationAndKeepsTheBooksBuiltSoFar)
{
    DividedParse run(joined({stationLines(plainStation("10+00")), GetParam().lines,
                             stationLines(plainStation("10+40"))}));
    EXPECT_FALSE(run.completed);
    EXPECT_EQ(run.messenger.messages, std::vector<std::string>{kWrongAt + "10+20"});
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{"10+00"});
    EXPECT_EQ(run.store.LastLeftPage, 0);
    EXPECT_EQ(run.store.LastRightPage, 0);
    EXPECT_EQ(run.store.PageItems, std::vector<std::string>{pageItem(1, "10+00", "")});
    EXPECT_EQ(station(run.left(), 2), "10+00");
    EXPECT_EQ(station(run.right(), 2), "10+00");
}

LineFields twentyOneFields()
{
    LineFields fields = dataLine("X");
    fields.insert(fields.end(), {"0", "0", "0"});
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Failure,
    testing::Values(FailureCase{"two comma fields", {"SR5 PGL1,10+20"}},
                    FailureCase{"two comma fields, blanks around the station",
                                {"SR5 PGL1,  10+20  "}},
                    FailureCase{"two comma fields after a line of the station",
                                {listingLine("10+20", dataLine("F")), "SR5 PGL1,10+20"}},
                    FailureCase{"21 fields", {listingLine("10+20", twentyOneFields())}},
                    FailureCase{"text where a number is read",
                                {listingLine("10+20", dataLine("F")),
                                 listingLine("10+20", with(dataLine("F"), {{17, "7.2M"}}))}}));

// The header fields are taken before the station is cut from the line.
TEST(DividedFailure, LineThatFailsStillNamesTheRoadwayOfBothBooks)
{
    DividedParse run(joined({stationLines(plainStation("10+00")), {"SR5X PGLX,10+20"}}));
    ASSERT_EQ(run.messenger.messages, std::vector<std::string>{kWrongAt + "10+20"});
    for (const BookPage* page : {&run.left(), &run.right()}) {
        EXPECT_EQ(page->RoadwayName, "SR5X");
        EXPECT_EQ(page->ProfileName, "PGLX");
    }
}

TEST(DividedFailure, BooksEndAtThePageReachedWithOneListItemPerPage)
{
    DividedParse run(joined({plainStations(4), {"SR5 PGL1,10+80"}}));
    EXPECT_EQ(run.messenger.messages, std::vector<std::string>{kWrongAt + "10+80"});
    EXPECT_EQ(run.store.LastLeftPage, 1);
    EXPECT_EQ(run.store.LastRightPage, 1);
    EXPECT_EQ(run.store.PageItems,
              (std::vector<std::string>{pageItem(1, "10+00", "10+40"), pageItem(2, "10+60", "")}));
}

// ---------------------------------------------------------------------------------------
// Capacity: pages 0 to 5000 in each book.

std::string capacityStation(int index)
{
    return std::to_string(index + 1) + "+00";
}

// Notes on all four lines: the quickest stations to compose.
std::vector<std::string> noteStations(int count)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count) * 4);
    for (int i = 0; i < count; ++i) {
        std::string line = "SR5 PGL1," + capacityStation(i) + ",Note,STAKE BY PLAN";
        lines.insert(lines.end(), 4, line);
    }
    return lines;
}

TEST(DividedCapacity, FifteenThousandAndTwoStationsFit)
{
    DividedParse run(noteStations(15002));
    EXPECT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(run.store.LastLeftPage, 5000);
    EXPECT_EQ(run.store.LastRightPage, 5000);
    for (const BookPage* page : {&run.left(5000), &run.right(5000)}) {
        EXPECT_EQ(station(*page, 2), capacityStation(15000));
        EXPECT_EQ(station(*page, 1), capacityStation(15001));
        EXPECT_EQ(station(*page, 0), "");
    }
    ASSERT_EQ(run.store.PageItems.size(), 5001u);
    EXPECT_EQ(run.store.PageItems.back(), pageItem(5001, capacityStation(15000), ""));
}

TEST(DividedCapacity, OneStationMoreFailsAtTheEndOfTheFile)
{
    DividedParse run(noteStations(15003));
    EXPECT_EQ(run.messenger.messages, std::vector<std::string>{kWrongAt + capacityStation(15002)});
    EXPECT_EQ(run.store.LastLeftPage, 5000);
    EXPECT_EQ(run.store.LastRightPage, 5000);
    EXPECT_EQ(run.right(5000).LastStation, capacityStation(15002));
    ASSERT_EQ(run.store.PageItems.size(), 5001u);
    EXPECT_EQ(run.store.PageItems.back(),
              pageItem(5001, capacityStation(15000), capacityStation(15002)));
}

TEST(DividedCapacity, LongerListingFailsAtTheFirstLineBeyond)
{
    DividedParse run(noteStations(15004));
    EXPECT_EQ(run.messenger.messages, std::vector<std::string>{kWrongAt + capacityStation(15003)});
    EXPECT_EQ(run.store.StationItems.size(), 15003u);
    EXPECT_EQ(run.store.LastLeftPage, 5000);
    EXPECT_EQ(run.store.LastRightPage, 5000);
    EXPECT_EQ(run.store.PageItems.size(), 5001u);
}

// ---------------------------------------------------------------------------------------
// Work files

TEST(DividedWorkFiles, AreCreatedEmptyBesideTheListing)
{
    DividedParse run(stationLines(plainStation("10+00")));
    for (const auto& name : {run.store.WorkFile1Name, run.store.WorkFile2Name}) {
        ASSERT_TRUE(std::filesystem::exists(name)) << name;
        EXPECT_EQ(std::filesystem::file_size(name), 0u) << name;
    }
}

TEST(DividedWorkFiles, AreCreatedForAnEmptyListingToo)
{
    DividedParse run;
    run.parseBytes("");
    EXPECT_TRUE(std::filesystem::exists(run.store.WorkFile1Name));
    EXPECT_TRUE(std::filesystem::exists(run.store.WorkFile2Name));
}

TEST(DividedWorkFiles, ExistingFileKeepsItsContent)
{
    DividedParse run;
    run.dir.write("road.tx1", "survey notes\r\n");
    run.parse(stationLines(plainStation("10+00")));
    EXPECT_EQ(readFile(run.store.WorkFile1Name), "survey notes\r\n");
    EXPECT_EQ(std::filesystem::file_size(run.store.WorkFile2Name), 0u);
}

// ---------------------------------------------------------------------------------------
// Clean start

// The second listing begins with the station that ended the first: it is still a new
// station, and nothing of the longer first book or its lists is left.
TEST(DividedCleanStart, SecondParseKeepsNothingOfTheFirst)
{
    DividedParse run(plainStations(4));
    ASSERT_EQ(run.store.LastLeftPage, 1);
    run.parse(stationLines(plainStation(stationText(3))));
    EXPECT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(run.store.StationItems, std::vector<std::string>{stationText(3)});
    EXPECT_EQ(run.store.PageStationItems,
              std::vector<std::string>{in15("1") + in15(stationText(3))});
    EXPECT_EQ(run.store.PageItems, std::vector<std::string>{pageItem(1, stationText(3), "")});
    EXPECT_EQ(run.store.LastLeftPage, 0);
    for (const PageArray* pages : {&run.store.LeftPages, &run.store.RightPages}) {
        EXPECT_EQ(station(pages->read(0), 2), stationText(3));
        EXPECT_EQ(station(pages->read(0), 1), "");
        EXPECT_EQ(pages->read(0).LastStation, "");
        EXPECT_EQ(pages->read(1), BookPage{});
    }
}

// A line's fields replace all 20 slots of its array: a shorter note line shows no text of
// the longer one before it.
TEST(DividedCleanStart, ShorterLineTakesNoFieldOfTheLineBefore)
{
    DividedStation first = plainStation("10+00");
    first.leftOuter = messageLine("Note", "SOFT GROUND");
    DividedStation second = plainStation("10+20");
    second.leftOuter = {"Note"};
    DividedParse run(joined({stationLines(first), stationLines(second)}));
    ASSERT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(run.left().StakeCells.at(1, 1, 0), "Note : ");
    EXPECT_EQ(run.left().StakeCells.at(1, 1, 1), "");
}

} // namespace
} // namespace quarrow::test
