#pragma once

#include "render/drawingsurface.h"
#include "render/pagemetricssource.h"
#include "render/pagerenderer.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstdint>
#include <string>

namespace quarrow {

// The page renderer as the display window and the print commands call it: page CurrentPage
// of the current book, laid out for the current printer, whose printable area it keeps in
// `PrintWidthChars` and `PrintHeightLines`, and on the window at `DrawScale`. A page is always
// drawn as PrintRDSForm and then ImpPrintRDSForm on the same surface, since the contents use
// the font state the frame leaves behind. The drawing itself is the PageRenderer's.
class PepPrint
{
public:
    PepPrint(ReportStore& store, Messenger& messenger, const PageMetricsSource& printer,
             DateSource today = localToday);

    // WriteHeader, then WriteTables. An error escaping them ends the routine with
    // "Program Error: " + description + " PrintRDSForm(PepPrint)".
    void PrintRDSForm(DrawingSurface& surface);

    // Refreshes the page metrics (refreshPageMetrics), then draws the frame and the project,
    // control-number and date texts.
    void WriteHeader(DrawingSurface& surface);

    // Draws the thirteen table rules and the column titles.
    void WriteTables(DrawingSurface& surface);

    // Sets `PageIndex` to `CurrentPage` and draws that page's roadway name, page number and
    // cells. The number is kept for the callers that pass one (they pass 50); it changes
    // nothing. A roadway type that is neither "Undivided" nor "Divided" has no page to draw.
    void ImpPrintRDSForm(DrawingSurface& surface, std::int16_t unused);

    // Prints `text` at (x, y) in the surface's unit, as PageRenderer::putText.
    void PutText(DrawingSurface& surface, std::int16_t x, std::int16_t y, const std::string& text);

    // Reads `PrintWidthChars` and `PrintHeightLines` from the printer (96 by 63, the
    // reference page of 8 by 10.5 inches, when none can be queried).
    void refreshPageMetrics();

    // The current printer's metrics, which print jobs lay their pages out with; the store
    // keeps what it holds.
    PageMetrics printerMetrics() const;
    PageRenderer& renderer() { return m_renderer; }
    const DateSource& dateSource() const { return m_renderer.dateSource(); }

private:
    PageMetrics storeMetrics() const;

    ReportStore& m_store;
    const PageMetricsSource& m_printer;
    PageRenderer m_renderer;
};

} // namespace quarrow
