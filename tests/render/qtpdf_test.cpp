#include "render/qtbookoutput.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// A page printed into a PDF file holds every text the renderer draws at the point of its
// cell (a quarter-inch margin, then 6 points to a column and 12 to a line) and in its
// font's weight and slant. Printing a range gives those pages alone.
TEST(QtPdf, TextsStandAtTheirCellsInTheirFonts)
{
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = sampleFile("us97-divided.stk").string();
    ASSERT_TRUE(ReadReportFile(store, messenger));
    store.ProjectNumber = "104";
    store.ControlNumber = "2207";
    ASSERT_TRUE(printBookToPdf(store, dir.file("book.pdf"), messenger, testDate));
    ASSERT_TRUE(printBookToPdf(store, dir.file("range.pdf"), messenger, testDate,
                               PageRange{9, 10, "right"}));
    EXPECT_EQ(pdfPageHeaders(dir.file("range.pdf")), "(Right)10 (Right)11");
    store.CurrentSide = "left";
    EXPECT_EQ(pdfPageTexts(dir.file("book.pdf"), 1), drawnPageTexts(store, {96, 63}, 18, 18, 0));
    EXPECT_TRUE(messenger.messages.empty());
}

} // namespace
} // namespace quarrow::test
