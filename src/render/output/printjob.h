#pragma once

#include "render/bookprinter.h"
#include "render/pepprint.h"
#include "store/messenger.h"

#include <optional>

class QPrinter;

namespace quarrow {

// Prints the book, or the pages chosen, on `printer` as one job through `renderer`, which
// lays the pages out for that printer; the book is only read. Fails with "Printer error" (RunError)
// when the job cannot start or the system does not take it at its end. A job that `progress` stops
// is killed: nothing of it is printed, a file it was printing into is removed, and false is
// returned.
bool printOnPrinter(QPrinter& printer, const ReportStore& store, PepPrint& renderer,
                    Messenger& messenger, const std::optional<PageRange>& pages,
                    const PrintProgress& progress = {});

} // namespace quarrow
