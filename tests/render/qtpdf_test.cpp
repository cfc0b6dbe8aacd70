#include "render/fixedpagemetrics.h"
#include "render/qtpdfoutput.h"
#include "render/recordingsurface.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace quarrow::test {
namespace {

std::chrono::year_month_day fixedDate()
{
    using namespace std::chrono;
    return year{2026} / December / 6;
}

std::string place(long left, long top, bool bold, bool italic, const std::string& text)
{
    return std::to_string(top) + " " + std::to_string(left) + (bold ? " bold" : "") +
           (italic ? " italic" : "") + " |" + text + "|";
}

// The texts of the PDF's first page, as poppler finds them: points from the top-left corner.
std::vector<std::string> pdfTexts(const TempDir& dir, const std::string& pdf)
{
    std::string xml = dir.file("page.xml");
    std::string command = "pdftohtml -q -xml -i -zoom 1 -f 1 -l 1 \"" + pdf + "\" \"" + xml + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << "pdftohtml (poppler-utils) is needed";
    static const std::regex text(R"re(<text top="(\d+)" left="(\d+)"[^>]*>(.*)</text>)re");
    static const std::regex tags("</?[bi]>");
    std::vector<std::string> texts;
    std::istringstream lines(readFile(xml));
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, text))
            continue;
        std::string content = match[3];
        texts.push_back(place(std::stol(match[2]), std::stol(match[1]),
                              content.find("<b>") != std::string::npos,
                              content.find("<i>") != std::string::npos,
                              std::regex_replace(content, tags, "")));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

// A page printed into a PDF file holds every text the renderer draws at the point of its
// cell (a quarter-inch margin, then 6 points to a column and 12 to a line) and in its
// font's weight and slant.
TEST(QtPdf, TextsStandAtTheirCellsInTheirFonts)
{
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = sampleFile("sr22-undivided.stk").string();
    ASSERT_TRUE(ReadReportFile(store, messenger));
    store.ProjectNumber = "104";
    store.ControlNumber = "2207";
    ASSERT_TRUE(printBookToPdf(store, dir.file("book.pdf"), messenger, fixedDate));

    RecordingSurface recorder(SurfaceKind::Printer);
    FixedPageMetrics referencePage(PrintableArea{96, 63});
    PepPrint renderer(store, messenger, referencePage, fixedDate);
    store.CurrentPage = 0;
    renderer.PrintRDSForm(recorder);
    renderer.ImpPrintRDSForm(recorder, 50);
    std::vector<std::string> expected;
    for (const RecordedText& t : recorder.texts()) {
        auto first = t.text.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        std::string shown = t.text.substr(first, t.text.find_last_not_of(' ') + 1 - first);
        expected.push_back(place(std::lround(18 + 6 * (t.x + static_cast<double>(first))),
                                 std::lround(18 + 12 * t.y), t.font.bold, t.font.italic, shown));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(pdfTexts(dir, dir.file("book.pdf")), expected);
    EXPECT_TRUE(messenger.messages.empty());
}

} // namespace
} // namespace quarrow::test
