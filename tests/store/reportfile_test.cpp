#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// A report file cut short is read only when the cut falls after a complete page, and then
// gives exactly the pages before it; anywhere else it is refused with one message.
TEST(ReportFile, ACutFileGivesItsCompletePagesOrIsRefused)
{
    TempDir dir;
    std::string report = readFile(sampleFile("sr22-undivided.stk"));
    constexpr int kPageLines = 68;
    constexpr int kLastBlockLine = 66;
    std::vector<std::size_t> lineEnds{0};
    for (auto at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2))
        lineEnds.push_back(at + 2);
    ASSERT_EQ(lineEnds.size(), 11u * kPageLines + 1);
    for (int lines = 0; lines < static_cast<int>(lineEnds.size()); ++lines) {
        int complete = lines < kLastBlockLine ? 0 : (lines - kLastBlockLine) / kPageLines + 1;
        bool readable = complete > 0 && (lines - kLastBlockLine) % kPageLines <= 3;
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = dir.write("cut.stk", report.substr(0, lineEnds[lines]));
        ASSERT_EQ(ReadReportFile(store, messenger), readable) << lines << " lines";
        EXPECT_EQ(messenger.messages.size(), readable ? 0u : 1u) << lines << " lines";
        if (readable) {
            EXPECT_EQ(store.PageItems.size(), static_cast<std::size_t>(complete)) << lines;
        }
    }
}

} // namespace
} // namespace quarrow::test
