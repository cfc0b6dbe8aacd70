#include "pagefixture.h"
#include "render/bookprinter.h"

#include <gtest/gtest.h>
#include <utility>

namespace quarrow::test {
namespace {

// The roadway and page-number texts of a sheet.
using Sheet = std::pair<std::string, std::string>;

std::vector<Sheet> sheetsOf(const RecordingSurface& surface)
{
    std::vector<Sheet> sheets(static_cast<std::size_t>(surface.newPages()));
    for (const RecordedText& drawn : surface.texts()) {
        if (drawn.page >= surface.newPages())
            continue; // drawn after the last new page: a sheet never started
        Sheet& sheet = sheets[static_cast<std::size_t>(drawn.page)];
        if (drawn.text.starts_with("Roadway Name"))
            sheet.first = drawn.text;
        else if (drawn.text.starts_with("Page No: "))
            sheet.second = drawn.text;
    }
    return sheets;
}

class BookPrinting : public PageFixture
{
protected:
    void makeUndividedBook(int pages)
    {
        store.LastPage = pages - 1;
        for (int page = 0; page < pages; ++page)
            store.UndividedPages.write(page).RoadwayName = "SR22";
    }

    void makeDividedBook(int leftPages, int rightPages)
    {
        store.RoadwayType = "Divided";
        store.LastLeftPage = leftPages - 1;
        store.LastRightPage = rightPages - 1;
        for (int page = 0; page < leftPages; ++page)
            store.LeftPages.write(page).RoadwayName = "LT";
        for (int page = 0; page < rightPages; ++page)
            store.RightPages.write(page).RoadwayName = "RT";
    }

    BookPrinter printing{store, renderer, messenger};
};

TEST_F(BookPrinting, OnePageIsTheFrameTheContentsAndANewPage)
{
    makeUndividedBook(3);
    store.CurrentPage = 1;
    printing.printOnePage(paper);

    EXPECT_EQ(sheetsOf(paper), (std::vector<Sheet>{{"Roadway Name: SR22", "Page No: 2 of 3"}}));
    EXPECT_EQ(paper.lines().size(), 17u);
}

TEST_F(BookPrinting, AllPagesOfAnUndividedBook)
{
    makeUndividedBook(3);
    printing.printAll(paper);

    EXPECT_EQ(sheetsOf(paper), (std::vector<Sheet>{{"Roadway Name: SR22", "Page No: 1 of 3"},
                                                   {"Roadway Name: SR22", "Page No: 2 of 3"},
                                                   {"Roadway Name: SR22", "Page No: 3 of 3"}}));
    EXPECT_EQ(store.CurrentPage, 2);
    EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(BookPrinting, OnePageBookGivesOneSheet)
{
    makeUndividedBook(1);
    printing.printAll(paper);

    EXPECT_EQ(paper.newPages(), 1);
}

TEST_F(BookPrinting, AllPagesOfADividedBookLeftThenRight)
{
    makeDividedBook(2, 3);
    store.CurrentSide = "right";
    printing.printAll(paper);

    EXPECT_EQ(sheetsOf(paper),
              (std::vector<Sheet>{{"Roadway Name(left): LT", "Page No: 1 of 2"},
                                  {"Roadway Name(left): LT", "Page No: 2 of 2"},
                                  {"Roadway Name(Right): RT", "Page No: 1 of 3"},
                                  {"Roadway Name(Right): RT", "Page No: 2 of 3"},
                                  {"Roadway Name(Right): RT", "Page No: 3 of 3"}}));
    EXPECT_EQ(store.CurrentSide, "right");
    EXPECT_EQ(store.CurrentPage, 2);
}

TEST_F(BookPrinting, UnknownRoadwayTypePrintsNothing)
{
    makeUndividedBook(2);
    store.RoadwayType = "Median";
    printing.printAll(paper);
    printing.printPages(paper, 0, 1, "left");

    EXPECT_EQ(paper.newPages(), 0);
    EXPECT_TRUE(paper.lines().empty());
}

TEST_F(BookPrinting, RangeOfAnUndividedBookIgnoresTheSide)
{
    makeUndividedBook(5);
    printing.printPages(paper, 1, 3, "right");

    EXPECT_EQ(sheetsOf(paper), (std::vector<Sheet>{{"Roadway Name: SR22", "Page No: 2 of 5"},
                                                   {"Roadway Name: SR22", "Page No: 3 of 5"},
                                                   {"Roadway Name: SR22", "Page No: 4 of 5"}}));
    EXPECT_EQ(store.CurrentPage, 3);
}

TEST_F(BookPrinting, RangeBeyondTheBookPrintsWhateverThePagesHold)
{
    makeUndividedBook(2);
    printing.printPages(paper, 3, 4, "");

    EXPECT_EQ(sheetsOf(paper), (std::vector<Sheet>{{"Roadway Name: ", "Page No: 4 of 2"},
                                                   {"Roadway Name: ", "Page No: 5 of 2"}}));
    EXPECT_EQ(paper.lines().size(), 2u * 17u);
}

struct SideRange
{
    const char* side;
    int sheets;
    const char* roadway;
};

void PrintTo(const SideRange& c, std::ostream* out)
{
    *out << "side \"" << c.side << '"';
}

class DividedRange : public BookPrinting, public testing::WithParamInterface<SideRange>
{};

TEST_P(DividedRange, PrintsTheNamedBookOnly)
{
    makeDividedBook(4, 4);
    store.CurrentSide = "left";
    printing.printPages(paper, 1, 2, GetParam().side);

    auto sheets = sheetsOf(paper);
    ASSERT_EQ(sheets.size(), static_cast<std::size_t>(GetParam().sheets));
    for (const Sheet& sheet : sheets)
        EXPECT_EQ(sheet.first, GetParam().roadway);
}

INSTANTIATE_TEST_SUITE_P(Sides, DividedRange,
                         testing::Values(SideRange{"left", 2, "Roadway Name(left): LT"},
                                         SideRange{"right", 2, "Roadway Name(Right): RT"},
                                         SideRange{"Right", 0, ""}, SideRange{"", 0, ""}));

// A printer whose sheets cannot be started.
class JammedPrinter : public RecordingSurface
{
public:
    JammedPrinter() : RecordingSurface(SurfaceKind::Printer) {}
    void newPage() override { fail(errors::kPrinterError); }
};

TEST_F(BookPrinting, FailingStepIsReportedAndPrintingGoesOn)
{
    makeUndividedBook(2);
    JammedPrinter jammed;
    printing.printAll(jammed);

    EXPECT_EQ(
        messenger.messages,
        std::vector<std::string>(2, "Program Error : Printer error occured in viewPrint_click"));
    EXPECT_EQ(textsNamed(jammed, "Page No: 2 of 2").size(), 1u);
}

TEST_F(BookPrinting, ContentsFailingEvenInCourierNewAreReportedAndPrintingGoesOn)
{
    // A page beyond the array sends the contents to the Courier New fallback, which this
    // printer refuses too.
    class NoFontsPrinter : public RecordingSurface
    {
    public:
        NoFontsPrinter() : RecordingSurface(SurfaceKind::Printer) {}
        void setFontName(const std::string&) override { fail(errors::kInvalidPropertyValue); }
    } noFonts;
    printing.printPages(noFonts, ReportStore::kUndividedCapacity - 1,
                        ReportStore::kUndividedCapacity, "");

    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{
                  "Program Error: Invalid property value PrintRDSForm(PepPrint)",
                  "Program Error: Invalid property value PrintRDSForm(PepPrint)",
                  "Program Error : Invalid property value occured in viewPrint_click"}));
    EXPECT_EQ(noFonts.newPages(), 2);
}

} // namespace
} // namespace quarrow::test
