#include "render/qtbookoutput.h"

#include "render/bookprinter.h"
#include "render/printplatform.h"
#include "render/qtpaintersurface.h"
#include "render/qtprintermetrics.h"
#include "store/messenger.h"

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <array>
#include <atomic>
#include <ostream>

#ifdef QUARROW_WITH_CUPS
#include <cups/cups.h>
#endif

#ifdef Q_OS_WIN
#include <QtPrintSupport/private/qprintengine_win_p.h>
#endif

namespace quarrow {
namespace {

// US Letter less a quarter inch all round: 8 by 10.5 inches, 96 columns by 63 lines.
constexpr double kMarginInches = 0.25;

bool reportFailure(Messenger& messenger, const std::string& path, const QString& reason)
{
    messenger.show("Cannot write the PDF file " + path + ": " + reason.toStdString());
    return false;
}

// Why `printer` ("default" or a name) names no installed printer.
std::string missingPrinter(const PrintPlatform& platform, const std::string& printer)
{
    QStringList installed = platform.printerNames();
    if (installed.isEmpty())
        return "No printer is installed.";
    std::string list = installed.join(QStringLiteral(", ")).toStdString();
    if (printer == "default")
        return "No default printer is set. Installed printers: " + list + ".";
    return "No printer named \"" + printer + "\" is installed. Installed printers: " + list + ".";
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
    QtPrinterMetrics metrics(&writer);
    PepPrint renderer(store, messenger, metrics, today);
    bool complete = BookPrinter(store, renderer, messenger, progress).print(surface, pages);
    painter.end();
    if (!complete) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return reportFailure(messenger, path, file.errorString());
    return true;
}

namespace {

// Qt's print engine for Windows' own printers cannot abort a job: ending it would print the
// pages drawn so far. The job is withdrawn from the spooler first.
void abortJob(QPrinter& printer)
{
#ifdef Q_OS_WIN
    if (auto* engine = dynamic_cast<QWin32PrintEngine*>(printer.printEngine()))
        AbortDoc(engine->getDC());
#endif
    printer.abort();
}

#ifdef Q_OS_WIN
// Qt's Windows print engine tells that the system did not take the document (EndPage or
// EndDoc failing) only in a warning, which is watched for while the document ends.
std::atomic<bool> g_documentRefused = false;
QtMessageHandler g_otherHandler = nullptr;

void watchDocumentEnd(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("QWin32PrintEngine::end")))
        g_documentRefused = true;
    else if (g_otherHandler)
        g_otherHandler(type, context, text);
}
#endif

// Ends the document; false when the system did not take it.
bool endDocument(QPainter& painter)
{
#ifdef Q_OS_WIN
    g_documentRefused = false;
    g_otherHandler = qInstallMessageHandler(watchDocumentEnd);
    painter.end();
    qInstallMessageHandler(g_otherHandler);
    return !g_documentRefused;
#else
    return painter.end();
#endif
}

// Draws the job; false, with the job killed, when `progress` stopped it. Fails with "Printer
// error" when the job cannot start or the system does not take it at its end.
bool drawJob(QPrinter& printer, ReportStore& store, PepPrint& renderer, Messenger& messenger,
             const std::optional<PageRange>& pages, const PrintProgress& progress)
{
    QPainter painter;
    if (!painter.begin(&printer))
        fail(errors::kPrinterError);
    QtPainterSurface surface(painter, SurfaceKind::Printer);
    if (!BookPrinter(store, renderer, messenger, progress).print(surface, pages)) {
        abortJob(printer);
        painter.end();
        // What a printer printing into a file (a spool file) drew of the job goes too.
        if (!printer.outputFileName().isEmpty())
            QFile::remove(printer.outputFileName());
        return false;
    }
    if (!endDocument(painter))
        fail(errors::kPrinterError);
    return true;
}

#ifdef QUARROW_WITH_CUPS
// The printer prints into a file while this lives. Without the ".pdf" suffix the printer
// keeps its own engine and page.
class SpoolFile
{
public:
    SpoolFile(QPrinter& printer, const QTemporaryDir& folder)
        : m_printer(printer), m_name(folder.filePath(QStringLiteral("job")))
    {
        m_printer.setOutputFileName(m_name);
    }
    ~SpoolFile() { m_printer.setOutputFileName(QString()); }
    SpoolFile(const SpoolFile&) = delete;
    SpoolFile& operator=(const SpoolFile&) = delete;

    QByteArray name() const { return QFile::encodeName(m_name); }

private:
    QPrinter& m_printer;
    QString m_name;
};

// Qt's CUPS engine cannot abort a job: ending it sends what was drawn. So the job is drawn
// into a file for the printer and sent only once it is complete.
bool spoolAndSend(QPrinter& printer, ReportStore& store, PepPrint& renderer, Messenger& messenger,
                  const std::optional<PageRange>& pages, const PrintProgress& progress)
{
    QTemporaryDir folder;
    SpoolFile job(printer, folder);
    if (!drawJob(printer, store, renderer, messenger, pages, progress))
        return false;
    std::array<cups_option_t, 2> options{{
        {const_cast<char*>("media"), nullptr},
        {const_cast<char*>("sides"), const_cast<char*>("one-sided")},
    }};
    QByteArray media = printer.pageLayout().pageSize().key().toUtf8();
    options[0].value = media.data();
    // A queue's instance ("printer/instance") is an option set, not a queue of its own.
    QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    if (cupsPrintFile(queue.constData(), job.name().constData(), "Quarrow Print Book",
                      static_cast<int>(options.size()), options.data()) == 0)
        fail(errors::kPrinterError, cupsLastErrorString());
    return true;
}
#endif

} // namespace

bool printOnPrinter(QPrinter& printer, ReportStore& store, PepPrint& renderer, Messenger& messenger,
                    const std::optional<PageRange>& pages, const PrintProgress& progress)
{
#ifdef QUARROW_WITH_CUPS
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty())
        return spoolAndSend(printer, store, renderer, messenger, pages, progress);
#endif
    return drawJob(printer, store, renderer, messenger, pages, progress);
}

// QGuiApplication keeps references to its arguments, and takes out those it reads, for its
// whole life: each application gets arguments of its own. On Windows the system's own
// platform draws with the system's fonts and shows no window; Qt's offscreen platform there
// knows no fonts.
struct QtBookOutput::GuiApplication
{
#ifdef Q_OS_WIN
    int argc = 1;
#else
    int argc = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? 1 : 3;
#endif
    char* argv[4] = {g_programName, g_platformOption, g_offscreen, nullptr};
    QGuiApplication application{argc, argv};
};

QtBookOutput::QtBookOutput(DateSource today, const PrintPlatform* platform)
    : m_today(std::move(today)), m_platform(platform)
{}

QtBookOutput::~QtBookOutput() = default;

bool QtBookOutput::printPdf(ReportStore& store, const std::string& path,
                            const std::optional<PageRange>& pages, std::ostream& err)
{
    ensureGuiApplication();
    StreamMessenger messenger(err);
    return printBookToPdf(store, path, messenger, m_today, pages) && messenger.count() == 0;
}

bool QtBookOutput::printOn(ReportStore& store, const std::string& printer,
                           const std::optional<PageRange>& pages, std::ostream& err)
{
    ensureGuiApplication();
    QtPrintPlatform system;
    const PrintPlatform& platform = m_platform ? *m_platform : system;
    QString name =
        printer == "default" ? platform.defaultPrinterName() : QString::fromStdString(printer);
    std::unique_ptr<QPrinter> device = name.isEmpty() ? nullptr : platform.openPrinter(name);
    if (!device) {
        err << missingPrinter(platform, printer) << '\n';
        return false;
    }
    StreamMessenger messenger(err);
    QtPrinterMetrics metrics(device.get());
    PepPrint renderer(store, messenger, metrics, m_today);
    try {
        printOnPrinter(*device, store, renderer, messenger, pages);
    } catch (const RunError& error) {
        err << "Printing on " << name.toStdString() << " failed: " << error.what() << '\n';
        if (!error.reason().empty())
            err << error.reason() << '\n';
        return false;
    }
    return messenger.count() == 0;
}

void QtBookOutput::ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    m_application = std::make_unique<GuiApplication>();
}

} // namespace quarrow
