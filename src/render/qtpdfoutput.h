#pragma once

#include "cli/quarrowbook.h"
#include "render/bookprinter.h"
#include "render/pepprint.h"
#include "store/messenger.h"

#include <memory>
#include <QPageLayout>

namespace quarrow {

// The reference printable page: US Letter less a quarter inch all round, 8 by 10.5 inches,
// which is 96 columns by 63 lines.
QPageLayout referencePageLayout();

// Prints the whole book into a PDF file on the reference page through the page renderer,
// exactly as the printer prints it: one PDF page per book page, the undivided book or the
// left pages and then the right pages. A file already at `path` is replaced only once the
// new one is complete. Returns false, after telling the messenger, when the file could not
// be written; the renderer's own messages go to the messenger too. Printing leaves
// CurrentPage (and CurrentSide) at the last page printed. A job that `progress` stops
// writes nothing and says nothing, and also returns false. Needs a Qt GUI application.
bool printBookToPdf(ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const PrintProgress& progress = {});

// Prints a whole book into a PDF file through the page renderer, exactly as the printer
// prints it: one PDF page per book page (the undivided book, or the left pages and then the
// right pages) on US Letter with a printable area of 8 by 10.5 inches. Texts stay text.
//
// Fonts need a Qt GUI application: when the program has none, one is made on the first
// print, on the "offscreen" platform unless QT_QPA_PLATFORM names another.
class QtPdfOutput : public PdfOutput
{
public:
    explicit QtPdfOutput(DateSource today = localToday);
    ~QtPdfOutput() override;

    // Writes the file whole or not at all: a file already at `path` is replaced only once
    // the new one is complete. Returns false, after telling `err`, when the file could not
    // be written or the renderer showed a message (each message goes to `err` as a line;
    // the file is still written, as a printer would still have printed the pages).
    bool print(ReportStore& store, const std::string& path, std::ostream& err) override;

private:
    struct GuiApplication;

    void ensureGuiApplication();

    DateSource m_today;
    std::unique_ptr<GuiApplication> m_application;
};

} // namespace quarrow
