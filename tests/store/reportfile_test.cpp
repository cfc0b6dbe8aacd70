#include "store/reportfile.h"
#include "testsupport.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using test::TempDir;
using testing::ElementsAre;

std::string blanks(std::size_t count)
{
    return std::string(count, ' ');
}

std::vector<std::string> splitCrlf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// A page with station 10+00 in block 2 and 10+50 in block 1, some stake values, and hub
// values typed into block 1.
void fillPage(BookPage& page, const std::string& roadway)
{
    page.RoadwayName = roadway;
    page.ProfileName = "PGL";
    page.StakeCells.set(2, 0, 0, "10+00");
    page.StakeCells.set(2, 0, 1, "PGL = 1020.50");
    page.StakeCells.set(2, 1, 0, "C 4.00 @35.00");
    page.StakeCells.set(2, 2, 0, "F 2.50");
    page.StakeCells.set(2, 3, 0, "F  3.25 ");
    page.StakeCells.set(2, 3, 1, "@  29.00");
    page.HubCells.set(2, 0, 0, "10+00");
    page.StakeCells.set(1, 0, 0, "10+50");
    page.StakeCells.set(1, 1, 2, " 1019.25 ");
    page.HubCells.set(1, 0, 0, "10+50");
    page.HubCells.set(1, 1, 0, "3.5");
    page.HubCells.set(1, 2, 0, "C 1.2");
    page.HubCells.set(1, 5, 3, "RT HUB ");
    page.FirstStation = "10+00";
}

class ReportFile : public testing::Test
{
protected:
    std::string write(bool divided = false)
    {
        store.ReportFileName = dir.file("book.stk");
        EXPECT_TRUE(divided ? WriteItTothePageDivided(store, messenger)
                            : WriteItTothePage(store, messenger));
        EXPECT_TRUE(messenger.messages.empty());
        return test::readFile(store.ReportFileName);
    }

    bool read(std::string path)
    {
        reread = ReportStore{};
        reread.InputFileName = std::move(path);
        return ReadReportFile(reread, messenger);
    }

    TempDir dir;
    ReportStore store;
    ReportStore reread;
    RecordingMessenger messenger;
};

TEST_F(ReportFile, APageIsSixtyEightLinesLaidOutLikeThePrintedPage)
{
    fillPage(store.UndividedPages.write(0), "SR22");
    auto lines = splitCrlf(write());
    ASSERT_EQ(lines.size(), 68u);

    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], blanks(44) + "ROADWAY:SR22" + blanks(25) + "Page No: 1");
    for (int i : {2, 3, 4, 5, 13, 21, 29, 42, 50, 58, 66})
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], "") << "line " << i + 1;
    for (int i = 30; i <= 42; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], "") << "line " << i + 1;
    EXPECT_EQ(lines[67], "\f");

    std::string emptyStakeLine = blanks(16) + "," + blanks(10) + blanks(16) + "," + blanks(10) +
                                 blanks(16) + "," + blanks(10);
    // Block 0 (lines 7 to 13) is empty: its first line keeps the "+" a block is found by.
    EXPECT_EQ(lines[6], blanks(16) + "+," + blanks(10) + blanks(16) + "," + blanks(10) +
                            blanks(16) + "," + blanks(10));
    EXPECT_EQ(lines[7], emptyStakeLine);
    // Block 1, line 2: a value is right-aligned with its blanks.
    EXPECT_EQ(lines[16], blanks(16) + "," + blanks(10) + blanks(7) + " 1019.25 ," + blanks(10) +
                             blanks(16) + "," + blanks(10));
    // Block 2 starts at line 23; the right stake is written as it stands.
    EXPECT_EQ(lines[22], blanks(11) + "10+00," + blanks(10) + blanks(3) + "C 4.00 @35.00," +
                             blanks(10) + blanks(10) + "F 2.50," + blanks(10) + "F  3.25 ");
    EXPECT_EQ(lines[23], blanks(3) + "PGL = 1020.50," + blanks(10) + blanks(16) + "," + blanks(10) +
                             blanks(16) + "," + blanks(10) + "@  29.00");
    EXPECT_EQ(lines[28], emptyStakeLine);

    std::string emptyHubLine = blanks(16) + "," + blanks(6);
    for (int column = 1; column <= 4; ++column)
        emptyHubLine += blanks(10) + "," + blanks(6);
    // Hub block 0 at line 44: an empty station cell takes 16 places, not 10.
    EXPECT_EQ(lines[43], blanks(16) + "+," + blanks(6) + (emptyHubLine.substr(23)));
    EXPECT_EQ(lines[44], emptyHubLine);
    // Hub block 1 at line 52.
    EXPECT_EQ(lines[51], blanks(5) + "10+50," + blanks(6) + blanks(7) + "3.5," + blanks(6) +
                             blanks(5) + "C 1.2," + blanks(6) + blanks(10) + "," + blanks(6) +
                             blanks(10) + "," + blanks(6));
    EXPECT_EQ(lines[54], emptyHubLine + "RT HUB ");
    EXPECT_EQ(lines[59], blanks(5) + "10+00," + blanks(6) + emptyHubLine.substr(23));
}

TEST_F(ReportFile, ALongCellIsWrittenWhole)
{
    BookPage& page = store.UndividedPages.write(0);
    page.StakeCells.set(0, 0, 0, "1234567890+123456");
    page.StakeCells.set(0, 1, 0, "a text of twenty chars");
    page.HubCells.set(0, 0, 0, "12345+67890");
    auto lines = splitCrlf(write());
    EXPECT_EQ(lines[6], "1234567890+123456," + blanks(10) + "a text of twenty chars," + blanks(10) +
                            blanks(16) + "," + blanks(10));
    EXPECT_EQ(lines[43].substr(0, 12), "12345+67890,");
}

TEST_F(ReportFile, WritesEveryPageUpToTheLastWithItsNumber)
{
    store.LastPage = 2;
    store.UndividedPages.write(1).RoadwayName = "SR22";
    auto lines = splitCrlf(write());
    ASSERT_EQ(lines.size(), 3u * 68);
    EXPECT_EQ(lines[1], blanks(44) + "ROADWAY:" + blanks(25) + "Page No: 1");
    EXPECT_EQ(lines[69], blanks(44) + "ROADWAY:SR22" + blanks(25) + "Page No: 2");
    EXPECT_EQ(lines[137], blanks(44) + "ROADWAY:" + blanks(25) + "Page No: 3");
}

TEST_F(ReportFile, ReadingBackGivesTheTrimmedCellsAndRebuildsTheLists)
{
    store.LastPage = 1;
    fillPage(store.UndividedPages.write(0), "SR22");
    fillPage(store.UndividedPages.write(1), "SR22");
    store.UndividedPages.write(1).StakeCells.set(0, 0, 0, "11+00");
    store.UndividedPages.write(1).StakeCells.set(3, 0, 0, "block 3 is not kept");
    write();

    ASSERT_TRUE(read(store.ReportFileName));
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(reread.RoadwayType, "Undivided");
    EXPECT_EQ(reread.LastPage, 1);
    const BookPage& page = reread.UndividedPages.read(1);
    EXPECT_EQ(page.RoadwayName, "SR22");
    EXPECT_EQ(page.ProfileName, "");
    EXPECT_EQ(page.StakeCells.at(2, 3, 0), "F  3.25");
    EXPECT_EQ(page.StakeCells.at(1, 1, 2), "1019.25");
    EXPECT_EQ(page.StakeCells.at(0, 0, 0), "11+00");
    EXPECT_EQ(page.StakeCells.at(3, 0, 0), "");
    EXPECT_EQ(page.HubCells.at(1, 5, 3), "RT HUB");
    EXPECT_EQ(page.FirstStation, "10+00");
    EXPECT_EQ(page.LastStation, "11+00");
    // An empty block comes back with the "+" placeholder, which no list shows.
    EXPECT_EQ(reread.UndividedPages.read(0).StakeCells.at(0, 0, 0), "+");
    EXPECT_EQ(reread.UndividedPages.read(0).HubCells.at(0, 0, 0), "+");
    EXPECT_EQ(reread.UndividedPages.read(0).LastStation, "");
    EXPECT_THAT(reread.StationItems, ElementsAre("10+00", "10+50", "10+00", "10+50", "11+00"));
    EXPECT_THAT(reread.PageStationItems,
                ElementsAre("              1          10+00", "              1          10+50",
                            "              2          10+00", "              2          10+50",
                            "              2          11+00"));
    EXPECT_THAT(reread.PageItems, ElementsAre("              1          10+00               ",
                                              "              2          10+00          11+00"));
}

TEST_F(ReportFile, AReportReadIsWrittenAgainByteForByte)
{
    store.LastPage = 2;
    fillPage(store.UndividedPages.write(0), "SR22");
    fillPage(store.UndividedPages.write(2), "");
    write();
    ASSERT_TRUE(read(store.ReportFileName));
    reread.ReportFileName = dir.file("second.stk");
    ASSERT_TRUE(WriteItTothePage(reread, messenger));
    std::string second = test::readFile(reread.ReportFileName);

    ASSERT_TRUE(read(reread.ReportFileName));
    EXPECT_EQ(reread.UndividedPages.read(2).RoadwayName, "");
    reread.ReportFileName = dir.file("third.stk");
    ASSERT_TRUE(WriteItTothePage(reread, messenger));
    EXPECT_EQ(test::readFile(reread.ReportFileName), second);
}

TEST_F(ReportFile, AHeaderIsNeverReadAsABlock)
{
    fillPage(store.UndividedPages.write(0), "SR+22");
    write();
    ASSERT_TRUE(read(store.ReportFileName)) << messenger.messages.at(0);
    EXPECT_EQ(reread.UndividedPages.read(0).RoadwayName, "SR+22");
    EXPECT_EQ(reread.UndividedPages.read(0).StakeCells.at(2, 0, 0), "10+00");
}

TEST_F(ReportFile, ADividedBookWritesTheLeftThenTheRightPages)
{
    store.RoadwayType = "Divided";
    store.LastLeftPage = 2;
    store.LastRightPage = 1;
    for (int i = 0; i <= 2; ++i)
        fillPage(store.LeftPages.write(i), "SR22L");
    for (int i = 0; i <= 1; ++i)
        fillPage(store.RightPages.write(i), "SR22R");
    store.RightPages.write(1).StakeCells.set(0, 0, 0, "12+00");
    auto lines = splitCrlf(write(true));
    ASSERT_EQ(lines.size(), 5u * 68);
    EXPECT_EQ(lines[1], blanks(44) + "ROADWAY(left):SR22L" + blanks(25) + "Page No: 1");
    EXPECT_EQ(lines[137], blanks(44) + "ROADWAY(left):SR22L" + blanks(25) + "Page No: 3");
    EXPECT_EQ(lines[205], blanks(44) + "ROADWAY(right):SR22R" + blanks(25) + "Page No: 1");
    EXPECT_EQ(lines[273], blanks(44) + "ROADWAY(right):SR22R" + blanks(25) + "Page No: 2");

    ASSERT_TRUE(read(store.ReportFileName));
    EXPECT_EQ(reread.RoadwayType, "Divided");
    EXPECT_EQ(reread.LastLeftPage, 2);
    EXPECT_EQ(reread.LastRightPage, 1);
    EXPECT_EQ(reread.RightPages.read(1).StakeCells.at(0, 0, 0), "12+00");
    EXPECT_EQ(reread.RightPages.read(1).RoadwayName, "SR22R");
    EXPECT_EQ(reread.LeftPages.read(2).RoadwayName, "SR22L");
    EXPECT_EQ(reread.PageItems.size(), 5u);
    EXPECT_EQ(reread.PageItems[4], "              2          10+00          12+00");
    EXPECT_EQ(reread.PageStationItems.back(), "              2          12+00");
}

TEST_F(ReportFile, AFailedWriteLeavesTheEarlierReportAsItWas)
{
    store.ReportFileName = dir.write("book.stk", "an earlier report");
    store.LastPage = ReportStore::kUndividedCapacity;
    EXPECT_FALSE(WriteItTothePage(store, messenger));
    EXPECT_THAT(messenger.messages,
                ElementsAre(" Program Error : Subscript out of range occured in WriteItTothePage"));
    EXPECT_EQ(test::readFile(store.ReportFileName), "an earlier report");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ReportFile, AReportInAMissingFolderCannotBeWritten)
{
    store.ReportFileName = dir.file("missing/book.stk");
    EXPECT_FALSE(WriteItTothePage(store, messenger));
    EXPECT_THAT(messenger.messages,
                ElementsAre(" Program Error : Path not found occured in WriteItTothePage"));
}

TEST_F(ReportFile, OnlyTheRoadwayTypesHaveAWriter)
{
    store.ReportFileName = dir.file("book.stk");
    store.RoadwayType = "";
    EXPECT_FALSE(writeReport(store, messenger));
    EXPECT_FALSE(std::filesystem::exists(store.ReportFileName));
    store.RoadwayType = "Undivided";
    EXPECT_TRUE(writeReport(store, messenger));
    EXPECT_TRUE(std::filesystem::exists(store.ReportFileName));
}

// The first `count` lines of a text.
std::string firstLines(const std::string& text, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count; ++i)
        end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

// A minimal page section: a header and six blocks of seven lines.
std::string minimalPage(const std::string& label, int number, const std::string& station = "1+00")
{
    std::string page = "\r\n" + blanks(44) + label + "R" + blanks(25) +
                       "Page No: " + std::to_string(number) + "\r\n";
    for (int block = 0; block < 6; ++block) {
        page += (block < 3 ? station + ",a,b,c" : station + ",1,2,3,4,5") + "\r\n";
        for (int line = 1; line < 7; ++line)
            page += block < 3 ? ",,,\r\n" : ",,,,,\r\n";
    }
    return page + "\f\r\n";
}

std::string repeatPages(const std::string& label, int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += minimalPage(label, i);
    return text;
}

struct BadReportCase
{
    const char* name;
    std::string text;
    const char* description;
};

class BadReports : public ReportFile, public testing::WithParamInterface<BadReportCase>
{};

TEST_P(BadReports, AreRefusedWithTheReason)
{
    EXPECT_FALSE(read(dir.write("bad.stk", GetParam().text)));
    EXPECT_THAT(messenger.messages,
                ElementsAre(std::string(" Program Error: ") + GetParam().description +
                            " Error occured while reading *.stk file"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadReports,
    testing::Values(BadReportCase{"Empty", "", "Invalid file format"},
                    BadReportCase{"NoHeader", "\r\n\r\n\f\r\n", "Invalid file format"},
                    BadReportCase{"EndsInsideABlock", firstLines(minimalPage("ROADWAY:", 1), 5),
                                  "Input past end of file"},
                    BadReportCase{"EndsBetweenBlocks", firstLines(minimalPage("ROADWAY:", 1), 16),
                                  "Invalid file format"},
                    BadReportCase{"BlockBeforeAnyHeader",
                                  "1+00,a,b,c\r\n,,,\r\n,,,\r\n,,,\r\n,,,\r\n,,,\r\n,,,\r\n",
                                  "Subscript out of range"},
                    BadReportCase{"LineWithoutCommas",
                                  "\r\n" + blanks(44) + "ROADWAY:R" + blanks(25) +
                                      "Page No: 1\r\n1+00 a b c\r\n",
                                  "Invalid procedure call or argument"},
                    BadReportCase{"HubLineShortOfCommas",
                                  minimalPage("ROADWAY:", 1)
                                      .replace(minimalPage("ROADWAY:", 1).find("1+00,1,2,3,4,5"),
                                               14, "1+00,1,2,3,4"),
                                  "Invalid procedure call or argument"},
                    BadReportCase{"DividedWithoutRightPages", repeatPages("ROADWAY(left):", 2),
                                  "Invalid file format"},
                    BadReportCase{"RightPagesFirst",
                                  repeatPages("ROADWAY(right):", 1) +
                                      repeatPages("ROADWAY(left):", 1),
                                  "Invalid file format"},
                    BadReportCase{"UndividedAfterLeft",
                                  repeatPages("ROADWAY(left):", 1) + repeatPages("ROADWAY:", 1),
                                  "Invalid file format"},
                    BadReportCase{"PageOfFiveBlocks",
                                  repeatPages("ROADWAY(left):", 1) +
                                      firstLines(repeatPages("ROADWAY(right):", 1), 37) +
                                      repeatPages("ROADWAY(right):", 1),
                                  "Invalid file format"}),
    [](const testing::TestParamInfo<BadReportCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(ReportFile, AMissingReportIsNamedAsSuch)
{
    EXPECT_FALSE(read(dir.file("none.stk")));
    EXPECT_THAT(
        messenger.messages,
        ElementsAre(" Program Error: File not found Error occured while reading *.stk file"));
}

TEST_F(ReportFile, PagesReadBeforeAFailureStay)
{
    std::string text =
        repeatPages("ROADWAY:", 2) + firstLines(minimalPage("ROADWAY:", 3, "9+00"), 5);
    EXPECT_FALSE(read(dir.write("cut.stk", text)));
    EXPECT_EQ(reread.UndividedPages.read(1).StakeCells.at(0, 0, 0), "1+00");
    EXPECT_EQ(reread.PageItems.size(), 2u);
}

TEST_F(ReportFile, HoldsUpToTheCapacityOfEachArray)
{
    struct Case
    {
        std::string label;
        int pages;
        bool fits;
    };
    for (const Case& c :
         {Case{"ROADWAY:", 10001, true}, Case{"ROADWAY:", 10002, false},
          Case{"ROADWAY(left):", 5001, true}, Case{"ROADWAY(left):", 5002, false}}) {
        messenger.messages.clear();
        std::string text = repeatPages(c.label, c.pages);
        if (c.label != "ROADWAY:")
            text += repeatPages("ROADWAY(right):", 5001);
        EXPECT_EQ(read(dir.write("big.stk", text)), c.fits) << c.label << c.pages;
        if (c.fits) {
            EXPECT_TRUE(messenger.messages.empty());
            EXPECT_EQ(c.label == "ROADWAY:" ? reread.LastPage : reread.LastLeftPage, c.pages - 1);
        } else {
            EXPECT_THAT(messenger.messages,
                        ElementsAre(" Program Error: Subscript out of range Error occured while "
                                    "reading *.stk file"));
        }
    }
}

} // namespace
} // namespace quarrow
