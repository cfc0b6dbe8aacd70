#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <csignal>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace quarrow::test {
namespace {

// A save that fails, before or after it began to write, says why and leaves the file that
// was there as it was.
TEST(ReportFile, AFailedSaveKeepsTheFileThatWasThere)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.stk");
    std::string existing = dir.write("book.stk", "old");
    const std::tuple<std::string, const char*, bool> rows[] = {
        {dir.file("folder.stk"), "Path/File access error", false},
        {nameOf(dir.path() / "missing" / "book.stk"), "Path not found", false},
        {existing, "Path/File access error", true}, // the file system takes no more
    };
    for (const auto& [name, description, partWay] : rows) {
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = sampleFile("us97-divided.stk").string();
        ASSERT_TRUE(ReadReportFile(store, messenger));
        store.ReportFileName = name;
#ifdef _WIN32
        if (partWay)
            continue;
        EXPECT_FALSE(writeReport(store, messenger));
#else
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit{partWay ? 4096 : before.rlim_cur, before.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_FALSE(writeReport(store, messenger));
        setrlimit(RLIMIT_FSIZE, &before);
#endif
        EXPECT_EQ(messenger.messages,
                  std::vector<std::string>{" Program Error : " + std::string(description) +
                                           " occured in WriteItTothePage"});
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.stk"));
    EXPECT_EQ(readFile(existing), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
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
