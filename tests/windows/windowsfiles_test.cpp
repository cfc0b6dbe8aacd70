// File handling as Windows does it: drive letters and "\" in names, replacing a file that
// exists, names in Windows-1252 whatever the system's own code page, and CR LF text.
#include "cli/quarrowbook.h"
#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace quarrow {
namespace {

namespace fs = std::filesystem;
using test::RecordingMessenger;
using test::TempDir;

// The same name as the program holds it (Windows-1252 bytes) and as Windows shows it.
struct FileName
{
    const char* label;
    std::string bytes;
    std::wstring wide;
};

const FileName kPlain{"Plain", "sr22", L"sr22"};
const FileName kAccented{"Accented",
                         "Stra\xDF"
                         "e \xE9",
                         L"Stra\u00DFe \u00E9"};
// Bytes 0x80 to 0x9F are where Windows-1252 differs from Latin-1 and Unicode.
const FileName kEuroAndQuotes{"EuroAndQuotes",
                              "\x80 \x93"
                              "Ost\x94 \x8C",
                              L"\u20AC \u201COst\u201D \u0152"};

std::string nativeFolder(const TempDir& dir)
{
    return dir.path().string();
}

// The test's own reads and writes go by the wide name, which does not pass through the
// system's code page (the standard streams' do, in this runtime).
std::string bytesOf(const fs::path& path)
{
    std::string bytes;
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    EXPECT_TRUE(file) << "cannot read " << path.string();
    if (!file)
        return bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(file) << "cannot write " << path.string();
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

std::string sampleListing()
{
    return test::readFile(test::sampleFile("sr22-undivided.txt"));
}

std::string sampleReport()
{
    return test::readFile(test::sampleFile("sr22-undivided.stk"));
}

ExitCode runTool(const std::vector<std::string>& args, std::string& err)
{
    std::ostringstream out;
    std::ostringstream errors;
    ExitCode code = runQuarrowBook(args, out, errors);
    err = errors.str();
    return code;
}

// The sample's report once read and saved again: reading trims the cells, so this, not the
// sample itself, is what every later read and save gives back.
std::string savedSampleReport()
{
    TempDir dir;
    std::string saved = dir.file("saved.stk");
    std::string err;
    EXPECT_EQ(runTool({test::sampleFile("sr22-undivided.stk"), "--stk", saved}, err), ExitCode::Ok)
        << err;
    return test::readFile(saved);
}

class WindowsNames : public testing::TestWithParam<FileName>
{};

TEST_P(WindowsNames, ListingGivesItsReportBesideIt)
{
    TempDir dir;
    writeBytes(dir.path() / (GetParam().wide + L".txt"), sampleListing());
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = nativeFolder(dir) + "\\" + GetParam().bytes + ".txt";
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_EQ(store.ReportFileName, nativeFolder(dir) + "\\" + GetParam().bytes + ".stk");
    ASSERT_TRUE(writeReport(store, messenger));
    EXPECT_TRUE(messenger.messages.empty()) << messenger.messages.front();
    EXPECT_EQ(bytesOf(dir.path() / (GetParam().wide + L".stk")), sampleReport());
}

TEST_P(WindowsNames, ReportIsReadAndSavedOverItself)
{
    TempDir dir;
    std::string saved = savedSampleReport();
    writeBytes(dir.path() / (GetParam().wide + L".stk"), saved);
    std::string report = nativeFolder(dir) + "\\" + GetParam().bytes + ".stk";
    std::string err;
    EXPECT_EQ(runTool({report, "--stk", report}, err), ExitCode::Ok) << err;
    EXPECT_EQ(bytesOf(dir.path() / (GetParam().wide + L".stk")), saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "a file left behind";
}

TEST_P(WindowsNames, DividedListingCreatesItsWorkFiles)
{
    TempDir dir;
    writeBytes(dir.path() / (GetParam().wide + L".txt"), "DIVIDED,METRIC\r\n");
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = nativeFolder(dir) + "\\" + GetParam().bytes + ".txt";
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_TRUE(fs::exists(dir.path() / (GetParam().wide + L".tx1")));
    EXPECT_TRUE(fs::exists(dir.path() / (GetParam().wide + L".tx2")));
}

INSTANTIATE_TEST_SUITE_P(Names, WindowsNames, testing::Values(kPlain, kAccented, kEuroAndQuotes),
                         [](const testing::TestParamInfo<FileName>& param) {
                             return std::string(param.param.label);
                         });

struct FolderCase
{
    const char* name;
    bool slashes;
    const char* extension;
};

class WindowsFolders : public testing::TestWithParam<FolderCase>
{};

// "C:\...\road.v1\list.TXT" and "C:/.../road.v1/list.csv" both name a listing whose
// report goes beside it, not into the folder's parent.
TEST_P(WindowsFolders, DerivedNamesStayInTheListingsFolder)
{
    TempDir dir;
    fs::create_directory(dir.path() / "road.v1");
    std::string extension = GetParam().extension;
    writeBytes(dir.path() / "road.v1" / ("list." + extension), sampleListing());
    std::string separator = GetParam().slashes ? "/" : "\\";
    std::string root = GetParam().slashes ? dir.path().generic_string() : nativeFolder(dir);
    std::string folder = root + separator + "road.v1" + separator;
    ASSERT_EQ(folder.substr(1, 2), ":" + separator) << folder;
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = folder + "list." + extension;
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_EQ(store.ReportFileName, folder + "list.stk");
    EXPECT_EQ(store.WorkFile1Name, folder + "list.tx1");
    ASSERT_TRUE(writeReport(store, messenger));
    EXPECT_EQ(bytesOf(dir.path() / "road.v1" / "list.stk"), sampleReport());
}

INSTANTIATE_TEST_SUITE_P(Paths, WindowsFolders,
                         testing::Values(FolderCase{"Backslashes", false, "txt"},
                                         FolderCase{"BackslashesCapitals", false, "TXT"},
                                         FolderCase{"Slashes", true, "csv"}),
                         [](const testing::TestParamInfo<FolderCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(WindowsFolders, QuarrowBookRoutesABackslashPathByItsExtension)
{
    TempDir dir;
    fs::create_directory(dir.path() / "jobs.stk");
    writeBytes(dir.path() / "jobs.stk" / "sr22.TXT", sampleListing());
    std::string folder = nativeFolder(dir) + "\\jobs.stk\\";
    std::string err;
    ASSERT_EQ(runTool({folder + "sr22.TXT", "--stk", folder + "a.stk"}, err), ExitCode::Ok) << err;
    EXPECT_EQ(bytesOf(dir.path() / "jobs.stk" / "a.stk"), sampleReport());
    ASSERT_EQ(runTool({folder + "a.stk", "--stk", folder + "b.stk"}, err), ExitCode::Ok) << err;
    EXPECT_EQ(bytesOf(dir.path() / "jobs.stk" / "b.stk"), savedSampleReport());
}

TEST(WindowsReplace, SavingOverAnExistingReportReplacesIt)
{
    TempDir dir;
    writeBytes(dir.path() / "book.stk", "an older book\r\n");
    std::string report = nativeFolder(dir) + "\\book.stk";
    std::string err;
    for (int save = 0; save < 2; ++save) {
        ASSERT_EQ(runTool({test::sampleFile("sr22-undivided.txt"), "--stk", report}, err),
                  ExitCode::Ok)
            << "save " << save << ": " << err;
        EXPECT_EQ(bytesOf(dir.path() / "book.stk"), sampleReport()) << "save " << save;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "a file left behind";
}

struct LineEndCase
{
    const char* name;
    const char* end;
};

class WindowsLineEnds : public testing::TestWithParam<LineEndCase>
{};

std::string withLineEnds(const std::string& crlfText, const std::string& end)
{
    std::string text;
    for (std::size_t start = 0, stop; (stop = crlfText.find("\r\n", start)) != std::string::npos;
         start = stop + 2)
        text += crlfText.substr(start, stop - start) + end;
    return text;
}

// Whatever ends the listing's lines, the report file's lines end in CR LF alone: no line
// end is translated on the way in or out.
TEST_P(WindowsLineEnds, ReportFileLinesEndInCrLf)
{
    TempDir dir;
    std::string listing = withLineEnds(sampleListing(), GetParam().end);
    writeBytes(dir.path() / "list.txt", listing);
    std::string err;
    ASSERT_EQ(
        runTool({nativeFolder(dir) + "\\list.txt", "--stk", nativeFolder(dir) + "\\list.stk"}, err),
        ExitCode::Ok)
        << err;
    EXPECT_EQ(bytesOf(dir.path() / "list.stk"), sampleReport());
}

INSTANTIATE_TEST_SUITE_P(Listings, WindowsLineEnds,
                         testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"Lf", "\n"},
                                         LineEndCase{"Cr", "\r"}),
                         [](const testing::TestParamInfo<LineEndCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace quarrow
