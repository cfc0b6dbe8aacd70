#include "render/output/pdfoutput.h"

#include "render/output/qtpaintersurface.h"
#include "render/output/qtprintermetrics.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace quarrow {
namespace {

// US Letter less a quarter inch all round: 8 by 10.5 inches, 96 columns by 63 lines.
constexpr double kMarginInches = 0.25;

bool reportFailure(Messenger& messenger, const std::string& path, const QString& reason)
{
    messenger.show("Cannot write the PDF file " + path + ": " + reason.toStdString());
    return false;
}

} // namespace

QPageLayout referencePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                       QPageLayout::Inch);
}

bool printBookToPdf(const ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const std::optional<PageRange>& pages,
                    const PrintProgress& progress)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return reportFailure(messenger, path, file.errorString());
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Quarrow Print Book"));
    writer.setPageLayout(referencePageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return reportFailure(messenger, path, QStringLiteral("the PDF could not be started"));

    QtPainterSurface surface(painter, SurfaceKind::Printer);
    PageRenderer renderer(store, messenger, today);
    PageMetrics metrics{QtPrinterMetrics(&writer).printableArea().value_or(kReferencePage)};
    bool complete =
        BookPrinter(store, renderer, metrics, messenger, progress).print(surface, pages);
    painter.end();
    if (!complete) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return reportFailure(messenger, path, file.errorString());
    return true;
}

} // namespace quarrow
