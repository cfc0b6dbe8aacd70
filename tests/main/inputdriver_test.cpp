#include "main/inputdriver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using test::TempDir;

struct KindCase
{
    const char* path;
    const char* extension;
    InputKind kind;
};

class InputRouting : public testing::TestWithParam<KindCase>
{};

TEST_P(InputRouting, GoesByTheExtensionOfTheFileName)
{
    const auto& c = GetParam();
    EXPECT_EQ(fileExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(inputKindOf(c.path), c.kind) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InputRouting,
    testing::Values(KindCase{"road.txt", "txt", InputKind::Listing},
                    KindCase{"C:\\jobs\\ROAD.TXT", "TXT", InputKind::Listing},
                    KindCase{"list.Csv", "Csv", InputKind::Listing},
                    KindCase{"road.stk", "stk", InputKind::Report},
                    KindCase{"/home/survey/Road.STK", "STK", InputKind::Report},
                    // A folder named like a report does not make its listing a report.
                    KindCase{"/jobs/road.stk/list.txt", "txt", InputKind::Listing},
                    KindCase{"C:\\road.stk\\list.txt", "txt", InputKind::Listing},
                    KindCase{"/jobs/road.txt/notes", "", InputKind::Unknown},
                    KindCase{"list.stk.bak", "bak", InputKind::Unknown},
                    KindCase{"list.doc", "doc", InputKind::Unknown},
                    KindCase{"list", "", InputKind::Unknown},
                    KindCase{"", "", InputKind::Unknown}));

struct DerivedCase
{
    const char* input;
    const char* base;
};

class DerivedNames : public testing::TestWithParam<DerivedCase>
{};

TEST_P(DerivedNames, ReplaceOnlyTheExtensionOfTheFileName)
{
    const auto& c = GetParam();
    ReportStore store;
    GenerateOutputFilename(store, c.input);
    std::string base = c.base;
    EXPECT_EQ(store.ReportFileName, base + ".stk");
    EXPECT_EQ(store.WorkFile1Name, base + ".tx1");
    EXPECT_EQ(store.WorkFile2Name, base + ".tx2");
    EXPECT_EQ(store.TempFileName, base + ".tmp");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DerivedNames,
    testing::Values(DerivedCase{"C:\\road.old\\list.txt", "C:\\road.old\\list"},
                    DerivedCase{"/jobs/road.old/list.csv", "/jobs/road.old/list"},
                    DerivedCase{"sr22.v2.txt", "sr22.v2"},
                    DerivedCase{"C:\\jobs\\list", "C:\\jobs\\list"},
                    DerivedCase{"road.old/list", "road.old/list"}));

struct StationCase
{
    const char* text;
    double number;
};

class StationNumbers : public testing::TestWithParam<StationCase>
{};

TEST_P(StationNumbers, CountHundredsBeforeThePlus)
{
    const auto& c = GetParam();
    RecordingMessenger messenger;
    EXPECT_DOUBLE_EQ(ConvertInDouble(c.text, messenger), c.number) << '"' << c.text << '"';
    EXPECT_TRUE(messenger.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, StationNumbers,
                         testing::Values(StationCase{"3+25", 325}, StationCase{"0+2.5", 2.5},
                                         StationCase{"+5", 5}, StationCase{"7+", 700},
                                         StationCase{"7.5", 7.5}, StationCase{"", 0},
                                         StationCase{".", 0}, StationCase{"+", 0},
                                         StationCase{" 3 + 25 ", 325}, StationCase{"325", 325},
                                         StationCase{"3+25.0", 325}, StationCase{"-1+50", -50}));

TEST(StationNumbers, ATextThatIsNoStationIsReportedAndCountsAsZero)
{
    for (const char* text : {"abc", "1+2+3", "A+10", "1e400+1"}) {
        RecordingMessenger messenger;
        EXPECT_DOUBLE_EQ(ConvertInDouble(text, messenger), 0.0) << text;
        ASSERT_EQ(messenger.messages.size(), 1u) << text;
        EXPECT_EQ(messenger.messages[0].rfind("Program Error: ", 0), 0u) << messenger.messages[0];
        EXPECT_TRUE(messenger.messages[0].ends_with(" occured in ConvertInDouble"));
    }
    RecordingMessenger messenger;
    ConvertInDouble("abc", messenger);
    EXPECT_EQ(messenger.messages[0], "Program Error: Type mismatch occured in ConvertInDouble");
}

struct FirstLineCase
{
    const char* firstLine;
    const char* formatBefore;
    std::int16_t result;
    const char* roadwayType;
    const char* numberFormat;
};

class FirstLine : public testing::TestWithParam<FirstLineCase>
{};

TEST_P(FirstLine, SetsRoadwayTypeAndUnits)
{
    const auto& c = GetParam();
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    store.NumberFormat = c.formatBefore;
    store.RoadwayType = "before";
    store.InputFileName = dir.write("list.txt", std::string(c.firstLine) + "\r\n");

    EXPECT_EQ(GpkQuarrow(store, messenger), c.result);
    EXPECT_EQ(store.RoadwayType, c.roadwayType);
    EXPECT_EQ(store.NumberFormat, c.numberFormat);
    EXPECT_EQ(store.NumberFormat2, "##.00");
    EXPECT_EQ(store.InputError, c.result);
    if (c.result == 1) {
        EXPECT_EQ(messenger.messages,
                  std::vector<std::string>{"Invalid File Type check file format"});
        EXPECT_EQ(store.InputFileName, dir.file("list.txt"));
    } else {
        EXPECT_TRUE(messenger.messages.empty());
        EXPECT_EQ(store.InputFileName, dir.file("list.stk"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FirstLine,
    testing::Values(FirstLineCase{"UNDIVIDED", "##.000", 0, "Undivided", "##.00"},
                    FirstLineCase{"Undivided, Metric", "", 0, "Undivided", "##.000"},
                    FirstLineCase{"  UNDIVIDED  , METRIC  ", "", 0, "Undivided", "##.000"},
                    FirstLineCase{"undivided,imperial", "##.000", 0, "Undivided", "##.00"},
                    FirstLineCase{"UNDIVIDED,", "##.000", 0, "Undivided", "##.00"},
                    FirstLineCase{"UNDIVIDED,FEET", "##.000", 0, "Undivided", "##.000"},
                    FirstLineCase{"UNDIVIDED,FEET", "", 0, "Undivided", ""},
                    FirstLineCase{"UNDIVIDED,IMPERIAL,2001", "", 0, "Undivided", "##.00"},
                    FirstLineCase{"DIVIDED,METRIC,9", "", 0, "Divided", "##.000"},
                    FirstLineCase{"divided", "##.000", 0, "Divided", "##.00"},
                    FirstLineCase{"DIVIDEDX,IMPERIAL", "", 1, "before", "##.00"},
                    FirstLineCase{"UNDIVIDED-ROAD", "##.000", 1, "before", "##.00"},
                    FirstLineCase{"", "", 1, "before", "##.00"}));

TEST(FirstLine, AnEmptyOrMissingListingIsRejectedWithItsReason)
{
    struct Case
    {
        bool create;
        const char* message;
    };
    for (const Case& c :
         {Case{true, "Program Error : Input past end of file occured in GpkQuarrow"},
          Case{false, "Program Error : File not found occured in GpkQuarrow"}}) {
        TempDir dir;
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = c.create ? dir.write("list.txt", "") : dir.file("list.txt");
        EXPECT_EQ(GpkQuarrow(store, messenger), 1);
        EXPECT_EQ(store.InputError, 1);
        EXPECT_EQ(messenger.messages, std::vector<std::string>{c.message});
    }
}

} // namespace
} // namespace quarrow
