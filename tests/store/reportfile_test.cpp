#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// A save that fails says why and leaves the file that was there as it was.
TEST(ReportFile, AFailedSaveKeepsTheFileThatWasThere)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.stk");
    const std::pair<std::string, const char*> rows[] = {
        {dir.file("folder.stk"), "Path/File access error"},
        {nameOf(dir.path() / "missing" / "book.stk"), "Path not found"},
    };
    for (const auto& [name, description] : rows) {
        ReportStore store;
        RecordingMessenger messenger;
        store.RoadwayType = "Undivided";
        store.ReportFileName = name;
        EXPECT_FALSE(writeReport(store, messenger));
        EXPECT_EQ(messenger.messages,
                  std::vector<std::string>{" Program Error : " + std::string(description) +
                                           " occured in WriteItTothePage"});
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.stk"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

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
