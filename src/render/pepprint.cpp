#include "render/pepprint.h"

#include <utility>

namespace quarrow {

PepPrint::PepPrint(ReportStore& store, Messenger& messenger, const PageMetricsSource& printer,
                   DateSource today)
    : m_store(store), m_printer(printer), m_renderer(store, messenger, std::move(today))
{}

void PepPrint::PrintRDSForm(DrawingSurface& surface)
{
    refreshPageMetrics();
    m_renderer.drawFrame(surface, storeMetrics());
}

void PepPrint::WriteHeader(DrawingSurface& surface)
{
    refreshPageMetrics();
    m_renderer.writeHeader(surface, storeMetrics());
}

void PepPrint::WriteTables(DrawingSurface& surface)
{
    m_renderer.writeTables(surface, storeMetrics());
}

void PepPrint::ImpPrintRDSForm(DrawingSurface& surface, std::int16_t)
{
    m_store.PageIndex = m_store.CurrentPage;
    if (isUndivided(m_store) || isDivided(m_store))
        m_renderer.drawContents(surface, storeMetrics(), {currentSide(m_store), m_store.PageIndex});
}

void PepPrint::PutText(DrawingSurface& surface, std::int16_t x, std::int16_t y,
                       const std::string& text)
{
    m_renderer.putText(surface, x, y, text);
}

void PepPrint::refreshPageMetrics()
{
    PrintableArea area = printerMetrics().area;
    m_store.PrintWidthChars = area.widthChars;
    m_store.PrintHeightLines = area.heightLines;
}

PageMetrics PepPrint::printerMetrics() const
{
    return {m_printer.printableArea().value_or(kReferencePage), 1.0};
}

PageMetrics PepPrint::storeMetrics() const
{
    return {{m_store.PrintWidthChars, m_store.PrintHeightLines}, m_store.DrawScale};
}

} // namespace quarrow
