#include "render/output/printplatform.h"

#include "render/output/qtpaintersurface.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QPrinterInfo>

namespace quarrow {

const QStringList& reportFontNames()
{
    static const QStringList names = {QStringLiteral("MS LineDraw"),
                                      QStringLiteral("Lucida Console"),
                                      QStringLiteral("Courier New")};
    return names;
}

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
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // A QPrinter starts on the locale's paper, not on the printer's own default.
    printer->setPageSize(info.defaultPageSize());
    return printer;
}

QStringList QtPrintPlatform::fontFamilies() const
{
    QStringList families = QFontDatabase::families();
    for (const QString& name : reportFontNames()) {
        if (!families.contains(name) && drawsWithFixedPitchFont(name))
            families << name;
    }
    return families;
}

} // namespace quarrow
