// Report files that are damaged, cut short, out of order or too long: the reader refuses
// them with one message and never takes a damaged page for a good one.

#include "store/reportfile.h"
#include "store/runerror.h"
#include "testsupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using test::TempDir;
using testing::ElementsAre;

constexpr int kPageLines = 68;
// The last line of a page's last hub block: the page is complete once it is read.
constexpr int kLastBlockLine = 66;

std::string readerMessage(const char* description)
{
    return std::string(" Program Error: ") + description +
           " Error occured while reading *.stk file";
}

// The lines of a text, each with its CR LF.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        end = end == std::string::npos ? text.size() : end + 2;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string joinFirst(const std::vector<std::string>& lines, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += lines[i];
    return text;
}

// Three stations, a stake, a C.L. value and a hub value on a page.
void fillPage(BookPage& page, int number)
{
    page.RoadwayName = "SR22";
    for (int block = 0; block <= 2; ++block) {
        std::string station = std::to_string(number) + "+" + std::to_string(block * 25);
        page.StakeCells.set(block, 0, 0, station);
        page.StakeCells.set(block, 1, 0, "C 4.00 @35.00");
        page.StakeCells.set(block, 2, 0, "F 2.50");
        page.StakeCells.set(block, 3, 1, "@  29.00");
        page.HubCells.set(block, 0, 0, station);
        page.HubCells.set(block, 5, 2, "RT HUB");
    }
}

struct BookShape
{
    const char* name;
    int firstPages;      // undivided pages, or the left pages of a divided book
    int rightPages = -1; // none: an undivided book
    bool divided() const { return rightPages >= 0; }
    int pages() const { return firstPages + (divided() ? rightPages : 0); }
};

std::ostream& operator<<(std::ostream& out, const BookShape& shape)
{
    return out << shape.name;
}

std::string writtenReport(const TempDir& dir, const BookShape& shape)
{
    ReportStore store;
    store.ReportFileName = dir.file("book.stk");
    store.RoadwayType = shape.divided() ? "Divided" : "Undivided";
    PageArray& first = shape.divided() ? store.LeftPages : store.UndividedPages;
    for (int i = 0; i < shape.firstPages; ++i)
        fillPage(first.write(i), i + 1);
    for (int i = 0; i < shape.rightPages; ++i)
        fillPage(store.RightPages.write(i), i + 1);
    store.LastPage = shape.divided() ? 0 : shape.firstPages - 1;
    store.LastLeftPage = shape.divided() ? shape.firstPages - 1 : 0;
    store.LastRightPage = shape.divided() ? shape.rightPages - 1 : 0;
    RecordingMessenger messenger;
    EXPECT_TRUE(writeReport(store, messenger));
    return test::readFile(store.ReportFileName);
}

class CutReport : public testing::TestWithParam<BookShape>
{
protected:
    bool read(const std::string& text)
    {
        book = ReportStore{};
        messenger.messages.clear();
        book.InputFileName = dir.write("cut.stk", text);
        return ReadReportFile(book, messenger);
    }

    TempDir dir;
    ReportStore book;
    RecordingMessenger messenger;
};

// A cut after `lineCount` lines leaves whole the pages whose last block it follows. Past that
// block only the page's empty lines, its form feed and the next page's first, empty line may
// be missing; a cut anywhere else leaves a page damaged.
int completePages(int lineCount)
{
    return lineCount < kLastBlockLine ? 0 : (lineCount - kLastBlockLine) / kPageLines + 1;
}

bool cutBetweenPages(int lineCount)
{
    return lineCount >= kLastBlockLine && (lineCount - kLastBlockLine) % kPageLines <= 3;
}

TEST_P(CutReport, IsReadOnlyWhenTheCutFallsAfterACompletePage)
{
    const BookShape& shape = GetParam();
    std::vector<std::string> lines = linesOf(writtenReport(dir, shape));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(shape.pages() * kPageLines));
    // A divided book needs its left pages and at least one right page.
    int pagesNeeded = shape.divided() ? shape.firstPages + 1 : 1;
    for (int count = 0; count <= static_cast<int>(lines.size()); ++count) {
        SCOPED_TRACE("cut after line " + std::to_string(count));
        int pages = completePages(count);
        bool readable = cutBetweenPages(count) && pages >= pagesNeeded;
        ASSERT_EQ(read(joinFirst(lines, static_cast<std::size_t>(count))), readable);
        if (!readable) {
            ASSERT_EQ(messenger.messages.size(), 1u);
            EXPECT_THAT(messenger.messages[0], testing::StartsWith(" Program Error: "));
            EXPECT_THAT(messenger.messages[0],
                        testing::EndsWith(" Error occured while reading *.stk file"));
            continue;
        }
        EXPECT_TRUE(messenger.messages.empty());
        EXPECT_EQ(book.PageItems.size(), static_cast<std::size_t>(pages));
        if (shape.divided()) {
            EXPECT_EQ(book.LastLeftPage, shape.firstPages - 1);
            EXPECT_EQ(book.LastRightPage, pages - shape.firstPages - 1);
        } else {
            EXPECT_EQ(book.LastPage, pages - 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Books, CutReport,
                         testing::Values(BookShape{"OneUndividedPage", 1},
                                         BookShape{"TwoUndividedPages", 2},
                                         BookShape{"OneLeftAndOneRightPage", 1, 1}),
                         [](const testing::TestParamInfo<BookShape>& param) {
                             return std::string(param.param.name);
                         });

// Every line of a block needs all its commas: three in the stake table, five in the hub
// table. Taking one away from any of them refuses the file.
TEST(ReportLines, AnyBlockLineShortOfACommaIsRefused)
{
    TempDir dir;
    std::vector<std::string> lines = linesOf(writtenReport(dir, BookShape{"OnePage", 1}));
    int blockLines = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::size_t lastComma = lines[i].rfind(',');
        if (lastComma == std::string::npos)
            continue;
        ++blockLines;
        std::vector<std::string> damaged = lines;
        damaged[i].erase(lastComma, 1);
        ReportStore book;
        RecordingMessenger messenger;
        book.InputFileName = dir.write("damaged.stk", joinFirst(damaged, damaged.size()));
        EXPECT_FALSE(ReadReportFile(book, messenger)) << "line " << i + 1;
        EXPECT_THAT(messenger.messages, ElementsAre(readerMessage(errors::kInvalidArgument)))
            << "line " << i + 1;
    }
    EXPECT_EQ(blockLines, 6 * 7);
}

// A page section of the smallest form: a header line and six blocks of seven lines.
std::string header(const std::string& label, int number)
{
    return "\r\n" + std::string(44, ' ') + label + "R" + std::string(25, ' ') +
           "Page No: " + std::to_string(number) + "\r\n";
}

std::string sixBlocks()
{
    std::string blocks;
    for (int block = 0; block < 6; ++block) {
        blocks += block < 3 ? "1+00,a,b,c\r\n" : "1+00,1,2,3,4,5\r\n";
        for (int line = 1; line < 7; ++line)
            blocks += block < 3 ? ",,,\r\n" : ",,,,,\r\n";
    }
    return blocks + "\f\r\n";
}

std::string pages(const std::string& label, int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += header(label, i) + sixBlocks();
    return text;
}

const std::string kLeft = "ROADWAY(left):";
const std::string kRight = "ROADWAY(right):";
const std::string kUndivided = "ROADWAY:";

struct DamagedCase
{
    const char* name;
    std::string text;
    const char* description;
};

std::ostream& operator<<(std::ostream& out, const DamagedCase& c)
{
    return out << c.name;
}

class DamagedReport : public testing::TestWithParam<DamagedCase>
{};

TEST_P(DamagedReport, IsRefusedWithOneMessage)
{
    TempDir dir;
    ReportStore book;
    RecordingMessenger messenger;
    book.InputFileName = dir.write("damaged.stk", GetParam().text);
    EXPECT_FALSE(ReadReportFile(book, messenger));
    EXPECT_THAT(messenger.messages, ElementsAre(readerMessage(GetParam().description)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedReport,
    testing::Values(
        // Headers out of order.
        DamagedCase{"TwoHeadersInARow", header(kUndivided, 1) + pages(kUndivided, 1),
                    errors::kInvalidFileFormat},
        DamagedCase{"HeaderAtTheEnd", pages(kUndivided, 1) + header(kUndivided, 2),
                    errors::kInvalidFileFormat},
        DamagedCase{"RightHeaderWithoutItsPage",
                    pages(kLeft, 1) + header(kRight, 1) + pages(kRight, 1),
                    errors::kInvalidFileFormat},
        DamagedCase{"LeftAfterRight", pages(kLeft, 1) + pages(kRight, 1) + pages(kLeft, 1),
                    errors::kInvalidFileFormat},
        DamagedCase{"LeftAfterUndivided", pages(kUndivided, 1) + pages(kLeft, 1),
                    errors::kInvalidFileFormat},
        DamagedCase{"RightAfterUndivided", pages(kUndivided, 1) + pages(kRight, 1),
                    errors::kInvalidFileFormat},
        DamagedCase{"HeaderInsideABlock",
                    header(kUndivided, 1) + "1+00,a,b,c\r\n,,,\r\n" + header(kUndivided, 2),
                    errors::kInvalidArgument},
        // A page whose header line was lost: its blocks would overwrite the page before.
        DamagedCase{"PageWithoutItsHeader", pages(kUndivided, 1) + sixBlocks(),
                    errors::kInvalidFileFormat},
        DamagedCase{"RightPageWithoutItsHeader",
                    pages(kLeft, 1) + "\r\n(right):R  Page No: 1\r\n" + sixBlocks() +
                        pages(kRight, 1),
                    errors::kInvalidFileFormat},
        // Capacity: 5 001 pages a side.
        DamagedCase{"RightPagesOverCapacity", pages(kLeft, 1) + pages(kRight, 5002),
                    errors::kSubscriptOutOfRange}),
    [](const testing::TestParamInfo<DamagedCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace quarrow
