#include "cli/output/qtbookoutput.h"
#include "render/output/printplatform.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QDate>

#include <regex>
#include <sstream>

namespace quarrow::test {
namespace {

// A page printed into a PDF file by quarrow-book holds every text the renderer draws at the
// point of its cell (a quarter-inch margin, then 6 points to a column and 12 to a line), in
// its font's weight and slant, and, with no report font chosen, in "Courier New", which the
// system offers. The header texts come from the command line as UTF-8, the date is today's.
// Printing a range gives those pages alone.
TEST(QtPdf, TextsStandAtTheirCellsInTheirFonts)
{
    TempDir dir;
    QtBookOutput output(testDate);
    std::string report = sampleFile("us97-divided.stk").string();
    for (auto [pdf, pages] : {std::pair{"book.pdf", "1-11"}, {"range.pdf", "10-11"}}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runQuarrowBook({report, "--project", "Pr\xC3\xB6ject 104", "--control", "2207",
                                  "--pdf", dir.file(pdf), "--pages", pages, "--side", "right"},
                                 out, err, &output),
                  ExitCode::Ok)
            << err.str();
    }
    EXPECT_EQ(pdfPageHeaders(dir.file("range.pdf")), "(Right)10 (Right)11");
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = report;
    ASSERT_TRUE(ReadReportFile(store, messenger));
    store.ProjectNumber = "Pr\xF6ject 104";
    store.ControlNumber = "2207";
    store.CurrentSide = "right";
    EXPECT_EQ(pdfPageTexts(dir.file("book.pdf"), 1), drawnPageTexts(store, {96, 63}, 18, 18, 0));
    // pdffonts gives two lines of headings, then a font a line.
    std::istringstream fonts(hostOutput("pdffonts \"" + dir.file("book.pdf") + "\""));
    std::string font;
    int line = 0;
    for (; std::getline(fonts, font); ++line)
        EXPECT_TRUE(line < 2 || font.find("Mono") != font.npos || font.find("Courier") != font.npos)
            << font;
    EXPECT_GT(line, 2) << "pdffonts lists the fonts";
    EXPECT_TRUE(std::regex_search(hostOutput("pdfinfo \"" + dir.file("book.pdf") + "\""),
                                  std::regex("Title: +Project No: Pr\xC3\xB6ject 104, Control "
                                             "Number: 2207, Roadway Name: US97\n")))
        << "the PDF's title";
    EXPECT_TRUE(QtPrintPlatform().fontFamilies().contains(QStringLiteral("Courier New")));
    QDate today = QDate::currentDate();
    EXPECT_EQ(localToday(), std::chrono::year{today.year()} /
                                std::chrono::month{static_cast<unsigned>(today.month())} /
                                std::chrono::day{static_cast<unsigned>(today.day())});
}

} // namespace
} // namespace quarrow::test
