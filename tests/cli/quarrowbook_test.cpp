#include "cli/quarrowbook.h"
#include "testsupport.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace quarrow {
namespace {

using test::TempDir;
using testing::HasSubstr;

struct ToolRun
{
    ExitCode code;
    std::string out;
    std::string err;
};

ToolRun run(const std::vector<std::string>& args, PdfOutput* pdf = nullptr)
{
    std::ostringstream out;
    std::ostringstream err;
    ExitCode code = runQuarrowBook(args, out, err, pdf);
    return {code, out.str(), err.str()};
}

const std::string kPair = "SR22 PGL,10+00,1020.5,2.5,1019.25,12,1.5,4,F,0,6,1016.5,2,8,4,3.25,13,4";

std::string listing(const std::vector<std::string>& lines)
{
    return test::crlfLines(lines);
}

TEST(QuarrowBook, TurnsTheSampleListingIntoItsReportFile)
{
    TempDir dir;
    ToolRun result = run({test::sampleFile("sr22-undivided.txt"), "--stk", dir.file("out.stk")});
    EXPECT_EQ(result.code, ExitCode::Ok) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(test::readFile(dir.file("out.stk")),
              test::readFile(test::sampleFile("sr22-undivided.stk")));
}

TEST(QuarrowBook, ReadsAReportAndWritesItAgain)
{
    TempDir dir;
    ToolRun first = run({test::sampleFile("sr22-undivided.stk"), "--stk", dir.file("a.stk")});
    ASSERT_EQ(first.code, ExitCode::Ok) << first.err;
    ToolRun second = run({dir.file("a.stk"), "--stk", dir.file("b.stk")});
    ASSERT_EQ(second.code, ExitCode::Ok) << second.err;
    EXPECT_EQ(test::readFile(dir.file("a.stk")), test::readFile(dir.file("b.stk")));
}

// A file name as the summary writes it: JSON escapes the "\" of Windows folder names.
std::string asJson(std::string path)
{
    for (auto at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 2))
        path.replace(at, 1, "\\\\");
    return "\"" + path + "\"";
}

TEST(QuarrowBook, SummarisesTheBookAsJson)
{
    TempDir dir;
    std::string path = dir.write("sr22.TXT", listing({"UNDIVIDED,METRIC", kPair, kPair}));
    ToolRun result = run({path, "--summary"});
    ASSERT_EQ(result.code, ExitCode::Ok) << result.err;
    EXPECT_THAT(result.out, HasSubstr("\"RoadwayType\": \"Undivided\""));
    EXPECT_THAT(result.out, HasSubstr("\"NumberFormat\": \"##.000\""));
    EXPECT_THAT(result.out, HasSubstr("\"LastPage\": 0"));
    EXPECT_THAT(result.out, HasSubstr("\"ReportFileName\": " + asJson(dir.file("sr22.stk"))));
    EXPECT_THAT(result.out, HasSubstr("\"StationItems\": [\n    \"10+00\"\n  ]"));
    EXPECT_THAT(result.out,
                HasSubstr("\"PageStationItems\": [\n    \"              1          10+00\"\n  ]"));
    EXPECT_THAT(
        result.out,
        HasSubstr("\"PageItems\": [\n    \"              1          10+00               \"\n  ]"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("sr22.stk"))) << "written without --stk";
}

TEST(QuarrowBook, JsonTextsAreUtf8AndEscaped)
{
    ReportStore store;
    store.RoadwayType = "Und\"iv\\ided\x01";
    store.StationItems = {"10+00 \xe9\x80"};
    std::string json = summaryJson(store);
    EXPECT_THAT(json, HasSubstr("\"RoadwayType\": \"Und\\\"iv\\\\ided\\u0001\""));
    EXPECT_THAT(json, HasSubstr("\"10+00 \xc3\xa9\xe2\x82\xac\""));
}

struct RefusedCase
{
    const char* name;
    const char* file;
    std::string bytes;
    const char* message;
};

class RefusedInput : public testing::TestWithParam<RefusedCase>
{};

TEST_P(RefusedInput, ExitsWithTheMessageAndWritesNothing)
{
    TempDir dir;
    std::string path = dir.write(GetParam().file, GetParam().bytes);
    ToolRun result = run({path, "--stk", dir.file("out.stk"), "--summary"});
    EXPECT_EQ(result.code, ExitCode::Failed);
    EXPECT_EQ(result.err, std::string(GetParam().message) + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.stk")));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInput,
    testing::Values(
        RefusedCase{"UnknownExtension", "list.doc", "UNDIVIDED\r\n", "Please Select RAW data file"},
        RefusedCase{"UnknownRoadway", "list.csv", "DIVIDEDX,IMPERIAL\r\n",
                    "Invalid File Type check file format"},
        RefusedCase{"EmptyListing", "list.txt", "",
                    "Program Error : Input past end of file occured in GpkQuarrow"},
        RefusedCase{"BrokenReport", "old.stk", "\r\n",
                    " Program Error: Invalid file format Error occured while reading *.stk file"}),
    [](const testing::TestParamInfo<RefusedCase>& param) { return std::string(param.param.name); });

TEST(QuarrowBook, APartialBookIsStillWrittenAfterAParserMessage)
{
    TempDir dir;
    std::string path = dir.write("list.txt", listing({"UNDIVIDED", kPair, kPair, "SR22,11+00"}));
    ToolRun result = run({path, "--stk", dir.file("out.stk")});
    EXPECT_EQ(result.code, ExitCode::Failed);
    EXPECT_EQ(result.err, " Please correct data input file at station: 11+00\n");
    EXPECT_THAT(test::readFile(dir.file("out.stk")), HasSubstr("10+00"));
}

TEST(QuarrowBook, AListingInAFolderNamedLikeAReportIsAListing)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "road.stk");
    std::string path = dir.write("road.stk/list.txt", listing({"UNDIVIDED", kPair, kPair}));
    ToolRun result = run({path, "--stk", dir.file("out.stk")});
    EXPECT_EQ(result.code, ExitCode::Ok) << result.err;
}

TEST(QuarrowBook, AFailedSaveFailsTheRun)
{
    TempDir dir;
    std::string path = dir.write("list.txt", listing({"UNDIVIDED", kPair, kPair}));
    ToolRun result = run({path, "--stk", dir.file("missing/out.stk")});
    EXPECT_EQ(result.code, ExitCode::Failed);
    EXPECT_EQ(result.err, " Program Error : Path not found occured in WriteItTothePage\n");
}

struct UsageCase
{
    const char* name;
    std::vector<std::string> args;
    const char* error;
};

class WrongUsage : public testing::TestWithParam<UsageCase>
{};

TEST_P(WrongUsage, ExitsWithTwoAndTheUsage)
{
    ToolRun result = run(GetParam().args);
    EXPECT_EQ(result.code, ExitCode::Usage);
    EXPECT_THAT(result.err, HasSubstr(GetParam().error));
    EXPECT_THAT(result.err, HasSubstr("Usage: quarrow-book INPUT"));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, WrongUsage,
    testing::Values(
        UsageCase{"NoInput", {}, "No input file given."},
        UsageCase{"UnknownOption", {"a.txt", "--pages"}, "Unknown option --pages."},
        UsageCase{"MissingValue", {"a.txt", "--stk"}, "Option --stk needs a value."},
        UsageCase{"TwoInputs", {"a.txt", "b.txt"}, "Only one input file can be given."},
        UsageCase{"PdfUnavailable", {"a.txt", "--pdf", "a.pdf"}, "This build has no PDF output"}),
    [](const testing::TestParamInfo<UsageCase>& param) { return std::string(param.param.name); });

TEST(QuarrowBook, HelpGoesToStandardOutput)
{
    ToolRun result = run({"--help"});
    EXPECT_EQ(result.code, ExitCode::Ok);
    EXPECT_THAT(result.out, HasSubstr("--stk FILE"));
    EXPECT_EQ(result.err, "");
}

class RecordingPdf : public PdfOutput
{
public:
    bool print(ReportStore& store, const std::string& path, std::ostream&) override
    {
        printed.push_back(path + " " + store.ProjectNumber + " " + store.ControlNumber + " " +
                          std::to_string(store.LastPage));
        return succeed;
    }
    std::vector<std::string> printed;
    bool succeed = true;
};

TEST(QuarrowBook, PrintsThePdfWithTheHeaderNumbers)
{
    TempDir dir;
    RecordingPdf pdf;
    std::string path = dir.write("list.txt", listing({"UNDIVIDED", kPair, kPair}));
    ToolRun result =
        run({path, "--pdf", "book.pdf", "--project", "104", "--control", "2207"}, &pdf);
    EXPECT_EQ(result.code, ExitCode::Ok);
    EXPECT_EQ(pdf.printed, std::vector<std::string>{"book.pdf 104 2207 0"});
    pdf.succeed = false;
    EXPECT_EQ(run({path, "--pdf", "book.pdf"}, &pdf).code, ExitCode::Failed);
}

} // namespace
} // namespace quarrow
