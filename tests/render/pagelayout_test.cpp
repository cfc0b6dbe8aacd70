// The page layout as data: every drawing operation of a page, in drawing order, is kept in
// tests/data/pages, one a line. Regenerate with tests/regenerate.sh after a reviewed change.

#include "recordingsurface.h"
#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarrow::test {
namespace {

// Every page of tests/data/pages/pages.txt draws as recorded.
using PageLayout = testing::TestWithParam<TableRow>;
TEST_P(PageLayout, PagesDrawTheirFrameTitlesAndCellsAtTheirPlaces)
{
    const auto& page = GetParam();
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = sampleFile(page[0]).string();
    ASSERT_TRUE(ReadReportFile(store, messenger));
    store.ProjectNumber = "104";
    store.ControlNumber = "2207";
    store.ReportFontName = "Lucida Console";
    store.DrawScale = 0.75;
    store.CurrentSide = page[3];
    store.CurrentPage = std::stoi(page[4]);
    FixedPageMetrics printer;
    std::istringstream area(page[2]);
    if (PrintableArea cells; area >> cells.widthChars >> cells.heightLines)
        printer.setPrintableArea(cells);
    PepPrint renderer(store, messenger, printer, testDate);
    RecordingSurface surface(page[1] == "window" ? SurfaceKind::Window : SurfaceKind::Printer);
    renderer.PrintRDSForm(surface);
    renderer.ImpPrintRDSForm(surface, 50);
    expectFileContent(testDataFile("pages/" + page[5]), surface.log());
    EXPECT_TRUE(messenger.messages.empty());
}
INSTANTIATE_TEST_SUITE_P(Recorded, PageLayout, testing::ValuesIn(readTable("pages/pages.txt")),
                         rowName);

} // namespace
} // namespace quarrow::test
