#include "render/bookprinter.h"

#include <utility>

namespace quarrow {
namespace {

void appendPages(std::vector<PageRef>& pages, BookSide side, std::int64_t from, std::int64_t to)
{
    // Counted wider than the counters so that a last page of the largest value still ends.
    for (std::int64_t page = from; page <= to; ++page)
        pages.push_back({side, static_cast<std::int32_t>(page)});
}

} // namespace

std::vector<PageRef> pagesToPrint(const ReportStore& store, const std::optional<PageRange>& pages)
{
    std::vector<PageRef> job;
    if (isUndivided(store)) {
        if (pages)
            appendPages(job, BookSide::Undivided, pages->from, pages->to);
        else
            appendPages(job, BookSide::Undivided, 0, store.LastPage);
    } else if (isDivided(store) && pages) {
        if (pages->side != BookSide::Undivided)
            appendPages(job, pages->side, pages->from, pages->to);
    } else if (isDivided(store)) {
        appendPages(job, BookSide::Left, 0, store.LastLeftPage);
        appendPages(job, BookSide::Right, 0, store.LastRightPage);
    }
    return job;
}

BookPrinter::BookPrinter(const ReportStore& store, PageRenderer& renderer, PageMetrics metrics,
                         Messenger& messenger, PrintProgress progress)
    : m_store(store), m_renderer(renderer), m_metrics(metrics), m_messenger(messenger),
      m_progress(std::move(progress))
{}

bool BookPrinter::print(DrawingSurface& printer, const std::optional<PageRange>& pages)
{
    std::vector<PageRef> job = pagesToPrint(m_store, pages);
    for (std::size_t printed = 0; printed < job.size(); ++printed) {
        printOnePage(printer, job[printed]);
        if (m_progress && !m_progress(static_cast<std::int64_t>(printed) + 1,
                                      static_cast<std::int64_t>(job.size())))
            return false;
    }
    return true;
}

void BookPrinter::printOnePage(DrawingSurface& printer, PageRef page)
{
    reportFailure([&] { m_renderer.drawFrame(printer, m_metrics); });
    reportFailure([&] { m_renderer.drawContents(printer, m_metrics, page); });
    reportFailure([&] { printer.newPage(); });
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
