#include "render/output/qtprintermetrics.h"

#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPrinter>

namespace quarrow {
namespace {

constexpr double kColumnsPerInch = 12.0;
constexpr double kLinesPerInch = 6.0;

} // namespace

std::optional<PrintableArea> QtPrinterMetrics::printableArea() const
{
    if (!m_printer)
        return std::nullopt;
    if (auto* printer = dynamic_cast<const QPrinter*>(m_printer); printer && !printer->isValid())
        return std::nullopt;
    QRectF area = m_printer->pageLayout().paintRect(QPageLayout::Inch);
    return PrintableArea{area.width() * kColumnsPerInch, area.height() * kLinesPerInch};
}

} // namespace quarrow
