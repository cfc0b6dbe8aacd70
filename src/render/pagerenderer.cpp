#include "render/pagerenderer.h"

#include "render/pagelayout.h"
#include "render/units.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <utility>

namespace quarrow {
namespace {

using namespace layout;

constexpr const char* kFallbackFont = "Courier New";

// Turns a page position (W - a, H - b) into the surface's unit: character cells on the
// printer, twips times the zoom on the window.
class PageGrid
{
public:
    PageGrid(const PageMetrics& metrics, SurfaceKind kind)
        : m_width(metrics.area.widthChars), m_height(metrics.area.heightLines),
          m_columnUnit(kind == SurfaceKind::Window ? units::kTwipsPerColumn * metrics.drawScale
                                                   : 1.0),
          m_lineUnit(kind == SurfaceKind::Window ? units::kTwipsPerLine * metrics.drawScale : 1.0),
          m_fontSize(kind == SurfaceKind::Window ? units::kReportFontPoints * metrics.drawScale
                                                 : units::kReportFontPoints)
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

PageRenderer::PageRenderer(const ReportStore& store, Messenger& messenger, DateSource today)
    : m_store(store), m_messenger(messenger), m_today(std::move(today))
{}

void PageRenderer::drawFrame(DrawingSurface& surface, const PageMetrics& metrics)
{
    try {
        writeHeader(surface, metrics);
        writeTables(surface, metrics);
    } catch (const RunError& error) {
        m_messenger.show(std::string("Program Error: ") + error.what() + " PrintRDSForm(PepPrint)");
    }
}

void PageRenderer::writeHeader(DrawingSurface& surface, const PageMetrics& metrics)
{
    eachWithCourierFallback(
        surface, [&] { surface.setFillStyle(0); },
        [&] { surface.setFontName(m_store.ReportFontName); },
        [&] { surface.setFontTransparent(true); });
    PageGrid grid(metrics, surface.kind());
    for (const Rule& rule : kFrameRules)
        withCourierFallback(surface, [&] { drawRule(surface, grid, rule); });
    eachWithCourierFallback(
        surface, [&] { surface.setFontSize(grid.fontSize()); }, [&] { surface.setBold(true); },
        [&] { surface.setFontTransparent(true); },
        [&] {
            putAt(surface, grid.x(kHeaderLeft), grid.y(kProjectLine),
                  std::string(kProjectLabel) + m_store.ProjectNumber);
        },
        [&] {
            putAt(surface, grid.x(kHeaderLeft), grid.y(kControlLine),
                  std::string(kControlLabel) + m_store.ControlNumber);
        },
        [&] {
            putAt(surface, grid.x(kHeaderRight), grid.y(kProjectLine),
                  "Date: " + pageDate(m_today()));
        },
        [&] { surface.setFontSize(grid.fontSize()); }, [&] { surface.setBold(false); });
}

void PageRenderer::writeTables(DrawingSurface& surface, const PageMetrics& metrics)
{
    PageGrid grid(metrics, surface.kind());
    auto step = [this](auto&& action) {
        try {
            action();
        } catch (const RunError& error) {
            m_messenger.show(std::string("Program Error : ") + error.what() +
                             " WriteTables(PepPrint)");
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

// A page beyond its book's array fails with "Subscript out of range": nothing of it is drawn.
void PageRenderer::drawContents(DrawingSurface& surface, const PageMetrics& metrics, PageRef page)
{
    const BookPage* book = nullptr;
    withCourierFallback(surface, [&] { book = &pagesOf(m_store, page.side).read(page.index); });
    if (!book)
        return;
    PageGrid grid(metrics, surface.kind());
    eachWithCourierFallback(
        surface,
        [&] {
            putAt(surface, grid.x(kHeaderLeft), grid.y(kRoadwayLine),
                  roadwayText(*book, page.side));
        },
        [&] { putAt(surface, grid.x(kHeaderRight), grid.y(kControlLine), pageNumberText(page)); });
    // A divided book's station column also shows line 6.
    int stationLines = page.side == BookSide::Undivided ? kCellLines : kDividedStationLines;
    for (int column = 0; column < StakeTable::kColumns; ++column) {
        for (int line = 0; line < (column == 0 ? stationLines : kCellLines); ++line) {
            for (int block = 0; block < kDrawnBlocks; ++block) {
                withCourierFallback(surface, [&] {
                    putAt(surface, grid.cellX(kStakeColumns[column]),
                          grid.y(kStakeBlockLines[block] - line),
                          book->StakeCells.at(block, column, line));
                });
            }
        }
    }
    withCourierFallback(surface, [&] { surface.setItalic(true); });
    for (int column = 0; column < HubTable::kColumns; ++column) {
        for (int line = 0; line < kCellLines; ++line) {
            for (int block = 0; block < kDrawnBlocks; ++block) {
                withCourierFallback(surface, [&] {
                    putAt(surface, grid.cellX(kHubColumns[column]),
                          grid.y(kHubBlockLines[block] - line),
                          book->HubCells.at(block, column, line));
                });
            }
        }
    }
    withCourierFallback(surface, [&] { surface.setItalic(false); });
}

void PageRenderer::putText(DrawingSurface& surface, std::int16_t x, std::int16_t y,
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

void PageRenderer::putAt(DrawingSurface& surface, double x, double y, const std::string& text)
{
    putText(surface, toInt16(x), toInt16(y), text);
}

std::string PageRenderer::roadwayText(const BookPage& page, BookSide side) const
{
    switch (side) {
    case BookSide::Left:
        return "Roadway Name(left): " + page.RoadwayName;
    case BookSide::Right:
        return "Roadway Name(Right): " + page.RoadwayName;
    case BookSide::Undivided:
        break;
    }
    return "Roadway Name: " + page.RoadwayName;
}

std::string PageRenderer::pageNumberText(PageRef page) const
{
    // Widened so that the largest counter still prints its successor.
    return "Page No: " + std::to_string(std::int64_t{page.index} + 1) + " of " +
           std::to_string(std::int64_t{lastPageOf(m_store, page.side)} + 1);
}

} // namespace quarrow
