#include "cli/quarrowbook.h"
#include "main/inputdriver.h"
#include "render/qtpdfoutput.h"
#include "testsupport.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace quarrow::test {
namespace {

// Points from the page's top-left corner: a quarter-inch margin, then 6 points to a
// column and 12 to a line.
constexpr double kMarginPoints = 18;
double columnPoints(int column)
{
    return kMarginPoints + 6.0 * column;
}
double linePoints(int line)
{
    return kMarginPoints + 12.0 * line;
}

struct Word
{
    int page = 0;
    double x = 0;
    double y = 0;
    std::string text;
};

bool succeeds(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

bool havePdftotext()
{
    return succeeds("pdftotext -v > /dev/null 2>&1");
}

std::string unescapeHtml(std::string text)
{
    for (auto [from, to] : {std::pair{"&lt;", "<"},
                            {"&gt;", ">"},
                            {"&quot;", "\""},
                            {"&apos;", "'"},
                            {"&amp;", "&"}}) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
            text.replace(at, std::string(from).size(), to);
    }
    return text;
}

// The words of every page with their top-left corners, as pdftotext finds them.
std::vector<Word> wordsOf(const std::string& pdf, const TempDir& dir, int& pages)
{
    std::string html = dir.file("words.html");
    EXPECT_TRUE(succeeds("pdftotext -bbox \"" + pdf + "\" \"" + html + "\""));
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> words;
    pages = 0;
    std::istringstream lines(readFile(html));
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (line.find("<page ") != std::string::npos)
            ++pages;
        else if (std::regex_search(line, match, word))
            words.push_back(
                {pages - 1, std::stod(match[1]), std::stod(match[2]), unescapeHtml(match[3])});
    }
    return words;
}

bool hasWordAt(const std::vector<Word>& words, int page, const std::string& text, double x,
               double y)
{
    for (const Word& word : words)
        if (word.page == page && word.text == text && std::abs(word.x - x) < 1.0 &&
            std::abs(word.y - y) < 0.5)
            return true;
    return false;
}

// The words of one printed line of a page between two horizontal positions, joined by
// single blanks.
std::string lineText(const std::vector<Word>& words, int page, double y, double fromX, double toX)
{
    std::string text;
    for (const Word& word : words)
        if (word.page == page && std::abs(word.y - y) < 0.5 && word.x >= fromX && word.x < toX)
            text += (text.empty() ? "" : " ") + word.text;
    return text;
}

// The words of a text joined by single blanks, as lineText gives them.
std::string singleBlanks(const std::string& text)
{
    std::istringstream in(text);
    std::string joined;
    for (std::string word; in >> word;)
        joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

struct Column
{
    int index;
    int position;
};

// Checks that the first word of every cell of the table's blocks 0 to 2 is on its page at
// its column and line.
template <typename Table>
void expectCells(const std::vector<Word>& words, int page, const Table& cells,
                 std::initializer_list<Column> columns, std::initializer_list<int> blockLines)
{
    int block = 0;
    for (int firstLine : blockLines) {
        for (const Column& column : columns) {
            for (int line = 0; line < 6; ++line) {
                const std::string& text = cells.at(block, column.index, line);
                auto start = text.find_first_not_of(' ');
                if (start == std::string::npos)
                    continue;
                std::string first = text.substr(start, text.find(' ', start) - start);
                int at = column.position + static_cast<int>(start);
                EXPECT_TRUE(
                    hasWordAt(words, page, first, columnPoints(at), linePoints(firstLine + line)))
                    << "page " << page << " block " << block << " column " << column.index
                    << " line " << line << ": \"" << text << '"';
            }
        }
        ++block;
    }
}

class PdfBook : public testing::Test
{
protected:
    void SetUp() override
    {
        listing = dir.write("sr22.txt", readFile(sampleFile("sr22-undivided.txt")));
        store.InputFileName = listing;
        ASSERT_EQ(GpkQuarrow(store, messenger), 0);
        store.ProjectNumber = "104";
        store.ControlNumber = "2207";
    }

    TempDir dir;
    std::string listing;
    ReportStore store;
    RecordingMessenger messenger;
};

TEST_F(PdfBook, ToolPrintsTheSampleBookPageByPageWithEveryCellInPlace)
{
    if (!havePdftotext())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QtPdfOutput output(
        [] { return std::chrono::year{2001} / std::chrono::month{10} / std::chrono::day{16}; });
    std::string pdf = dir.file("book.pdf");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runQuarrowBook({listing, "--project", "104", "--control", "2207", "--pdf", pdf}, out,
                             err, &output),
              ExitCode::Ok)
        << err.str();

    int pages = 0;
    auto words = wordsOf(pdf, dir, pages);
    ASSERT_EQ(pages, store.LastPage + 1);
    std::string count = std::to_string(store.LastPage + 1);
    for (int page = 0; page < pages; ++page) {
        const BookPage& book = store.UndividedPages.read(page);
        EXPECT_EQ(lineText(words, page, linePoints(1), 0, 300), "Project No: 104");
        EXPECT_EQ(lineText(words, page, linePoints(2), 0, 300), "Control Number: 2207");
        EXPECT_EQ(lineText(words, page, linePoints(3), 0, 300),
                  singleBlanks("Roadway Name: " + book.RoadwayName));
        EXPECT_EQ(lineText(words, page, linePoints(1), columnPoints(61), 612), "Date: 10 16 2001");
        EXPECT_EQ(lineText(words, page, linePoints(2), columnPoints(61), 612),
                  "Page No: " + std::to_string(page + 1) + " of " + count);
        EXPECT_TRUE(hasWordAt(words, page, "Lt.Cut/Lt.Fill", columnPoints(28), linePoints(5)));
        EXPECT_TRUE(hasWordAt(words, page, "Rt.", columnPoints(80), linePoints(32)));
        expectCells(words, page, book.StakeCells, {{0, 7}, {1, 26}, {2, 53}, {3, 63}}, {7, 15, 24});
        expectCells(words, page, book.HubCells,
                    {{0, 7}, {1, 26}, {2, 35}, {3, 53}, {4, 63}, {5, 80}}, {34, 42, 50});
    }
}

TEST_F(PdfBook, UnwritableFileIsReportedAndNothingIsLeft)
{
    std::string pdf = dir.file("missing/book.pdf");
    std::ostringstream err;

    EXPECT_FALSE(QtPdfOutput().print(store, pdf, err));
    EXPECT_NE(err.str().find("Cannot write the PDF file " + pdf + ": "), std::string::npos)
        << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

TEST_F(PdfBook, ToolExitsWithFailureWhenThePdfCannotBeWritten)
{
    QtPdfOutput output;
    std::ostringstream out;
    std::ostringstream err;
    auto code = runQuarrowBook({listing, "--pdf", dir.file("missing/book.pdf")}, out, err, &output);

    EXPECT_EQ(code, ExitCode::Failed);
    EXPECT_NE(err.str().find("Cannot write the PDF file"), std::string::npos);
}

TEST_F(PdfBook, ExistingFileIsReplacedByACompletePdf)
{
    std::string pdf = dir.write("book.pdf", "an older book");
    std::ostringstream err;
    ASSERT_TRUE(QtPdfOutput().print(store, pdf, err)) << err.str();

    std::string bytes = readFile(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-"));
    EXPECT_NE(bytes.rfind("%%EOF"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2); // the listing and the book: no temporary file left behind
}

} // namespace
} // namespace quarrow::test
