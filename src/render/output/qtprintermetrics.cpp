#include "render/output/qtprintermetrics.h"

#include "render/units.h"

#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPrinter>

namespace quarrow {
std::optional<PrintableArea> QtPrinterMetrics::printableArea() const
{
    if (!m_printer)
        return std::nullopt;
    if (auto* printer = dynamic_cast<const QPrinter*>(m_printer); printer && !printer->isValid())
        return std::nullopt;
    QRectF area = m_printer->pageLayout().paintRect(QPageLayout::Inch);
    return PrintableArea{area.width() * units::kColumnsPerInch,
                         area.height() * units::kLinesPerInch};
}

} // namespace quarrow
