#include "render/bookprinter.h"

#include <utility>

namespace quarrow {
namespace {

// What callers pass to ImpPrintRDSForm; it changes nothing.
constexpr std::int16_t kImpPrintArgument = 50;

std::int64_t pagesFrom(std::int64_t from, std::int64_t to)
{
    return to >= from ? to - from + 1 : 0;
}

} // namespace

BookPrinter::BookPrinter(ReportStore& store, PepPrint& renderer, Messenger& messenger,
                         PrintProgress progress)
    : m_store(store), m_renderer(renderer), m_messenger(messenger), m_progress(std::move(progress))
{}

void BookPrinter::printOnePage(DrawingSurface& printer)
{
    reportFailure([&] { m_renderer.PrintRDSForm(printer); });
    reportFailure([&] { m_renderer.ImpPrintRDSForm(printer, kImpPrintArgument); });
    reportFailure([&] { printer.newPage(); });
}

bool BookPrinter::printAll(DrawingSurface& printer)
{
    m_printed = 0;
    if (m_store.RoadwayType == "Undivided") {
        m_total = pagesFrom(0, m_store.LastPage);
        return printRange(printer, 0, m_store.LastPage);
    }
    if (m_store.RoadwayType != "Divided")
        return true;
    m_total = pagesFrom(0, m_store.LastLeftPage) + pagesFrom(0, m_store.LastRightPage);
    m_store.CurrentSide = "left";
    if (!printRange(printer, 0, m_store.LastLeftPage))
        return false;
    m_store.CurrentSide = "right";
    return printRange(printer, 0, m_store.LastRightPage);
}

bool BookPrinter::printPages(DrawingSurface& printer, std::int16_t from, std::int16_t to,
                             const std::string& side)
{
    m_printed = 0;
    m_total = pagesFrom(from, to);
    if (m_store.RoadwayType == "Undivided")
        return printRange(printer, from, to);
    if (m_store.RoadwayType == "Divided" && (side == "left" || side == "right")) {
        m_store.CurrentSide = side;
        return printRange(printer, from, to);
    }
    return true;
}

bool BookPrinter::print(DrawingSurface& printer, const std::optional<PageRange>& pages)
{
    return pages ? printPages(printer, pages->from, pages->to, pages->side) : printAll(printer);
}

bool BookPrinter::printRange(DrawingSurface& printer, std::int32_t from, std::int32_t to)
{
    // Counted wider than the counters so that a last page of the largest value still ends.
    for (std::int64_t page = from; page <= to; ++page) {
        m_store.CurrentPage = static_cast<std::int32_t>(page);
        printOnePage(printer);
        if (m_progress && !m_progress(++m_printed, m_total))
            return false;
    }
    return true;
}

template <typename Step>
void BookPrinter::reportFailure(Step&& step)
{
    try {
        std::forward<Step>(step)();
    } catch (const RunError& error) {
        m_messenger.show(std::string("Program Error : ") + error.what() +
                         " occured in viewPrint_click");
    }
}

} // namespace quarrow
