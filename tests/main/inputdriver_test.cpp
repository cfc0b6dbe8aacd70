#include "main/inputdriver.h"
#include "store/reportstore.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

struct Station
{
    const char* text;
    double value;
};

TEST(ConvertInDouble, ReadsHundredsPlusRemainder)
{
    const Station rows[] = {{"3+25", 325},  {"0+2.5", 2.5}, {"+5", 5}, {"7+", 700},
                            {" 12 + 50 ", 1250}, {"7.5", 7.5},   {"", 0},  {".", 0}};
    RecordingMessenger messenger;
    for (const Station& row : rows)
        EXPECT_EQ(ConvertInDouble(row.text, messenger), row.value) << row.text;
    EXPECT_TRUE(messenger.messages.empty());
    ConvertInDouble("1+OO", messenger);
    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error: Type mismatch occured in ConvertInDouble"});
}

// The companion files go beside the input, named after it without its extension.
TEST(GenerateOutputFilename, ReplacesTheExtensionOfTheFileName)
{
    const std::pair<const char*, const char*> rows[] = {
        {"/jobs/sr22.txt", "/jobs/sr22"},
        {"/jobs/road.old/list.txt", "/jobs/road.old/list"},
        {"C:\\Jobs\\road.v2\\list.final.csv", "C:\\Jobs\\road.v2\\list.final"},
        {"listing", "listing"},
    };
    for (auto [path, base] : rows) {
        ReportStore store;
        GenerateOutputFilename(store, path);
        EXPECT_EQ(store.ReportFileName, std::string(base) + ".stk") << path;
        EXPECT_EQ(store.WorkFile1Name, std::string(base) + ".tx1") << path;
        EXPECT_EQ(store.WorkFile2Name, std::string(base) + ".tx2") << path;
        EXPECT_EQ(store.TempFileName, std::string(base) + ".tmp") << path;
    }
}

// A divided listing makes its two work files beside it; a file of such a name keeps what it
// held, as the user may have kept something of their own there.
TEST(GpkQuarrow, ADividedListingMakesItsWorkFilesAndKeepsExistingOnes)
{
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    dir.write("us97.tx1", "old");
    store.InputFileName = dir.write("us97.txt", dividedListing(2));
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_EQ(readFile(dir.file("us97.tx1")), "old");
    EXPECT_EQ(readFile(dir.file("us97.tx2")), "");
    EXPECT_EQ(store.InputFileName, dir.file("us97.stk"));
}

} // namespace
} // namespace quarrow::test
