#pragma once

#include "render/bookprinter.h"
#include "render/pagerenderer.h"
#include "store/messenger.h"

#include <QPageLayout>

#include <optional>
#include <string>

namespace quarrow {

// The reference printable page: US Letter less a quarter inch all round, 8 by 10.5 inches,
// which is 96 columns by 63 lines.
QPageLayout referencePageLayout();

// Prints the book, or the pages chosen, into a PDF file on the reference page through the
// page renderer, exactly as the printer prints it: one PDF page per book page. A file
// already at `path` is replaced only once the new one is complete. Returns false, after
// telling the messenger, when the file could not be written; the renderer's own messages go
// to the messenger too; the book is only read. A job that `progress` stops writes nothing
// and says nothing, and also returns false. Needs a Qt GUI application.
bool printBookToPdf(const ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const std::optional<PageRange>& pages = {},
                    const PrintProgress& progress = {});

} // namespace quarrow
