#pragma once

#include "render/pagemetricssource.h"

#include <QString>

#include <memory>

class QPrinter;

namespace quarrow {

class PrintPlatform;

// The program's current printer: the one every page is laid out for and printed on. It
// starts as the system's default printer; with no printer installed there is none, and
// pages are laid out on the reference page of 8 by 10.5 inches.
class PrinterChoice : public PageMetricsSource
{
public:
    explicit PrinterChoice(const PrintPlatform& platform);
    ~PrinterChoice() override;

    const PrintPlatform& platform() const { return m_platform; }
    // Null when no printer is installed.
    QPrinter* printer() const { return m_printer.get(); }
    // The device name of the current printer; empty when there is none.
    QString deviceName() const { return m_deviceName; }
    // Makes the installed printer of that device name current; false, with the current
    // printer kept, when no installed printer has the name.
    bool select(const QString& deviceName);

    std::optional<PrintableArea> printableArea() const override;

private:
    const PrintPlatform& m_platform;
    std::unique_ptr<QPrinter> m_printer;
    QString m_deviceName;
};

} // namespace quarrow
