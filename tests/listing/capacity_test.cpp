#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// An undivided book holds 10 001 pages of three stations, a divided book 5 001 a side; the
// station that does not fit is named, and the book built so far can still be paged. A report
// file of one page more than a side holds is refused.
TEST(Capacity, TheLastStationThatFitsAndTheFirstThatDoesNot)
{
    for (auto [divided, stations, fits] : {std::tuple{false, 30002, true},
                                           {false, 30003, false},
                                           {true, 15002, true},
                                           {true, 15003, false}}) {
        SCOPED_TRACE(stations);
        TempDir dir;
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName =
            dir.write("big.txt", divided ? dividedListing(stations) : undividedListing(stations));
        ASSERT_EQ(GpkQuarrow(store, messenger), 0);
        std::string message = (divided ? " There is something wrong at Sta. "
                                       : " Please correct data input file at station: ") +
                              stationText(stations - 1);
        EXPECT_EQ(messenger.messages,
                  fits ? std::vector<std::string>{} : std::vector<std::string>{message});
        std::int32_t lastPage = divided ? 5000 : 10000;
        EXPECT_EQ(divided ? store.LastRightPage : store.LastPage, lastPage);
        EXPECT_EQ(store.PageItems.size(), static_cast<std::size_t>(lastPage) + 1);
        if (!divided || !fits)
            continue;
        ASSERT_TRUE(WriteItTothePageDivided(store, messenger));
        std::string report = readFile(store.ReportFileName);
        report += report.substr(report.rfind("\r\n" + std::string(44, ' ') + "ROADWAY(right):"));
        store.InputFileName = dir.write("big.stk", report);
        EXPECT_FALSE(ReadReportFile(store, messenger));
        EXPECT_EQ(messenger.messages, std::vector<std::string>{" Program Error: Subscript out of "
                                                               "range Error occured while reading "
                                                               "*.stk file"});
    }
}

} // namespace
} // namespace quarrow::test
