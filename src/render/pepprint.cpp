#include "render/pepprint.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <utility>

namespace quarrow {
namespace {

constexpr const char* kFallbackFont = "Courier New";
// 8 by 10.5 inches: what a page is laid out on when no printer can be queried.
constexpr PrintableArea kReferencePage{96.0, 63.0};

constexpr double kTwipsPerColumn = 120.0;
constexpr double kTwipsPerLine = 240.0;
constexpr double kFontPoints = 10.0;

// A rule from (W - a, H - b), `right` columns long or `down` lines long.
struct Rule
{
    int a;
    int b;
    int right;
    int down;
};

constexpr std::array<Rule, 4> kFrameRules{{
    {91, 63, 84, 0},
    {91, 63, 0, 58},
    {7, 63, 0, 58},
    {91, 5, 84, 0},
}};

constexpr std::array<Rule, 13> kTableRules{{
    {91, 58, 84, 0}, // stake-table title row
    {91, 57, 84, 0},
    {71, 58, 0, 53}, // column rules of both tables, down to the frame's bottom
    {44, 58, 0, 53},
    {35, 58, 0, 53},
    {91, 49, 84, 0}, // between stake blocks
    {91, 40, 84, 0},
    {91, 31, 84, 0}, // hub-table title row
    {91, 30, 84, 0},
    {61, 31, 0, 26}, // hub-table column rules
    {17, 31, 0, 26},
    {91, 22, 84, 0}, // between hub blocks
    {91, 14, 84, 0},
}};

struct Title
{
    int a;
    const char* text;
};

constexpr int kStakeTitleLine = 58;
constexpr std::array<Title, 4> kStakeTitles{{
    {90, "Station"},
    {68, "Lt.Cut/Lt.Fill Stake"},
    {42, "C.L"},
    {33, "Rt.Cut/Rt.Fill Stake"},
}};

constexpr int kHubTitleLine = 31;
constexpr std::array<Title, 6> kHubTitles{{
    {90, "Station"},
    {70, "Lt. Hub"},
    {60, "Cut/Fill Stake"},
    {42, "C.L"},
    {33, "Cut/Fill Stake"},
    {16, "Rt. Hub"},
}};

// Cells: a column's W - a, and each block's first line as H - b (block 0 at the top).
constexpr std::array<int, 4> kStakeColumns{89, 70, 43, 33};
constexpr std::array<int, 3> kStakeBlockLines{56, 48, 39};
constexpr std::array<int, 6> kHubColumns{89, 70, 61, 43, 33, 16};
constexpr std::array<int, 3> kHubBlockLines{29, 21, 13};
constexpr int kDrawnBlocks = 3;
constexpr int kCellLines = 6;
// A divided book's station column also shows line 6.
constexpr int kDividedStationLines = 7;

// Turns a page position (W - a, H - b) into the surface's unit: character cells on the
// printer, twips times the zoom on the window.
class PageGrid
{
public:
    PageGrid(const ReportStore& store, SurfaceKind kind)
        : m_width(store.PrintWidthChars), m_height(store.PrintHeightLines),
          m_columnUnit(kind == SurfaceKind::Window ? kTwipsPerColumn * store.DrawScale : 1.0),
          m_lineUnit(kind == SurfaceKind::Window ? kTwipsPerLine * store.DrawScale : 1.0),
          m_fontSize(kind == SurfaceKind::Window ? kFontPoints * store.DrawScale : kFontPoints)
    {}

    double x(int a) const { return (m_width - a) * m_columnUnit; }
    // Table cells start on a whole column, even when the printable width is not whole.
    double cellX(int a) const { return std::nearbyint(m_width - a) * m_columnUnit; }
    double y(int b) const { return (m_height - b) * m_lineUnit; }
    double columns(int n) const { return n * m_columnUnit; }
    double lines(int n) const { return n * m_lineUnit; }
    double fontSize() const { return m_fontSize; }

private:
    double m_width;
    double m_height;
    double m_columnUnit;
    double m_lineUnit;
    double m_fontSize;
};

// Rounds halves to the even neighbour, as the text positions always were; a position
// outside the 16-bit range fails with "Overflow".
std::int16_t toInt16(double value)
{
    double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        fail(errors::kOverflow);
    return static_cast<std::int16_t>(rounded);
}

void drawRule(DrawingSurface& surface, const PageGrid& grid, const Rule& rule)
{
    surface.drawLine(grid.x(rule.a), grid.y(rule.b), grid.columns(rule.right),
                     grid.lines(rule.down));
}

// The header and the page contents never stop for a failure: the font goes back to
// "Courier New" (the usual cause is a font the surface refuses) and the step is tried once
// more, then skipped. Only a refusal of "Courier New" itself gets out.
template <typename Step>
void withCourierFallback(DrawingSurface& surface, Step&& step)
{
    try {
        step();
        return;
    } catch (const RunError&) {
        surface.setFontName(kFallbackFont);
    }
    try {
        step();
    } catch (const RunError&) {
    }
}

template <typename... Steps>
void eachWithCourierFallback(DrawingSurface& surface, Steps&&... steps)
{
    (withCourierFallback(surface, std::forward<Steps>(steps)), ...);
}

std::string pageDate(std::chrono::year_month_day date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u %02u %04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    return text;
}

} // namespace

std::chrono::year_month_day localToday()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year{local.tm_year + 1900} /
           std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

PepPrint::PepPrint(ReportStore& store, Messenger& messenger, const PageMetricsSource& printer,
                   DateSource today)
    : m_store(store), m_messenger(messenger), m_printer(printer), m_today(std::move(today))
{}

void PepPrint::PrintRDSForm(DrawingSurface& surface)
{
    try {
        WriteHeader(surface);
        WriteTables(surface);
    } catch (const RunError& error) {
        m_messenger.show(std::string("Program Error: ") + error.what() + " PrintRDSForm(PepPrint)");
    }
}

void PepPrint::WriteHeader(DrawingSurface& surface)
{
    eachWithCourierFallback(
        surface, [&] { refreshPageMetrics(); }, [&] { surface.setFillStyle(0); },
        [&] { surface.setFontName(m_store.ReportFontName); },
        [&] { surface.setFontTransparent(true); });
    PageGrid grid(m_store, surface.kind());
    for (const Rule& rule : kFrameRules)
        withCourierFallback(surface, [&] { drawRule(surface, grid, rule); });
    eachWithCourierFallback(
        surface, [&] { surface.setFontSize(grid.fontSize()); }, [&] { surface.setBold(true); },
        [&] { surface.setFontTransparent(true); },
        [&] { putAt(surface, grid.x(89), grid.y(62), "Project No: " + m_store.ProjectNumber); },
        [&] { putAt(surface, grid.x(89), grid.y(61), "Control Number: " + m_store.ControlNumber); },
        [&] { putAt(surface, grid.x(35), grid.y(62), "Date: " + pageDate(m_today())); },
        [&] { surface.setFontSize(grid.fontSize()); }, [&] { surface.setBold(false); });
}

void PepPrint::WriteTables(DrawingSurface& surface)
{
    PageGrid grid(m_store, surface.kind());
    auto step = [this](auto&& action) {
        try {
            action();
        } catch (const RunError& error) {
            reportTablesError(error);
        }
    };
    for (const Rule& rule : kTableRules)
        step([&] { drawRule(surface, grid, rule); });
    step([&] { surface.setBold(true); });
    step([&] { surface.setFontTransparent(true); });
    for (const Title& title : kStakeTitles)
        step([&] { putAt(surface, grid.x(title.a), grid.y(kStakeTitleLine), title.text); });
    for (const Title& title : kHubTitles)
        step([&] { putAt(surface, grid.x(title.a), grid.y(kHubTitleLine), title.text); });
}

void PepPrint::ImpPrintRDSForm(DrawingSurface& surface, std::int16_t)
{
    m_store.PageIndex = m_store.CurrentPage;
    const BookPage* page = nullptr;
    withCourierFallback(surface, [&] { page = currentBookPage(); });
    if (!page)
        return;
    PageGrid grid(m_store, surface.kind());
    eachWithCourierFallback(
        surface, [&] { putAt(surface, grid.x(89), grid.y(60), roadwayText(*page)); },
        [&] { putAt(surface, grid.x(35), grid.y(61), pageNumberText()); });
    drawStakeCells(surface, *page);
    withCourierFallback(surface, [&] { surface.setItalic(true); });
    drawHubCells(surface, *page);
    withCourierFallback(surface, [&] { surface.setItalic(false); });
}

void PepPrint::PutText(DrawingSurface& surface, std::int16_t x, std::int16_t y,
                       const std::string& text)
{
    try {
        surface.setCurrentX(x);
        surface.setCurrentY(y);
        surface.printText(text);
    } catch (const RunError& error) {
        m_messenger.show(std::string("Program Error: ") + error.what() + "(PutText(pepPrint))");
    }
}

void PepPrint::refreshPageMetrics()
{
    PrintableArea area = m_printer.printableArea().value_or(kReferencePage);
    m_store.PrintWidthChars = area.widthChars;
    m_store.PrintHeightLines = area.heightLines;
}

void PepPrint::putAt(DrawingSurface& surface, double x, double y, const std::string& text)
{
    PutText(surface, toInt16(x), toInt16(y), text);
}

void PepPrint::reportTablesError(const RunError& error)
{
    m_messenger.show(std::string("Program Error : ") + error.what() + " WriteTables(PepPrint)");
}

// Null for a roadway type that has no book. Fails with "Subscript out of range" for a page
// beyond its array.
const BookPage* PepPrint::currentBookPage() const
{
    int index = m_store.PageIndex;
    if (m_store.RoadwayType == "Undivided")
        return &m_store.UndividedPages.read(index);
    if (m_store.RoadwayType != "Divided")
        return nullptr;
    return &(m_store.CurrentSide == "left" ? m_store.LeftPages : m_store.RightPages).read(index);
}

std::string PepPrint::roadwayText(const BookPage& page) const
{
    if (m_store.RoadwayType == "Undivided")
        return "Roadway Name: " + page.RoadwayName;
    if (m_store.CurrentSide == "left")
        return "Roadway Name(left): " + page.RoadwayName;
    return "Roadway Name(Right): " + page.RoadwayName;
}

std::string PepPrint::pageNumberText() const
{
    std::int32_t last = m_store.LastPage;
    if (m_store.RoadwayType == "Divided")
        last = m_store.CurrentSide == "left" ? m_store.LastLeftPage : m_store.LastRightPage;
    // Widened so that the largest counter still prints its successor.
    return "Page No: " + std::to_string(std::int64_t{m_store.PageIndex} + 1) + " of " +
           std::to_string(std::int64_t{last} + 1);
}

void PepPrint::drawStakeCells(DrawingSurface& surface, const BookPage& page)
{
    PageGrid grid(m_store, surface.kind());
    bool divided = m_store.RoadwayType == "Divided";
    for (int column = 0; column < StakeTable::kColumns; ++column) {
        int lines = divided && column == 0 ? kDividedStationLines : kCellLines;
        for (int line = 0; line < lines; ++line) {
            for (int block = 0; block < kDrawnBlocks; ++block) {
                withCourierFallback(surface, [&] {
                    putAt(surface, grid.cellX(kStakeColumns[column]),
                          grid.y(kStakeBlockLines[block] - line),
                          page.StakeCells.at(block, column, line));
                });
            }
        }
    }
}

void PepPrint::drawHubCells(DrawingSurface& surface, const BookPage& page)
{
    PageGrid grid(m_store, surface.kind());
    for (int column = 0; column < HubTable::kColumns; ++column) {
        for (int line = 0; line < kCellLines; ++line) {
            for (int block = 0; block < kDrawnBlocks; ++block) {
                withCourierFallback(surface, [&] {
                    putAt(surface, grid.cellX(kHubColumns[column]),
                          grid.y(kHubBlockLines[block] - line),
                          page.HubCells.at(block, column, line));
                });
            }
        }
    }
}

} // namespace quarrow
