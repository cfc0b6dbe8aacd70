// A divided book in a report file: the left pages, then the right pages numbered from 1
// again, and what reading such a file gives back.

#include "listing/dividedlisting.h"
#include "store/reportfile.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

std::string headerLine(const std::string& label, const std::string& name, int number)
{
    return std::string(44, ' ') + label + name + std::string(25, ' ') +
           "Page No: " + std::to_string(number);
}

std::string pageItem(int number, const std::string& first, const std::string& last)
{
    return in15(std::to_string(number)) + in15(first) + in15(last);
}

void putStations(PageArray& pages, const std::string& name,
                 const std::vector<std::vector<std::string>>& stationsByPage)
{
    for (std::size_t index = 0; index < stationsByPage.size(); ++index) {
        BookPage& page = pages.write(static_cast<int>(index));
        page.RoadwayName = name;
        const auto& stations = stationsByPage[index];
        for (std::size_t i = 0; i < stations.size(); ++i) {
            int block = 2 - static_cast<int>(i);
            page.StakeCells.set(block, 0, 0, stations[i]);
            page.HubCells.set(block, 0, 0, stations[i]);
        }
        page.FirstStation = stations.front();
        page.LastStation = stations.size() == 3 ? stations.back() : "";
    }
}

// Three left pages and two right pages, with cells in blanks.
class DividedReport : public testing::Test
{
protected:
    void SetUp() override
    {
        book.RoadwayType = "Divided";
        book.ReportFileName = dir.file("book.stk");
        putStations(book.LeftPages, "SR5L",
                    {{"10+00", "10+20", "10+40"}, {"10+60", "10+80", "11+00"}, {"11+20"}});
        putStations(book.RightPages, "SR5R", {{"20+00", "20+20", "20+40"}, {"20+60"}});
        book.LastLeftPage = 2;
        book.LastRightPage = 1;
        BookPage& first = book.LeftPages.write(0);
        first.StakeCells.set(2, 1, 0, " F  1.350 ");
        first.StakeCells.set(2, 3, 0, "Note : ");
        first.HubCells.set(1, 5, 2, " 1012.5 ");
        book.RightPages.write(1).StakeCells.set(2, 2, 0, "C -.500");
    }

    std::vector<std::string> written()
    {
        EXPECT_TRUE(WriteItTothePageDivided(book, messenger));
        return linesOf(readFile(book.ReportFileName));
    }

    ReportStore readBack()
    {
        ReportStore read;
        read.InputFileName = book.ReportFileName;
        EXPECT_TRUE(ReadReportFile(read, messenger));
        return read;
    }

    TempDir dir;
    ReportStore book;
    RecordingMessenger messenger;
};

TEST_F(DividedReport, WritesLeftPagesThenRightPagesEachNumberedFromOne)
{
    auto lines = written();
    ASSERT_EQ(lines.size(), 5u * 68u);
    const std::pair<const char*, int> headers[] = {{"ROADWAY(left):", 1},
                                                   {"ROADWAY(left):", 2},
                                                   {"ROADWAY(left):", 3},
                                                   {"ROADWAY(right):", 1},
                                                   {"ROADWAY(right):", 2}};
    for (std::size_t section = 0; section < 5; ++section) {
        auto [label, number] = headers[section];
        std::string name = section < 3 ? "SR5L" : "SR5R";
        EXPECT_EQ(lines[section * 68 + 1], headerLine(label, name, number)) << section;
        EXPECT_EQ(lines[section * 68 + 67], "\f") << section;
    }
    EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(DividedReport, StakeLinesOfBothBooksAreLaidOutAlike)
{
    auto lines = written();
    ASSERT_EQ(lines.size(), 5u * 68u);
    // Left page 1, block 2 is the third block of the stake table: line 7 + 2 * 8.
    EXPECT_EQ(lines[6 + 16], "           10+00," + std::string(10, ' ') + std::string(6, ' ') +
                                 " F  1.350 ," + std::string(10, ' ') + std::string(16, ' ') + "," +
                                 std::string(10, ' ') + "Note : ");
    // Right page 2, block 0 is empty: its station cell keeps the "+".
    EXPECT_EQ(lines[4 * 68 + 6], std::string(16, ' ') + "+," + std::string(10, ' ') +
                                     std::string(16, ' ') + "," + std::string(10, ' ') +
                                     std::string(16, ' ') + "," + std::string(10, ' '));
    EXPECT_EQ(lines[4 * 68 + 6 + 16], "           20+60," + std::string(10, ' ') +
                                          std::string(16, ' ') + "," + std::string(10, ' ') +
                                          "         C -.500," + std::string(10, ' '));
}

TEST_F(DividedReport, ReadingBackGivesBothBooksWithTheirCellsTrimmed)
{
    written();
    ReportStore read = readBack();
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(read.RoadwayType, "Divided");
    EXPECT_EQ(read.LastLeftPage, 2);
    EXPECT_EQ(read.LastRightPage, 1);
    EXPECT_EQ(read.LeftPages.read(0).StakeCells.at(2, 1, 0), "F  1.350");
    EXPECT_EQ(read.LeftPages.read(0).StakeCells.at(2, 3, 0), "Note :");
    EXPECT_EQ(read.LeftPages.read(0).HubCells.at(1, 5, 2), "1012.5");
    EXPECT_EQ(read.LeftPages.read(2).StakeCells.at(0, 0, 0), "+");
    EXPECT_EQ(read.RightPages.read(1).StakeCells.at(1, 0, 0), "+");
    expectReadBack(book.LeftPages, read.LeftPages, 2);
    expectReadBack(book.RightPages, read.RightPages, 1);
}

TEST_F(DividedReport, ReadingBackListsLeftPagesThenRightPages)
{
    written();
    ReportStore read = readBack();
    EXPECT_EQ(read.StationItems,
              (std::vector<std::string>{"10+00", "10+20", "10+40", "10+60", "10+80", "11+00",
                                        "11+20", "20+00", "20+20", "20+40", "20+60"}));
    std::vector<std::string> pageStations;
    for (const auto& [page, station] : std::vector<std::pair<int, std::string>>{{1, "10+00"},
                                                                                {1, "10+20"},
                                                                                {1, "10+40"},
                                                                                {2, "10+60"},
                                                                                {2, "10+80"},
                                                                                {2, "11+00"},
                                                                                {3, "11+20"},
                                                                                {1, "20+00"},
                                                                                {1, "20+20"},
                                                                                {1, "20+40"},
                                                                                {2, "20+60"}})
        pageStations.push_back(in15(std::to_string(page)) + in15(station));
    EXPECT_EQ(read.PageStationItems, pageStations);
    EXPECT_EQ(read.PageItems,
              (std::vector<std::string>{pageItem(1, "10+00", "10+40"),
                                        pageItem(2, "10+60", "11+00"), pageItem(3, "11+20", ""),
                                        pageItem(1, "20+00", "20+40"), pageItem(2, "20+60", "")}));
}

// A parsed book, with notes, stakes and median texts whose cells end in blanks, comes back
// whole.
TEST(DividedReportRoundTrip, ParsedBookComesBackFromItsReportFile)
{
    DividedStation station = plainStation("10+00");
    station.leftOuter = dataLine("F");
    station.leftMedian = with(dataLine("M"), {{16, "SSTOFBD"}});
    station.rightMedian = messageLine("Note", "MEDIAN BARRIER - SEE DETAIL SHEET 14");
    station.rightOuter = dataLine("C");
    DividedStation second = plainStation("10+20");
    second.leftMedian = messageLine("Error", "SLOPE DOES NOT CATCH");
    std::vector<std::string> lines = stationLines(station);
    for (const auto& line : stationLines(second))
        lines.push_back(line);
    DividedParse run(lines);
    ASSERT_TRUE(run.messenger.messages.empty());
    run.store.RoadwayType = "Divided";
    run.store.ReportFileName = run.dir.file("road.stk");
    RecordingMessenger messenger;
    ASSERT_TRUE(WriteItTothePageDivided(run.store, messenger));

    ReportStore read;
    read.InputFileName = run.store.ReportFileName;
    ASSERT_TRUE(ReadReportFile(read, messenger));
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(read.LastLeftPage, 0);
    EXPECT_EQ(read.LastRightPage, 0);
    EXPECT_EQ(read.RightPages.read(0).StakeCells.at(2, 1, 0), "Note :");
    expectReadBack(run.store.LeftPages, read.LeftPages, 0);
    expectReadBack(run.store.RightPages, read.RightPages, 0);
}

} // namespace
} // namespace quarrow::test
