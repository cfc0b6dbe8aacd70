#pragma once

#include "render/drawingsurface.h"
#include "render/pagemetricssource.h"
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

// The page renderer: draws page `CurrentPage` of the current book onto a surface, the
// display window or the printer, with the same frame, rules, titles and cells on both.
//
// A page is laid out in the printer's character cells, anchored to the bottom-right corner
// of its printable area (W columns by H lines): the frame is 84 columns wide and 58 lines
// high with a 7-column right and 5-line bottom margin. The window gets the same cells in
// twips times `DrawScale`. A page is always drawn as PrintRDSForm and then ImpPrintRDSForm
// on the same surface, since the contents use the font state the frame leaves behind:
// `ReportFontName` (or "Courier New"), 10 points (window: 10 x `DrawScale`), bold,
// italic off, transparent text, fill style 0.
//
// None of these lets a RunError out except ImpPrintRDSForm, when even "Courier New" is
// refused; messages go to the Messenger.
class PepPrint
{
public:
    PepPrint(ReportStore& store, Messenger& messenger, const PageMetricsSource& printer,
             DateSource today = localToday);

    // WriteHeader, then WriteTables. An error escaping them ends the routine with
    // "Program Error: " + description + " PrintRDSForm(PepPrint)".
    void PrintRDSForm(DrawingSurface& surface);

    // Refreshes the page metrics (refreshPageMetrics), then draws the frame and the
    // project, control-number and date texts. A failing step switches the font to
    // "Courier New" and is tried once more, then skipped; no message.
    void WriteHeader(DrawingSurface& surface);

    // Draws the thirteen table rules and the column titles. A failing step shows
    // "Program Error : " + description + " WriteTables(PepPrint)" and drawing goes on.
    void WriteTables(DrawingSurface& surface);

    // Sets `PageIndex` to `CurrentPage` and draws that page's roadway name, page number and
    // cells (blocks 0 to 2). Failures are handled as in WriteHeader; only a refusal of
    // "Courier New" itself leaves the routine. The number is kept for the callers that pass
    // one (they pass 50); it changes nothing.
    void ImpPrintRDSForm(DrawingSurface& surface, std::int16_t unused);

    // Prints `text` at (x, y) in the surface's unit. A failure shows
    // "Program Error: " + description + "(PutText(pepPrint))" and the text is not drawn.
    void PutText(DrawingSurface& surface, std::int16_t x, std::int16_t y, const std::string& text);

    // Reads `PrintWidthChars` and `PrintHeightLines` from the printer (96 by 63, the
    // reference page of 8 by 10.5 inches, when none can be queried).
    void refreshPageMetrics();

    // Today's date as the page header shows it.
    const DateSource& dateSource() const { return m_today; }

private:
    void putAt(DrawingSurface& surface, double x, double y, const std::string& text);
    void reportTablesError(const RunError& error);
    const BookPage* currentBookPage() const;
    std::string roadwayText(const BookPage& page) const;
    std::string pageNumberText() const;
    void drawStakeCells(DrawingSurface& surface, const BookPage& page);
    void drawHubCells(DrawingSurface& surface, const BookPage& page);

    ReportStore& m_store;
    Messenger& m_messenger;
    const PageMetricsSource& m_printer;
    DateSource m_today;
};

} // namespace quarrow
