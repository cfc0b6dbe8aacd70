// Golden cases: each folder under tests/data/cases holds one input file, input.*, and what
// quarrow-book gives for it: expected.stk (the report file written with --stk),
// expected.messages (standard error, one message a line) and expected.summary.json
// (--summary). A missing expected file means no such output. Run with QUARROW_REGENERATE=1
// (tests/regenerate.sh) to write the expected files anew.

#include "cli/quarrowbook.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <iterator>
#include <regex>
#include <sstream>

namespace quarrow::test {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = testDataFile("cases");

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::path inputOf(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().stem() == "input")
            return entry.path();
    throw std::runtime_error("no input file in " + folder.string());
}

struct ToolRun
{
    int exit;
    std::string out;
    std::string err;
};

// Takes the folder's name out of `text`, also as JSON writes it.
std::string withoutFolder(std::string text, const TempDir& folder)
{
    std::string name = folder.file("x");
    name.pop_back();
    for (const std::string& from : {std::regex_replace(name, std::regex(R"(\\)"), R"(\\)"), name})
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.erase(at, from.size());
    return text;
}

// quarrow-book on files named in full in `folder`; what it says reads as from a shell in that
// folder (the folder's name taken out, also as the summary writes it), the same on every
// machine. With `store`, the book is built into it.
ToolRun runIn(const TempDir& folder, const std::vector<std::string>& args,
              ReportStore* store = nullptr)
{
    std::ostringstream out;
    std::ostringstream err;
    ReportStore own;
    int exit = static_cast<int>(runQuarrowBook(args, out, err, nullptr, store ? *store : own));
    return {exit, withoutFolder(out.str(), folder), withoutFolder(err.str(), folder)};
}

std::string readIfExists(const fs::path& path)
{
    return fs::exists(path) ? readFile(path) : std::string();
}

// Runs the case in `work`, with the arguments its file "arguments" adds, and compares what it
// gives with what is expected: exit status 2 with the usage after a refusal of wrong usage,
// else 1 with messages, 0 without. In a store that held other books, the number format and
// derived names of a report file read are those of the book before it: of its summary, the
// selection lists are compared.
void checkCase(const fs::path& folder, const TempDir& work, ReportStore* store = nullptr)
{
    fs::path input = inputOf(folder);
    fs::remove(work.path() / "output.stk");
    fs::copy_file(input, work.path() / input.filename(), fs::copy_options::overwrite_existing);
    std::vector<std::string> args{work.file(input.filename().string()), "--summary", "--stk",
                                  work.file("output.stk")};
    std::istringstream more(readIfExists(folder / "arguments"));
    args.insert(args.end(), std::istream_iterator<std::string>(more), {});
    ToolRun run = runIn(work, args, store);
    int usage = run.err.find("\nUsage: quarrow-book") != std::string::npos ? 2 : 1;
    EXPECT_EQ(run.exit, run.err.empty() ? 0 : usage) << "exit status and messages disagree";
    expectFileContent(folder / "expected.messages", run.err);
    if (store) {
        auto lists = [](const std::string& summary) {
            return summary.substr(std::min(summary.find("\"StationItems\""), summary.size()));
        };
        EXPECT_EQ(lists(run.out), lists(readIfExists(folder / "expected.summary.json")));
    } else {
        expectFileContent(folder / "expected.summary.json", run.out);
    }
    expectFileContent(folder / "expected.stk", readIfExists(work.path() / "output.stk"));
}

class GoldenCase : public testing::TestWithParam<std::string>
{
protected:
    fs::path folder = kCases / GetParam();
    TempDir work;
};

// A report file read and written again keeps its book. Reading trims every cell and gives an
// empty block's "+" as its station, so the first rewrite may align such cells anew; from
// then on the file repeats byte for byte.
TEST_P(GoldenCase, GivesItsExpectedBookMessagesAndSummaryAndReadsBackItsBook)
{
    checkCase(folder, work);
    if (!fs::exists(folder / "expected.stk"))
        return;
    for (auto [from, to] : {std::pair{"output.stk", "again.stk"}, {"again.stk", "third.stk"}})
        EXPECT_EQ(runIn(work, {work.file(from), "--stk", work.file(to)}).err, "");
    EXPECT_EQ(readIfExists(work.path() / "third.stk"), readIfExists(work.path() / "again.stk"));
}

// The desktop program builds every book into the one store it keeps: a book gives the same
// after any other as after none, but for a listing whose unit word is unknown, which keeps
// the number format of the book before it.
TEST(GoldenCases, GiveTheSameOneAfterAnotherInOneStore)
{
    ReportStore store;
    for (const std::string& name : caseNames()) {
        SCOPED_TRACE(name);
        TempDir work;
        if (name.find("unknown-unit-word") == std::string::npos)
            checkCase(kCases / name, work, &store);
    }
}

std::string testName(const testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(caseNames()), testName);

} // namespace
} // namespace quarrow::test
