#include "render/output/printjob.h"

#include "render/output/printsystem.h"
#include "render/output/qtpaintersurface.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace quarrow {
namespace {

// Draws the job; false, with the job killed, when `progress` stopped it.
bool drawJob(QPrinter& printer, const ReportStore& store, PepPrint& renderer, Messenger& messenger,
             const std::optional<PageRange>& pages, const PrintProgress& progress)
{
    QPainter painter;
    if (!painter.begin(&printer))
        fail(errors::kPrinterError);
    QtPainterSurface surface(painter, SurfaceKind::Printer);
    BookPrinter job(store, renderer.renderer(), renderer.printerMetrics(), messenger, progress);
    if (!job.print(surface, pages)) {
        printsystem::abortDocument(printer);
        painter.end();
        // What a printer printing into a file (a spool file) drew of the job goes too.
        if (!printer.outputFileName().isEmpty())
            QFile::remove(printer.outputFileName());
        return false;
    }
    if (!printsystem::endDocument(painter))
        fail(errors::kPrinterError);
    return true;
}

} // namespace

bool printOnPrinter(QPrinter& printer, const ReportStore& store, PepPrint& renderer,
                    Messenger& messenger, const std::optional<PageRange>& pages,
                    const PrintProgress& progress)
{
    return printsystem::run(
        printer, [&] { return drawJob(printer, store, renderer, messenger, pages, progress); });
}

} // namespace quarrow
