#pragma once

#include "render/drawingsurface.h"
#include "render/pagemetricssource.h"
#include "store/bookpages.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace quarrow {

// Where the page header's date comes from; tests fix it.
using DateSource = std::function<std::chrono::year_month_day()>;

// The calendar date of the local time now.
std::chrono::year_month_day localToday();

// What a page is laid out on: the printer's printable area (W columns by H lines), and for
// the display window the zoom that its twips are multiplied by.
struct PageMetrics
{
    PrintableArea area;
    double drawScale = 1.0;
};

// Draws a page of the book, which it only reads, on a surface: the display window or the
// printer, with the same frame, rules, titles and cells on both.
//
// A page is laid out in the printer's character cells, anchored to the bottom-right corner
// of its printable area: the frame is 84 columns wide and 58 lines high with a 7-column right
// and 5-line bottom margin. The window gets the same cells in twips times the zoom. The page
// is drawn in the report font (or "Courier New"), 10 points (window: 10 times the zoom),
// bold, italic off, transparent text, fill style 0.
//
// None of these lets a RunError out except drawContents, when even "Courier New" is
// refused; messages go to the Messenger, with the heads and tails users know.
class PageRenderer
{
public:
    PageRenderer(const ReportStore& store, Messenger& messenger, DateSource today = localToday);

    // The frame and the header, then the rules and the titles. An error escaping them ends
    // the drawing with "Program Error: " + description + " PrintRDSForm(PepPrint)".
    void drawFrame(DrawingSurface& surface, const PageMetrics& metrics);

    // The frame, the project, control-number and date texts. A failing step switches the
    // font to "Courier New" and is tried once more, then skipped; no message.
    void writeHeader(DrawingSurface& surface, const PageMetrics& metrics);

    // The thirteen table rules and the column titles. A failing step shows
    // "Program Error : " + description + " WriteTables(PepPrint)" and drawing goes on.
    void writeTables(DrawingSurface& surface, const PageMetrics& metrics);

    // The page's roadway name, page number and cells (blocks 0 to 2). Failures are handled
    // as in writeHeader; only a refusal of "Courier New" itself gets out.
    void drawContents(DrawingSurface& surface, const PageMetrics& metrics, PageRef page);

    // Prints `text` at (x, y) in the surface's unit. A failure shows
    // "Program Error: " + description + "(PutText(pepPrint))" and the text is not drawn.
    void putText(DrawingSurface& surface, std::int16_t x, std::int16_t y, const std::string& text);

    const DateSource& dateSource() const { return m_today; }

private:
    void putAt(DrawingSurface& surface, double x, double y, const std::string& text);
    std::string roadwayText(const BookPage& page, BookSide side) const;
    std::string pageNumberText(PageRef page) const;

    const ReportStore& m_store;
    Messenger& m_messenger;
    DateSource m_today;
};

} // namespace quarrow
