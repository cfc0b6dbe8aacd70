// File handling as Windows does it: drive letters and "\" or "/" in names, dotted folders,
// names beyond the system's own code page, replacing a file that exists, and listings with
// any line ends giving report files in CR LF.
#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <regex>

namespace quarrow::test {
namespace {

namespace fs = std::filesystem;

struct WindowsName
{
    const char* label;
    std::string folder; // under the test's folder
    std::string file;   // as the program holds it: UTF-8
    const char* separator;
    const char* lineEnd;
};

class WindowsNames : public testing::TestWithParam<WindowsName>
{};

// A listing gives its report file beside it, and again over it.
TEST_P(WindowsNames, ListingAndReportKeepTheirNames)
{
    const WindowsName& name = GetParam();
    TempDir dir;
    fs::path folder = dir.path() / name.folder;
    fs::create_directories(folder);
    writeFile(folder / pathOf(name.file + ".txt"),
              std::regex_replace(readFile(sampleFile("sr22-undivided.txt")), std::regex("\r\n"),
                                 name.lineEnd));
    std::string root =
        std::string(name.separator) == "/" ? dir.path().generic_string() : dir.path().string();
    ASSERT_EQ(root.substr(1, 2), std::string(":") + name.separator) << root;
    std::string base = root + name.separator + name.folder + name.separator + name.file;

    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = base + ".txt";
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_EQ(store.ReportFileName, base + ".stk");
    ASSERT_TRUE(writeReport(store, messenger));
    EXPECT_EQ(readFile(folder / pathOf(name.file + ".stk")),
              readFile(sampleFile("sr22-undivided.stk")));
    ASSERT_TRUE(writeReport(store, messenger)) << "written over the file it wrote";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2) << "a file left behind";
}

INSTANTIATE_TEST_SUITE_P(Names, WindowsNames,
                         testing::Values(WindowsName{"Plain", "jobs", "sr22", "\\", "\r\n"},
                                         WindowsName{"AccentedInADottedFolder", "road.v1",
                                                     "Straße € “Ost”", "\\", "\n"},
                                         WindowsName{"PolishAndCyrillicWithSlashes", "jobs.stk",
                                                     "Łódź Дорога", "/", "\r"}),
                         [](const auto& param) { return std::string(param.param.label); });

} // namespace
} // namespace quarrow::test
