#pragma once

#include "cli/quarrowbook.h"
#include "render/bookprinter.h"
#include "render/pepprint.h"
#include "store/messenger.h"

#include <QPageLayout>

#include <memory>
#include <optional>

class QPrinter;

namespace quarrow {

class PrintPlatform;

// The reference printable page: US Letter less a quarter inch all round, 8 by 10.5 inches,
// which is 96 columns by 63 lines.
QPageLayout referencePageLayout();

// Prints the book, or the pages chosen, into a PDF file on the reference page through the
// page renderer, exactly as the printer prints it: one PDF page per book page. A file
// already at `path` is replaced only once the new one is complete. Returns false, after
// telling the messenger, when the file could not be written; the renderer's own messages go
// to the messenger too. Printing leaves CurrentPage (and CurrentSide) at the last page
// printed. A job that `progress` stops writes nothing and says nothing, and also returns
// false. Needs a Qt GUI application.
bool printBookToPdf(ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const std::optional<PageRange>& pages = {},
                    const PrintProgress& progress = {});

// Prints the book, or the pages chosen, on `printer` as one job through `renderer`, which
// lays the pages out for that printer. Fails with "Printer error" (RunError) when the job
// cannot start or the system does not take it at its end. A job that `progress` stops is killed:
// nothing of it is printed, a file it was printing into is removed, and false is returned.
bool printOnPrinter(QPrinter& printer, ReportStore& store, PepPrint& renderer, Messenger& messenger,
                    const std::optional<PageRange>& pages, const PrintProgress& progress = {});

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
