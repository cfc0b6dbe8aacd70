#pragma once

#include <memory>
#include <QStringList>

class QPrinter;

namespace quarrow {

// The installed printers and screen fonts, as the platform lists them. The desktop program
// asks Qt; tests supply their own.
class PrintPlatform
{
public:
    virtual ~PrintPlatform() = default;
    // Device names, in the platform's order.
    virtual QStringList printerNames() const = 0;
    // The device name of the system's default printer; empty when there is none.
    virtual QString defaultPrinterName() const = 0;
    // A printer for an installed device; null for a name that no printer has.
    virtual std::unique_ptr<QPrinter> openPrinter(const QString& name) const = 0;
    virtual QStringList fontFamilies() const = 0;
};

// QPrinterInfo and QFontDatabase.
class QtPrintPlatform : public PrintPlatform
{
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPrinter> openPrinter(const QString& name) const override;
    QStringList fontFamilies() const override;
};

} // namespace quarrow
