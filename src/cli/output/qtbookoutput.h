#pragma once

#include "cli/quarrowbook.h"
#include "render/pepprint.h"

#include <memory>

namespace quarrow {

class PrintPlatform;

// What quarrow-book prints with: PDF files, and the system's printers through Qt's print
// support (CUPS on Linux), laid out for the printer's own page.
//
// Fonts need a Qt GUI application: when the program has none, one is made on the first
// print, on the "offscreen" platform unless QT_QPA_PLATFORM names another (on Windows, on
// the system's own platform, which shows no window either).
class QtBookOutput : public BookOutput
{
public:
    // Printers are those of `platform`, or the system's when there is none.
    explicit QtBookOutput(DateSource today = localToday, const PrintPlatform* platform = nullptr);
    ~QtBookOutput() override;

    // Each returns false when the renderer showed a message (each goes to `err` as a line;
    // the pages are still printed, as a printer would still have printed them).
    bool printPdf(ReportStore& store, const std::string& path,
                  const std::optional<PageRange>& pages, std::ostream& err) override;
    // A printer that is not installed, or "default" with no default printer, is refused with
    // the printers that are installed.
    bool printOn(ReportStore& store, const std::string& printer,
                 const std::optional<PageRange>& pages, std::ostream& err) override;

private:
    struct GuiApplication;

    void ensureGuiApplication();

    DateSource m_today;
    const PrintPlatform* m_platform;
    std::unique_ptr<GuiApplication> m_application;
};

} // namespace quarrow
