#include "pagefixture.h"
#include "store/runerror.h"

#include <array>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace quarrow::test {
namespace {

// A text and where it was drawn.
using Place = std::tuple<std::string, double, double>;

std::vector<Place> placesOf(const RecordingSurface& surface)
{
    std::vector<Place> places;
    for (const RecordedText& drawn : surface.texts())
        if (!drawn.text.empty())
            places.emplace_back(drawn.text, drawn.x, drawn.y);
    return places;
}

// A rule's start x and y, length right and length down.
using Rule = std::array<double, 4>;

std::vector<Rule> rulesOf(const RecordingSurface& surface)
{
    std::vector<Rule> rules;
    for (const RecordedLine& line : surface.lines())
        rules.push_back({line.x, line.y, line.right, line.down});
    return rules;
}

// On the reference printer, counted from the top-left of the printable area.
const std::vector<Rule> kFrame{{5, 0, 84, 0}, {5, 0, 0, 58}, {89, 0, 0, 58}, {5, 58, 84, 0}};
const std::vector<Rule> kTableRules{
    {5, 5, 84, 0},   {5, 6, 84, 0},  {25, 5, 0, 53}, {52, 5, 0, 53}, {61, 5, 0, 53},
    {5, 14, 84, 0},  {5, 23, 84, 0}, {5, 32, 84, 0}, {5, 33, 84, 0}, {35, 32, 0, 26},
    {79, 32, 0, 26}, {5, 41, 84, 0}, {5, 49, 84, 0}};

class PageLayout : public PageFixture
{
protected:
    void useReferencePage()
    {
        store.PrintWidthChars = 96;
        store.PrintHeightLines = 63;
    }
};

TEST_F(PageLayout, HeaderDrawsTheFrameAndTheProjectControlAndDateTexts)
{
    renderer.WriteHeader(paper);

    EXPECT_EQ(rulesOf(paper), kFrame);
    std::vector<Place> expected{
        {"Project No: 104", 7, 1}, {"Control Number: 2207", 7, 2}, {"Date: 10 16 2001", 61, 1}};
    EXPECT_EQ(placesOf(paper), expected);
    EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(PageLayout, TablesDrawThirteenRulesAndTheColumnTitlesInOrder)
{
    useReferencePage();
    renderer.WriteTables(paper);

    EXPECT_EQ(rulesOf(paper), kTableRules);
    std::vector<Place> expected{{"Station", 6, 5},
                                {"Lt.Cut/Lt.Fill Stake", 28, 5},
                                {"C.L", 54, 5},
                                {"Rt.Cut/Rt.Fill Stake", 63, 5},
                                {"Station", 6, 32},
                                {"Lt. Hub", 26, 32},
                                {"Cut/Fill Stake", 36, 32},
                                {"C.L", 54, 32},
                                {"Cut/Fill Stake", 63, 32},
                                {"Rt. Hub", 80, 32}};
    EXPECT_EQ(placesOf(paper), expected);
}

TEST_F(PageLayout, PageTextsOfAnUndividedBook)
{
    store.CurrentPage = 2;
    store.LastPage = 10;
    store.UndividedPages.write(2).RoadwayName = "SR22";
    drawPage(paper);

    EXPECT_THAT(placesOf(paper), testing::IsSupersetOf({Place{"Roadway Name: SR22", 7, 3},
                                                        Place{"Page No: 3 of 11", 61, 2}}));
    EXPECT_EQ(store.PageIndex, 2);
}

struct SideCase
{
    const char* side;
    const char* roadway;
    const char* pageNumber;
    const char* cellPrefix;
};

void PrintTo(const SideCase& c, std::ostream* out)
{
    *out << "side \"" << c.side << '"';
}

class DividedBookHeader : public PageLayout, public testing::WithParamInterface<SideCase>
{};

TEST_P(DividedBookHeader, NamesTheBookAndCountsItsPages)
{
    const SideCase& c = GetParam();
    store.RoadwayType = "Divided";
    store.CurrentSide = c.side;
    store.CurrentPage = 1;
    store.LastPage = 40;
    store.LastLeftPage = 3;
    store.LastRightPage = 6;
    store.LeftPages.write(1).RoadwayName = "SR22 LT";
    store.RightPages.write(1).RoadwayName = "SR22 RT";
    fillCells(store.LeftPages.write(1), "L");
    fillCells(store.RightPages.write(1), "R");
    drawPage(paper);

    EXPECT_EQ(drawnOnce(paper, c.roadway).x, 7);
    EXPECT_EQ(drawnOnce(paper, c.roadway).y, 3);
    EXPECT_EQ(drawnOnce(paper, c.pageNumber).x, 61);
    EXPECT_EQ(drawnOnce(paper, c.pageNumber).y, 2);
    EXPECT_EQ(textsNamed(paper, std::string(c.cellPrefix) + "S000").size(), 1u);
    EXPECT_EQ(textsNamed(paper, std::string(c.cellPrefix) + "H000").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, DividedBookHeader,
    testing::Values(SideCase{"left", "Roadway Name(left): SR22 LT", "Page No: 2 of 4", "L"},
                    SideCase{"right", "Roadway Name(Right): SR22 RT", "Page No: 2 of 7", "R"},
                    // Anything but "left" is the right book.
                    SideCase{"Left", "Roadway Name(Right): SR22 RT", "Page No: 2 of 7", "R"},
                    SideCase{"", "Roadway Name(Right): SR22 RT", "Page No: 2 of 7", "R"}));

struct CellColumn
{
    int column;
    double x;
};

void PrintTo(const CellColumn& c, std::ostream* out)
{
    *out << "column" << c.column;
}

struct CellBlock
{
    int block;
    double firstLine;
};

void PrintTo(const CellBlock& c, std::ostream* out)
{
    *out << "block" << c.block;
}

std::string cellName(const char* table, int block, int column, int line)
{
    return table + std::to_string(block) + std::to_string(column) + std::to_string(line);
}

class StakeCell : public PageLayout,
                  public testing::WithParamInterface<std::tuple<CellColumn, CellBlock>>
{};

TEST_P(StakeCell, SixLinesAtTheColumnAndBlockInBoldUpright)
{
    auto [column, block] = GetParam();
    fillCells(store.UndividedPages.write(0), "");
    drawPage(paper);

    for (int line = 0; line < 6; ++line) {
        RecordedText drawn = drawnOnce(paper, cellName("S", block.block, column.column, line));
        EXPECT_EQ(drawn.x, column.x);
        EXPECT_EQ(drawn.y, block.firstLine + line);
        EXPECT_TRUE(drawn.font.bold);
        EXPECT_FALSE(drawn.font.italic);
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, StakeCell,
                         testing::Combine(testing::Values(CellColumn{0, 7}, CellColumn{1, 26},
                                                          CellColumn{2, 53}, CellColumn{3, 63}),
                                          testing::Values(CellBlock{0, 7}, CellBlock{1, 15},
                                                          CellBlock{2, 24})));

class HubCell : public PageLayout,
                public testing::WithParamInterface<std::tuple<CellColumn, CellBlock>>
{};

TEST_P(HubCell, SixLinesAtTheColumnAndBlockInBoldItalic)
{
    auto [column, block] = GetParam();
    fillCells(store.UndividedPages.write(0), "");
    drawPage(paper);

    for (int line = 0; line < 6; ++line) {
        RecordedText drawn = drawnOnce(paper, cellName("H", block.block, column.column, line));
        EXPECT_EQ(drawn.x, column.x);
        EXPECT_EQ(drawn.y, block.firstLine + line);
        EXPECT_TRUE(drawn.font.bold);
        EXPECT_TRUE(drawn.font.italic);
    }
}

// The left cut/fill cells start on their own rule (column 35), one left of their title.
INSTANTIATE_TEST_SUITE_P(
    Columns, HubCell,
    testing::Combine(testing::Values(CellColumn{0, 7}, CellColumn{1, 26}, CellColumn{2, 35},
                                     CellColumn{3, 53}, CellColumn{4, 63}, CellColumn{5, 80}),
                     testing::Values(CellBlock{0, 34}, CellBlock{1, 42}, CellBlock{2, 50})));

TEST_F(PageLayout, BlockThreeIsNeverDrawn)
{
    fillCells(store.UndividedPages.write(0), "");
    store.RoadwayType = "Undivided";
    drawPage(paper);
    store.RoadwayType = "Divided";
    fillCells(store.LeftPages.write(0), "");
    drawPage(paper);

    for (const RecordedText& drawn : paper.texts())
        EXPECT_FALSE(drawn.text.size() == 4 && drawn.text[1] == '3') << drawn.text;
}

TEST_F(PageLayout, UndividedBookDrawsNoSeventhLine)
{
    fillCells(store.UndividedPages.write(0), "");
    drawPage(paper);

    for (const RecordedText& drawn : paper.texts())
        EXPECT_FALSE(drawn.text.size() == 4 && drawn.text[3] == '6') << drawn.text;
}

TEST_F(PageLayout, DividedBookDrawsTheSeventhLineOfTheStationColumnOnly)
{
    store.RoadwayType = "Divided";
    fillCells(store.LeftPages.write(0), "");
    drawPage(paper);

    std::set<std::string> seventh;
    for (const RecordedText& drawn : paper.texts())
        if (drawn.text.size() == 4 && drawn.text[3] == '6')
            seventh.insert(drawn.text);
    EXPECT_EQ(seventh, (std::set<std::string>{"S006", "S106", "S206"}));
    // Block 0's seventh line sits right above the rule that closes the block.
    EXPECT_EQ(drawnOnce(paper, "S006").y, 13);
    EXPECT_EQ(drawnOnce(paper, "S106").y, 21);
    EXPECT_EQ(drawnOnce(paper, "S206").y, 30);
    EXPECT_EQ(drawnOnce(paper, "S006").x, 7);
}

TEST_F(PageLayout, CellsArePrintedExactlyAsStored)
{
    BookPage& page = store.UndividedPages.write(0);
    page.StakeCells.set(0, 1, 0, "  C 4.63 @37.18  ");
    page.StakeCells.set(0, 2, 0, "a text much longer than its column is wide, kept whole");
    drawPage(paper);

    EXPECT_EQ(drawnOnce(paper, "  C 4.63 @37.18  ").x, 26);
    EXPECT_EQ(drawnOnce(paper, "a text much longer than its column is wide, kept whole").x, 53);
}

TEST_F(PageLayout, OtherRoadwayTypeDrawsTheFrameOnly)
{
    store.RoadwayType = "UNDIVIDED";
    store.CurrentPage = 4;
    fillCells(store.UndividedPages.write(4), "");
    drawPage(paper);

    EXPECT_EQ(placesOf(paper).size(), 3u + 10u); // header texts and titles
    EXPECT_EQ(paper.lines().size(), 17u);
    EXPECT_EQ(store.PageIndex, 4);
}

TEST_F(PageLayout, PageBeyondTheArrayDrawsNoContentsAndShowsNothing)
{
    store.CurrentPage = ReportStore::kUndividedCapacity;
    drawPage(paper);

    EXPECT_EQ(placesOf(paper).size(), 3u + 10u);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(paper.font().name, "Courier New");
}

TEST_F(PageLayout, LargerPrintableAreaMovesThePageRightAndDown)
{
    store.UndividedPages.write(0).RoadwayName = "SR22";
    fillCells(store.UndividedPages.write(0), "");
    drawPage(paper);
    printer.setPrintableArea(PrintableArea{102, 66});
    RecordingSurface larger(SurfaceKind::Printer);
    drawPage(larger);

    ASSERT_EQ(larger.texts().size(), paper.texts().size());
    for (std::size_t i = 0; i < paper.texts().size(); ++i) {
        EXPECT_EQ(larger.texts()[i].x, paper.texts()[i].x + 6) << paper.texts()[i].text;
        EXPECT_EQ(larger.texts()[i].y, paper.texts()[i].y + 3) << paper.texts()[i].text;
    }
    // A fixed 7-column right margin and 5-line bottom margin.
    EXPECT_EQ(rulesOf(larger)[2], (Rule{95, 3, 0, 58}));
    EXPECT_EQ(rulesOf(larger)[3], (Rule{11, 61, 84, 0}));
}

TEST_F(PageLayout, PageMetricsAreReadFromThePrinterOnEveryPageOnEitherSurface)
{
    printer.setPrintableArea(PrintableArea{100.5, 70});
    drawPage(paper);
    EXPECT_EQ(store.PrintWidthChars, 100.5);
    EXPECT_EQ(store.PrintHeightLines, 70);

    printer.setPrintableArea(PrintableArea{90, 60});
    drawPage(window);
    EXPECT_EQ(store.PrintWidthChars, 90);
    EXPECT_EQ(store.PrintHeightLines, 60);
}

TEST_F(PageLayout, WithoutAPrinterThePageIsLaidOutOnTheReferencePage)
{
    store.PrintWidthChars = 40;
    store.PrintHeightLines = 20;
    printer.setPrintableArea(std::nullopt);
    renderer.WriteHeader(paper);

    EXPECT_EQ(store.PrintWidthChars, 96);
    EXPECT_EQ(store.PrintHeightLines, 63);
    EXPECT_EQ(rulesOf(paper), kFrame);
}

struct DateCase
{
    int year;
    unsigned month;
    unsigned day;
    const char* text;
};

void PrintTo(const DateCase& c, std::ostream* out)
{
    *out << c.text;
}

class HeaderDate : public PageLayout, public testing::WithParamInterface<DateCase>
{};

TEST_P(HeaderDate, IsMonthDayAndYearWithLeadingZeros)
{
    today = dateOf(GetParam().year, GetParam().month, GetParam().day);
    renderer.WriteHeader(paper);

    EXPECT_EQ(textsNamed(paper, GetParam().text).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Dates, HeaderDate,
                         testing::Values(DateCase{2001, 10, 16, "Date: 10 16 2001"},
                                         DateCase{2024, 3, 5, "Date: 03 05 2024"},
                                         DateCase{1999, 12, 31, "Date: 12 31 1999"},
                                         DateCase{987, 1, 1, "Date: 01 01 0987"}));

TEST_F(PageLayout, DateIsTakenWhenEachPageIsDrawn)
{
    drawPage(paper);
    today = dateOf(2001, 10, 17);
    drawPage(paper);

    EXPECT_EQ(textsNamed(paper, "Date: 10 16 2001").size(), 1u);
    EXPECT_EQ(textsNamed(paper, "Date: 10 17 2001").size(), 1u);
}

TEST_F(PageLayout, FontStateOfTheHeaderTitlesAndCells)
{
    store.UndividedPages.write(0).RoadwayName = "SR22";
    store.UndividedPages.write(0).StakeCells.set(0, 0, 0, "10+00");
    drawPage(paper);

    for (const char* text :
         {"Project No: 104", "Date: 10 16 2001", "Station", "Roadway Name: SR22", "10+00"}) {
        SurfaceFont font = textsNamed(paper, text).front()->font;
        EXPECT_EQ(font.name, "Lucida Console") << text;
        EXPECT_EQ(font.size, 10) << text;
        EXPECT_TRUE(font.bold) << text;
        EXPECT_FALSE(font.italic) << text;
        EXPECT_TRUE(font.transparent) << text;
    }
}

TEST_F(PageLayout, LeavesTheSurfaceInTheStateThePageEndsWith)
{
    drawPage(paper);

    EXPECT_EQ(paper.font().name, "Lucida Console");
    EXPECT_EQ(paper.font().size, 10);
    EXPECT_TRUE(paper.font().bold);
    EXPECT_FALSE(paper.font().italic);
    EXPECT_TRUE(paper.font().transparent);
    EXPECT_EQ(paper.fillStyle(), 0);
}

TEST_F(PageLayout, PrinterFontIsTenPointsWhateverTheZoom)
{
    store.DrawScale = 0.5;
    drawPage(paper);
    drawPage(window);

    EXPECT_EQ(paper.texts().front().font.size, 10);
    EXPECT_EQ(window.texts().front().font.size, 5);
}

TEST_F(PageLayout, WindowRulesAreTwipsTimesTheZoomUnrounded)
{
    store.DrawScale = 0.75;
    printer.setPrintableArea(PrintableArea{95.5, 63});
    drawPage(window);

    // 90 twips to a column and 180 to a line at this zoom; the page starts half a column
    // further left than on the reference page.
    std::vector<Rule> rules = rulesOf(window);
    ASSERT_EQ(rules.size(), 17u);
    EXPECT_EQ(rules[0], (Rule{405, 0, 7560, 0}));
    for (std::size_t i = 0; i < 17; ++i) {
        auto [x, y, right, down] = i < 4 ? kFrame[i] : kTableRules[i - 4];
        EXPECT_EQ(rules[i], (Rule{(x - 0.5) * 90, y * 180, right * 90, down * 180})) << i;
    }
}

struct WindowPlace
{
    const char* text;
    double x;
    double y;
};

void PrintTo(const WindowPlace& c, std::ostream* out)
{
    *out << c.text;
}

class WindowText : public PageLayout, public testing::WithParamInterface<WindowPlace>
{};

// At a zoom of 1/64 a column is 1.875 twips and a line 3.75: positions that fall on a half
// twip go to the even neighbour.
TEST_P(WindowText, IsPlacedInWholeTwipsRoundedHalfToEven)
{
    store.DrawScale = 1.0 / 64;
    fillCells(store.UndividedPages.write(0), "");
    drawPage(window);

    auto found = textsNamed(window, GetParam().text);
    ASSERT_FALSE(found.empty());
    const RecordedText& drawn = *found.front();
    EXPECT_EQ(drawn.x, GetParam().x);
    EXPECT_EQ(drawn.y, GetParam().y);
    EXPECT_EQ(drawn.font.size, 10.0 / 64);
}

INSTANTIATE_TEST_SUITE_P(Positions, WindowText,
                         testing::Values(WindowPlace{"Project No: 104", 13, 4}, // 13.125, 3.75
                                         WindowPlace{"Lt.Cut/Lt.Fill Stake", 52, 19}, // 52.5, 18.75
                                         WindowPlace{"Cut/Fill Stake", 68,
                                                     120},             // 67.5, the first of the two
                                         WindowPlace{"S003", 13, 38},  // 13.125, 37.5
                                         WindowPlace{"H004", 13, 142}, // 13.125, 142.5
                                         WindowPlace{"H134", 99, 172}, // 99.375, 172.5
                                         WindowPlace{"H254", 150, 202})); // 150, 202.5

TEST_F(PageLayout, WindowCellsStartOnAWholeColumnWhileHeaderTextsDoNot)
{
    store.DrawScale = 1.0;
    printer.setPrintableArea(PrintableArea{95.5, 63});
    fillCells(store.UndividedPages.write(0), "");
    drawPage(window);

    EXPECT_EQ(drawnOnce(window, "Project No: 104").x, 780);   // 6.5 columns
    EXPECT_EQ(textsNamed(window, "Station").front()->x, 660); // 5.5 columns
    EXPECT_EQ(drawnOnce(window, "S000").x, 720);              // 6.5 rounds to 6
    EXPECT_EQ(drawnOnce(window, "S010").x, 3120);             // 25.5 rounds to 26
    EXPECT_EQ(drawnOnce(window, "S000").y, 7 * 240);
}

TEST_F(PageLayout, PrinterTextsAreRoundedToWholeCellsHalfToEven)
{
    printer.setPrintableArea(PrintableArea{95.5, 62.5});
    fillCells(store.UndividedPages.write(0), "");
    drawPage(paper);

    EXPECT_EQ(drawnOnce(paper, "Project No: 104").x, 6);      // 6.5
    EXPECT_EQ(drawnOnce(paper, "Project No: 104").y, 0);      // 0.5
    EXPECT_EQ(drawnOnce(paper, "Control Number: 2207").y, 2); // 1.5
    EXPECT_EQ(drawnOnce(paper, "S010").x, 26);                // 25.5
    EXPECT_EQ(drawnOnce(paper, "S000").y, 6);                 // 6.5
    EXPECT_EQ(rulesOf(paper)[0], (Rule{4.5, -0.5, 84, 0}));
}

TEST_F(PageLayout, PutTextPrintsAtTheGivenPosition)
{
    renderer.PutText(window, -12, 32767, "x");

    EXPECT_EQ(window.currentX(), -12);
    EXPECT_EQ(window.currentY(), 32767);
    EXPECT_EQ(placesOf(window), (std::vector<Place>{{"x", -12, 32767}}));
}

// A surface that refuses fonts and fails chosen drawing steps.
class FaultySurface : public RecordingSurface
{
public:
    FaultySurface() : RecordingSurface(SurfaceKind::Printer) {}

    void setFontName(const std::string& name) override
    {
        ++fontRequests[name];
        if (!acceptedFonts.contains(name))
            fail(errors::kInvalidPropertyValue);
        RecordingSurface::setFontName(name);
    }
    void drawLine(double x, double y, double right, double down) override
    {
        if (x == failingLineX && lineFailuresLeft-- > 0)
            fail(errors::kPrinterError);
        RecordingSurface::drawLine(x, y, right, down);
    }
    void printText(const std::string& text) override
    {
        if (failingText && text == *failingText)
            fail(errors::kPrinterError);
        RecordingSurface::printText(text);
    }

    std::set<std::string> acceptedFonts{"Courier New"};
    std::map<std::string, int> fontRequests;
    double failingLineX = NAN; // fails the rules that start on this column
    int lineFailuresLeft = 0;
    std::optional<std::string> failingText;
};

TEST_F(PageLayout, RefusedFontFallsBackToCourierNewWithoutAMessage)
{
    store.ReportFontName = "MS LineDraw";
    fillCells(store.UndividedPages.write(0), "");
    FaultySurface faulty;
    drawPage(faulty);
    drawPage(paper);

    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(faulty.fontRequests["MS LineDraw"], 2); // tried once more after the switch
    EXPECT_EQ(placesOf(faulty), placesOf(paper));
    for (const RecordedText& drawn : faulty.texts())
        EXPECT_EQ(drawn.font.name, "Courier New") << drawn.text;
}

TEST_F(PageLayout, CourierNewRefusedTooEndsTheFrameWithAMessage)
{
    FaultySurface faulty;
    faulty.acceptedFonts.clear();
    renderer.PrintRDSForm(faulty);

    EXPECT_EQ(
        messenger.messages,
        std::vector<std::string>{"Program Error: Invalid property value PrintRDSForm(PepPrint)"});
    EXPECT_TRUE(faulty.lines().empty());
    EXPECT_TRUE(faulty.texts().empty());
}

TEST_F(PageLayout, FailingTableStepIsReportedAndDrawingGoesOn)
{
    FaultySurface faulty;
    faulty.failingLineX = 25; // the column rule after Station
    faulty.lineFailuresLeft = 100;
    renderer.PrintRDSForm(faulty);

    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error : Printer error WriteTables(PepPrint)"});
    EXPECT_EQ(faulty.lines().size(), 16u);
    EXPECT_EQ(faulty.texts().size(), 3u + 10u);
}

TEST_F(PageLayout, FailingHeaderStepIsTriedOnceMoreInCourierNew)
{
    FaultySurface faulty;
    faulty.failingLineX = 89; // the frame's right rule
    faulty.lineFailuresLeft = 1;
    renderer.PrintRDSForm(faulty);

    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(rulesOf(faulty)[2], kFrame[2]);
    EXPECT_EQ(faulty.font().name, "Courier New");
}

TEST_F(PageLayout, HeaderStepFailingAgainIsSkippedSilently)
{
    FaultySurface faulty;
    faulty.failingLineX = 89;
    faulty.lineFailuresLeft = 100;
    renderer.PrintRDSForm(faulty);

    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(faulty.lines().size(), 16u);
    EXPECT_EQ(faulty.lineFailuresLeft, 98); // tried twice, not more
    EXPECT_EQ(faulty.texts().size(), 3u + 10u);
}

TEST_F(PageLayout, FailingTextIsReportedByPutTextAndTheRestIsDrawn)
{
    store.UndividedPages.write(0).StakeCells.set(1, 2, 0, "F .32");
    store.UndividedPages.write(0).StakeCells.set(1, 3, 0, "F 1.49");
    FaultySurface faulty;
    faulty.failingText = "F .32";
    drawPage(faulty);

    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error: Printer error(PutText(pepPrint))"});
    EXPECT_TRUE(textsNamed(faulty, "F .32").empty());
    EXPECT_EQ(textsNamed(faulty, "F 1.49").size(), 1u);
}

TEST_F(PageLayout, PositionBeyondSixteenBitsIsAnOverflowOfTheCallingRoutine)
{
    // At four times the zoom a column is 480 twips and a line 960: column 80 and line 35
    // are past 32767.
    store.DrawScale = 4;
    fillCells(store.UndividedPages.write(0), "");
    drawPage(window);

    EXPECT_EQ(messenger.messages,
              std::vector<std::string>{"Program Error : Overflow WriteTables(PepPrint)"});
    EXPECT_TRUE(textsNamed(window, "Rt. Hub").empty());
    EXPECT_EQ(textsNamed(window, "Station").size(), 2u);
    EXPECT_EQ(textsNamed(window, "H000").size(), 1u); // line 34
    EXPECT_TRUE(textsNamed(window, "H001").empty());  // line 35: skipped without a message
    EXPECT_EQ(window.lines().size(), 17u);
}

} // namespace
} // namespace quarrow::test
