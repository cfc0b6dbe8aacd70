#pragma once

#include "render/pagemetricssource.h"

class QPagedPaintDevice;

namespace quarrow {

// The printable area of a printer (QPrinter) or PDF writer (QPdfWriter): its page layout's
// paint rectangle, 12 columns and 6 lines to the inch. Painting is expected with full-page
// mode off, so that the painter's origin is the printable area's top-left corner.
class QtPrinterMetrics : public PageMetricsSource
{
public:
    // `printer` is null when no printer is installed; otherwise it must outlive this.
    explicit QtPrinterMetrics(const QPagedPaintDevice* printer) : m_printer(printer) {}

    // Nothing for a null printer or a QPrinter that is not valid.
    std::optional<PrintableArea> printableArea() const override;

private:
    const QPagedPaintDevice* m_printer;
};

} // namespace quarrow
