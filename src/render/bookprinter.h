#pragma once

#include "render/drawingsurface.h"
#include "render/pepprint.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quarrow {

// Pages `from` to `to` (0-based) of the undivided book, or of the book of a divided roadway
// that `side` names ("left" or "right").
struct PageRange
{
    std::int16_t from = 0;
    std::int16_t to = 0;
    std::string side;
};

// Told after each page printed how many pages of the job are printed and how many it has;
// returning false stops the job there.
using PrintProgress = std::function<bool(std::int64_t printed, std::int64_t total)>;

// The printing loops, shared by the desktop program's print commands and the PDF output:
// each page is drawn by the renderer as on the screen and followed by a new page. Ending
// the document (and any message about it) is the caller's.
//
// A failing step shows "Program Error : " + description + " occured in viewPrint_click"
// and printing goes on with the next step. Printing leaves `CurrentPage` (and
// `CurrentSide` in a divided book) at the last page printed. Each loop returns false when
// the progress stopped it.
class BookPrinter
{
public:
    BookPrinter(ReportStore& store, PepPrint& renderer, Messenger& messenger,
                PrintProgress progress = {});

    // The range, or, when there is none, the undivided book or the left book and then the
    // right book. A range's side is "left" or "right" in a divided book; any other side, or a
    // roadway type that is neither, prints nothing. Nothing checks the range against the
    // book: pages beyond it print whatever they hold.
    bool print(DrawingSurface& printer, const std::optional<PageRange>& pages);

private:
    // Draws page `CurrentPage` of the current side and starts a new page.
    void printOnePage(DrawingSurface& printer);
    bool printAll(DrawingSurface& printer);
    bool printPages(DrawingSurface& printer, std::int16_t from, std::int16_t to,
                    const std::string& side);
    bool printRange(DrawingSurface& printer, std::int32_t from, std::int32_t to);
    template <typename Step>
    void reportFailure(Step&& step);

    ReportStore& m_store;
    PepPrint& m_renderer;
    Messenger& m_messenger;
    PrintProgress m_progress;
    std::int64_t m_printed = 0;
    std::int64_t m_total = 0;
};

} // namespace quarrow
