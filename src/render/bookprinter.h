#pragma once

#include "render/drawingsurface.h"
#include "render/pagerenderer.h"
#include "store/bookpages.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace quarrow {

// Pages `from` to `to` (0-based) of the undivided book, or of the book of a divided roadway
// that `side` names; a divided book has no undivided pages to print.
struct PageRange
{
    std::int16_t from = 0;
    std::int16_t to = 0;
    BookSide side = BookSide::Undivided;
};

// Told after each page printed how many pages of the job are printed and how many it has;
// returning false stops the job there.
using PrintProgress = std::function<bool(std::int64_t printed, std::int64_t total)>;

// The pages a job prints, in order: the range, or, when there is none, the undivided book or
// the left book and then the right book. Nothing checks the range against the book: pages
// beyond it print whatever they hold.
std::vector<PageRef> pagesToPrint(const ReportStore& store, const std::optional<PageRange>& pages);

// The printing loop, shared by the desktop program's print commands and the PDF output: each
// page is drawn by the renderer as on the screen, laid out for the printer, and followed by a
// new page. The book is only read: the print commands move the page shown themselves. Ending
// the document (and any message about it) is the caller's.
//
// A failing step shows "Program Error : " + description + " occured in viewPrint_click"
// and printing goes on with the next step.
class BookPrinter
{
public:
    // Pages are laid out with `metrics`, a printer's.
    BookPrinter(const ReportStore& store, PageRenderer& renderer, PageMetrics metrics,
                Messenger& messenger, PrintProgress progress = {});

    // Prints the pages; false when the progress stopped the job.
    bool print(DrawingSurface& printer, const std::optional<PageRange>& pages);

private:
    void printOnePage(DrawingSurface& printer, PageRef page);
    template <typename Step>
    void reportFailure(Step&& step);

    const ReportStore& m_store;
    PageRenderer& m_renderer;
    PageMetrics m_metrics;
    Messenger& m_messenger;
    PrintProgress m_progress;
};

} // namespace quarrow
