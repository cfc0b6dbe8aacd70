#include "main/inputdriver.h"
#include "store/reportfile.h"
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
    const Station rows[] = {{"3+25", 325},       {"0+2.5", 2.5}, {"+5", 5}, {"7+", 700},
                            {" 12 + 50 ", 1250}, {"7.5", 7.5},   {"", 0},   {".", 0}};
    RecordingMessenger messenger;
    for (const Station& row : rows)
        EXPECT_EQ(ConvertInDouble(row.text, messenger), row.value) << row.text;
    EXPECT_TRUE(messenger.messages.empty());
    ConvertInDouble("1+OO", messenger);
    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error: Type mismatch occured in ConvertInDouble"});
}

// A listing in a folder whose name holds letters beyond ASCII gives its report and work
// files beside it; a work file of such a name keeps what it held, as the user may have kept
// something of their own there. The report reads back from its name.
TEST(GpkQuarrow, NamesBeyondAsciiGiveTheirFilesBesideTheListing)
{
    TempDir dir;
    std::string base = dir.file("données/Łódź/Straße €");
    writeFile(pathOf(base + ".tx1"), "old");
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = dir.write("données/Łódź/Straße €.txt", dividedListing(2));
    ASSERT_EQ(GpkQuarrow(store, messenger), 0);
    EXPECT_EQ(store.InputFileName, base + ".stk");
    ASSERT_TRUE(writeReport(store, messenger));
    EXPECT_EQ(readFile(pathOf(base + ".tx1")), "old");
    EXPECT_EQ(readFile(pathOf(base + ".tx2")), "");
    ReportStore reread;
    reread.InputFileName = store.ReportFileName;
    EXPECT_TRUE(ReadReportFile(reread, messenger));
    EXPECT_EQ(reread.StationItems.size(), 2 * store.StationItems.size());
    EXPECT_TRUE(messenger.messages.empty());
}

} // namespace
} // namespace quarrow::test
