#include "render/output/printerchoice.h"

#include "render/output/printplatform.h"
#include "render/output/qtprintermetrics.h"

#include <QPrinter>

namespace quarrow {

PrinterChoice::PrinterChoice(const PrintPlatform& platform)
    : m_platform(platform), m_printer(platform.openPrinter(platform.defaultPrinterName()))
{
    if (m_printer)
        m_deviceName = platform.defaultPrinterName();
}

PrinterChoice::~PrinterChoice() = default;

bool PrinterChoice::select(const QString& deviceName)
{
    if (!m_platform.printerNames().contains(deviceName))
        return false;
    auto printer = m_platform.openPrinter(deviceName);
    if (!printer)
        return false;
    m_printer = std::move(printer);
    m_deviceName = deviceName;
    return true;
}

std::optional<PrintableArea> PrinterChoice::printableArea() const
{
    return QtPrinterMetrics(m_printer.get()).printableArea();
}

} // namespace quarrow
