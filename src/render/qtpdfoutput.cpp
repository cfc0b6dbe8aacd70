#include "render/qtpdfoutput.h"

#include "render/bookprinter.h"
#include "render/qtpaintersurface.h"
#include "render/qtprintermetrics.h"
#include "store/messenger.h"

#include <ostream>
#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
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

char g_programName[] = "quarrow-book";
char g_platformOption[] = "-platform";
char g_offscreen[] = "offscreen";

} // namespace

QPageLayout referencePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                       QPageLayout::Inch);
}

bool printBookToPdf(ReportStore& store, const std::string& path, Messenger& messenger,
                    const DateSource& today, const PrintProgress& progress)
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
    QtPrinterMetrics metrics(&writer);
    PepPrint renderer(store, messenger, metrics, today);
    bool complete = BookPrinter(store, renderer, messenger, progress).printAll(surface);
    painter.end();
    if (!complete) {
        file.cancelWriting();
        return false;
    }

    if (!file.commit())
        return reportFailure(messenger, path, file.errorString());
    return true;
}

// QGuiApplication keeps references to its arguments, and takes out those it reads, for its
// whole life: each application gets arguments of its own.
struct QtPdfOutput::GuiApplication
{
    int argc = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? 1 : 3;
    char* argv[4] = {g_programName, g_platformOption, g_offscreen, nullptr};
    QGuiApplication application{argc, argv};
};

QtPdfOutput::QtPdfOutput(DateSource today) : m_today(std::move(today)) {}

QtPdfOutput::~QtPdfOutput() = default;

bool QtPdfOutput::print(ReportStore& store, const std::string& path, std::ostream& err)
{
    ensureGuiApplication();
    StreamMessenger messenger(err);
    return printBookToPdf(store, path, messenger, m_today) && messenger.count() == 0;
}

void QtPdfOutput::ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    m_application = std::make_unique<GuiApplication>();
}

} // namespace quarrow
