#include "render/printplatform.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QPrinterInfo>

namespace quarrow {

QStringList QtPrintPlatform::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintPlatform::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> QtPrintPlatform::openPrinter(const QString& name) const
{
    QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QStringList QtPrintPlatform::fontFamilies() const
{
    return QFontDatabase::families();
}

} // namespace quarrow
