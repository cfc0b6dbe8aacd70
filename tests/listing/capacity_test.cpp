#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

struct Capacity
{
    bool divided;
    int stations;
    bool fits;
    std::int32_t lastPage;
};

// An undivided book holds 10 001 pages of three stations, a divided book 5 001 a side; the
// station that does not fit is named, and the book built so far can still be paged.
TEST(Capacity, TheLastStationThatFitsAndTheFirstThatDoesNot)
{
    const Capacity rows[] = {
        {false, 30002, true, 10000},
        {false, 30003, false, 10000},
        {true, 15002, true, 5000},
        {true, 15003, false, 5000},
    };
    for (const Capacity& row : rows) {
        SCOPED_TRACE(row.stations);
        TempDir dir;
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = dir.write(
            "big.txt", row.divided ? dividedListing(row.stations) : undividedListing(row.stations));
        ASSERT_EQ(GpkQuarrow(store, messenger), 0);
        std::string message = (row.divided ? " There is something wrong at Sta. "
                                           : " Please correct data input file at station: ") +
                              stationText(row.stations - 1);
        EXPECT_EQ(messenger.messages,
                  row.fits ? std::vector<std::string>{} : std::vector<std::string>{message});
        EXPECT_EQ(row.divided ? store.LastRightPage : store.LastPage, row.lastPage);
        EXPECT_EQ(store.PageItems.size(), static_cast<std::size_t>(row.lastPage) + 1);
    }
}

// One right page beyond the capacity makes the report file unreadable.
TEST(Capacity, AReportFileOfOnePageTooManyIsRefused)
{
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = dir.write("big.txt", dividedListing(15002));
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    ASSERT_TRUE(WriteItTothePageDivided(store, messenger));
    std::string report = readFile(store.ReportFileName);
    report += report.substr(report.rfind("\r\n" + std::string(44, ' ') + "ROADWAY(right):"));
    ReportStore reread;
    reread.InputFileName = dir.write("big.stk", report);
    EXPECT_FALSE(ReadReportFile(reread, messenger));
    EXPECT_EQ(messenger.messages, std::vector<std::string>{" Program Error: Subscript out of "
                                                           "range Error occured while reading "
                                                           "*.stk file"});
}

} // namespace
} // namespace quarrow::test
