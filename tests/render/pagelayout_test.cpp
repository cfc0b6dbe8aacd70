// The page layout as data: every drawing operation of a page, in drawing order, is kept in
// tests/data/pages, one a line. Regenerate with tests/regenerate.sh after a reviewed change.

#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "render/recordingsurface.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

struct RecordedPage
{
    const char* sample;
    SurfaceKind kind;
    std::optional<PrintableArea> printer; // nothing: none can be queried
    const char* side;
    std::int32_t page;
    const char* file;
};

// An undivided page on the display window for an A4 printer, whose printable area holds part
// of a column; a divided book's pages on paper when no printer can be queried.
TEST(PageLayout, PagesDrawTheirFrameTitlesAndCellsAtTheirPlaces)
{
    const RecordedPage pages[] = {
        {"sr22-undivided.stk", SurfaceKind::Window, PrintableArea{95.3, 68.2}, "left", 1,
         "undivided-page-2-window.txt"},
        {"us97-divided.stk", SurfaceKind::Printer, std::nullopt, "left", 0,
         "divided-left-page-1-printer.txt"},
        {"us97-divided.stk", SurfaceKind::Printer, std::nullopt, "right", 10,
         "divided-right-page-11-printer.txt"},
    };
    for (const RecordedPage& page : pages) {
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = sampleFile(page.sample).string();
        ASSERT_TRUE(ReadReportFile(store, messenger));
        store.ProjectNumber = "104";
        store.ControlNumber = "2207";
        store.ReportFontName = "Lucida Console";
        store.DrawScale = 0.75;
        store.CurrentSide = page.side;
        store.CurrentPage = page.page;
        FixedPageMetrics printer;
        printer.setPrintableArea(page.printer);
        PepPrint renderer(store, messenger, printer, testDate);
        RecordingSurface surface(page.kind, true);
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
        expectFileContent(testDataFile(std::string("pages/") + page.file), surface.log());
        EXPECT_TRUE(messenger.messages.empty());
    }
}

} // namespace
} // namespace quarrow::test
