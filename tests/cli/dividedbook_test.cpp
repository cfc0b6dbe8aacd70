// quarrow-book with divided listings and divided report files, and the divided sample.

#include "cli/quarrowbook.h"
#include "listing/dividedlisting.h"
#include "main/inputdriver.h"
#include "store/reportfile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace quarrow::test {
namespace {

struct BookRun
{
    ExitCode code;
    std::string out;
    std::string err;
};

BookRun runBook(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    ExitCode code = runQuarrowBook(args, out, err);
    return {code, out.str(), err.str()};
}

std::string listing(int stations, const std::vector<std::string>& more = {})
{
    std::vector<std::string> lines{"DIVIDED,METRIC"};
    for (int i = 0; i < stations; ++i) {
        auto station = stationLines(plainStation(stationText(i)));
        lines.insert(lines.end(), station.begin(), station.end());
    }
    lines.insert(lines.end(), more.begin(), more.end());
    return crlfLines(lines);
}

// The label, roadway name and page number of every header line of a report file.
std::vector<std::string> headersOf(const std::string& bytes)
{
    std::vector<std::string> headers;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line, '\n');) {
        std::istringstream words(line);
        std::string label;
        std::string page;
        std::string number;
        if (words >> label >> page && page == "Page" && words >> page >> number)
            headers.push_back(label + " " + number);
    }
    return headers;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(DividedBook, ListingGivesBothBooksInOneReportFile)
{
    TempDir dir;
    std::string input = dir.write("road.txt", listing(4));
    BookRun run = runBook({input, "--stk", dir.file("out.stk"), "--summary"});
    EXPECT_EQ(run.code, ExitCode::Ok);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(contains(run.out, "\"RoadwayType\": \"Divided\"")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"NumberFormat\": \"##.000\"")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"LastLeftPage\": 1")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"LastRightPage\": 1")) << run.out;
    EXPECT_EQ(headersOf(readFile(dir.file("out.stk"))),
              (std::vector<std::string>{"ROADWAY(left):SR5 1", "ROADWAY(left):SR5 2",
                                        "ROADWAY(right):SR5 1", "ROADWAY(right):SR5 2"}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("road.tx1")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("road.tx2")));
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Reading a divided report file lists the pages of both books, each numbered from 1.
TEST(DividedBook, ReportFileIsReadLikeAnUndividedOne)
{
    TempDir dir;
    std::string input = dir.write("road.txt", listing(4));
    ASSERT_EQ(runBook({input, "--stk", dir.file("road.stk")}).code, ExitCode::Ok);
    BookRun run = runBook({dir.file("road.stk"), "--summary"});
    EXPECT_EQ(run.code, ExitCode::Ok);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(contains(run.out, "\"RoadwayType\": \"Divided\"")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"LastLeftPage\": 1")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"LastRightPage\": 1")) << run.out;
    std::string firstPage = "\"" + in15("1") + in15("10+00") + in15("10+40") + "\"";
    std::string secondPage = "\"" + in15("2") + in15("10+60") + in15("") + "\"";
    EXPECT_EQ(occurrences(run.out, firstPage), 2u) << run.out;
    EXPECT_EQ(occurrences(run.out, secondPage), 2u) << run.out;
}

TEST(DividedBook, FailureIsReportedAndTheBooksSoFarAreWritten)
{
    TempDir dir;
    std::string input = dir.write("road.txt", listing(4, {"SR5 PGL1,10+80"}));
    BookRun run = runBook({input, "--stk", dir.file("out.stk")});
    EXPECT_EQ(run.code, ExitCode::Failed);
    EXPECT_EQ(run.err, " There is something wrong at Sta. 10+80\n");
    EXPECT_EQ(headersOf(readFile(dir.file("out.stk"))).size(), 4u);
}

// ---------------------------------------------------------------------------------------
// The sample listing and its report file

class DividedSample : public testing::Test
{
protected:
    void SetUp() override
    {
        // A copy, so that the work files are not made beside the sample itself.
        listingCopy = dir.write("us97-divided.txt", readFile(sampleFile("us97-divided.txt")));
    }

    TempDir dir;
    std::string listingCopy;
};

TEST_F(DividedSample, BuildsBothBooksWithoutMessages)
{
    BookRun run = runBook({listingCopy, "--summary"});
    EXPECT_EQ(run.code, ExitCode::Ok);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(contains(run.out, "\"LastLeftPage\": 10")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"LastRightPage\": 10")) << run.out;
}

TEST_F(DividedSample, ReportFileHoldsTheBooksOfTheListing)
{
    ReportStore parsed;
    RecordingMessenger messenger;
    parsed.InputFileName = listingCopy;
    ASSERT_EQ(GpkQuarrow(parsed, messenger), 0);
    ReportStore read;
    read.InputFileName = sampleFile("us97-divided.stk");
    ASSERT_TRUE(ReadReportFile(read, messenger));
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(read.LastLeftPage, parsed.LastLeftPage);
    EXPECT_EQ(read.LastRightPage, parsed.LastRightPage);
    expectReadBack(parsed.LeftPages, read.LeftPages, parsed.LastLeftPage);
    expectReadBack(parsed.RightPages, read.RightPages, parsed.LastRightPage);
}

} // namespace
} // namespace quarrow::test
