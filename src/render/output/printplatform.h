#pragma once

#include <QStringList>

#include <memory>

class QPrinter;

namespace quarrow {

// The only fonts a book is drawn in, in the order they are named: each keeps the columns of
// the page aligned.
const QStringList& reportFontNames();

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

// QPrinterInfo and QFontDatabase. The report fonts are seldom installed by their names outside
// Windows, though the system draws some of them with a metric-compatible fixed-pitch font
// ("Courier New" with Liberation Mono): such names follow the installed fonts.
class QtPrintPlatform : public PrintPlatform
{
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPrinter> openPrinter(const QString& name) const override;
    QStringList fontFamilies() const override;
};

} // namespace quarrow
