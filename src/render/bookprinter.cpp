#include "render/bookprinter.h"

#include <utility>

namespace quarrow {
namespace {

// What callers pass to ImpPrintRDSForm; it changes nothing.
constexpr std::int16_t kImpPrintArgument = 50;

} // namespace

BookPrinter::BookPrinter(ReportStore& store, PepPrint& renderer, Messenger& messenger)
    : m_store(store), m_renderer(renderer), m_messenger(messenger)
{}

void BookPrinter::printOnePage(DrawingSurface& printer)
{
    reportFailure([&] { m_renderer.PrintRDSForm(printer); });
    reportFailure([&] { m_renderer.ImpPrintRDSForm(printer, kImpPrintArgument); });
    reportFailure([&] { printer.newPage(); });
}

void BookPrinter::printAll(DrawingSurface& printer)
{
    if (m_store.RoadwayType == "Undivided") {
        printRange(printer, 0, m_store.LastPage);
    } else if (m_store.RoadwayType == "Divided") {
        m_store.CurrentSide = "left";
        printRange(printer, 0, m_store.LastLeftPage);
        m_store.CurrentSide = "right";
        printRange(printer, 0, m_store.LastRightPage);
    }
}

void BookPrinter::printPages(DrawingSurface& printer, std::int16_t from, std::int16_t to,
                             const std::string& side)
{
    if (m_store.RoadwayType == "Undivided") {
        printRange(printer, from, to);
    } else if (m_store.RoadwayType == "Divided" && (side == "left" || side == "right")) {
        m_store.CurrentSide = side;
        printRange(printer, from, to);
    }
}

void BookPrinter::printRange(DrawingSurface& printer, std::int32_t from, std::int32_t to)
{
    // Counted wider than the counters so that a last page of the largest value still ends.
    for (std::int64_t page = from; page <= to; ++page) {
        m_store.CurrentPage = static_cast<std::int32_t>(page);
        printOnePage(printer);
    }
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
