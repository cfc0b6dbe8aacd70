// quarrow-book refuses bad input without touching the report file it was asked to write.

#include "cli/quarrowbook.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quarrow {
namespace {

using test::TempDir;

struct RefusedCase
{
    const char* name;
    const char* file;
    std::string bytes; // none: the input file does not exist
    bool exists = true;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c)
{
    return out << c.name;
}

class RefusedInput : public testing::TestWithParam<RefusedCase>
{};

std::size_t countLines(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_P(RefusedInput, LeavesAnExistingReportAsItWas)
{
    const RefusedCase& c = GetParam();
    TempDir dir;
    std::string good = test::readFile(test::sampleFile("sr22-undivided.stk"));
    std::string report = dir.write("good.stk", good);
    std::string input = c.exists ? dir.write(c.file, c.bytes) : dir.file(c.file);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runQuarrowBook({input, "--stk", report}, out, err, nullptr), ExitCode::Failed);
    EXPECT_EQ(countLines(err.str()), 1u) << err.str();
    EXPECT_EQ(test::readFile(report), good);
    // Nothing else was left beside it either, such as a half-written temporary file.
    std::size_t files = c.exists ? 2 : 1;
    EXPECT_EQ(static_cast<std::size_t>(
                  std::distance(std::filesystem::directory_iterator(dir.path()), {})),
              files);
}

std::string cutSample(std::size_t bytes)
{
    return test::readFile(test::sampleFile("sr22-undivided.stk")).substr(0, bytes);
}

// The sample report up to the end of its line `count`.
std::string sampleLines(int count)
{
    std::string text = test::readFile(test::sampleFile("sr22-undivided.stk"));
    std::size_t end = 0;
    for (int line = 0; line < count; ++line)
        end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInput,
    testing::Values(RefusedCase{"MissingListing", "list.txt", "", false},
                    RefusedCase{"MissingReport", "old.stk", "", false},
                    RefusedCase{"EmptyListing", "list.txt", ""},
                    RefusedCase{"BinaryListing", "list.csv",
                                "\x7f\x45\x4c\x46\x02\x01\x01\0\0,\r\n"},
                    RefusedCase{"UnknownRoadway", "list.txt", "ROAD,METRIC\r\n"},
                    RefusedCase{"UnknownExtension", "list.doc", "UNDIVIDED\r\n"},
                    RefusedCase{"EmptyReport", "old.stk", ""},
                    RefusedCase{"ReportCutInsideABlock", "old.stk", cutSample(1000)},
                    RefusedCase{"ReportCutAfterAHeader", "old.stk", sampleLines(6)},
                    RefusedCase{"BinaryReport", "old.stk", std::string("\0\xff+,\r\n", 6)}),
    [](const testing::TestParamInfo<RefusedCase>& param) { return std::string(param.param.name); });

// A report that fails to read is refused even when it is the file to be written.
TEST(RefusedInput, ADamagedReportIsNotWrittenOverItself)
{
    TempDir dir;
    std::string damaged = cutSample(5000);
    std::string report = dir.write("book.stk", damaged);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runQuarrowBook({report, "--stk", report}, out, err, nullptr), ExitCode::Failed);
    EXPECT_EQ(test::readFile(report), damaged);
}

} // namespace
} // namespace quarrow
