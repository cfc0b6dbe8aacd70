#include "render/output/pdfoutput.h"

#include "render/output/qtpaintersurface.h"
#include "render/output/qtprintermetrics.h"

#include "store/codepage.h"
#include "store/runerror.h"
#include "store/textfile.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace quarrow {
namespace {

// US Letter less a quarter inch all round: 8 by 10.5 inches, 96 columns by 63 lines.
constexpr double kMarginInches = 0.25;

bool reportFailure(Messenger& messenger, const std::string& path, const std::string& reason)
{
    messenger.show("Cannot write the PDF file " + path + ": " + reason);
    return false;
}

// What the page headers say the book is: its project, control and roadway.
QString bookTitle(const ReportStore& store)
{
    const BookPage& first = (isDivided(store) ? store.LeftPages : store.UndividedPages).read(0);
    std::string title = "Project No: " + store.ProjectNumber +
                        ", Control Number: " + store.ControlNumber +
                        ", Roadway Name: " + first.RoadwayName;
    return QString::fromStdString(utf8FromWindows1252(title));
}

// False when the job was stopped.
bool drawBook(QIODevice& pdf, const ReportStore& store, Messenger& messenger,
              const DateSource& today, const std::optional<PageRange>& pages,
              const PrintProgress& progress)
{
    QPdfWriter writer(&pdf);
    writer.setCreator(QStringLiteral("Quarrow Print Book"));
    writer.setTitle(bookTitle(store));
    writer.setPageLayout(referencePageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        fail(errors::kFileAccess, "The PDF could not be started.");
    QtPainterSurface surface(painter, SurfaceKind::Printer);
    PageRenderer renderer(store, messenger, today);
    PageMetrics metrics{QtPrinterMetrics(&writer).printableArea().value_or(kReferencePage)};
    bool complete =
        BookPrinter(store, renderer, metrics, messenger, progress).print(surface, pages);
    painter.end();
    return complete;
}

} // namespace

QPageLayout referencePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                       QPageLayout::Inch);
}

// The PDF is drawn in memory and written through the program's own file writer, which
// checks every byte to the last one reached the disk before it replaces the file: a write
// that fails at the end is reported, and the old file stays. The name is used as given, so
// that a name in any encoding names the file the user meant.
bool printBookToPdf(const ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const std::optional<PageRange>& pages,
                    const PrintProgress& progress)
{
    try {
        SafeFileWriter file(path);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!drawBook(pdf, store, messenger, today, pages, progress))
            return false;
        file.write(std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.size())));
        file.commit();
        return true;
    } catch (const RunError& error) {
        return reportFailure(messenger, path, withReason(error.what(), error));
    }
}

} // namespace quarrow
