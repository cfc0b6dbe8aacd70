#include "cli/output/qtbookoutput.h"

#include "render/output/pdfoutput.h"
#include "render/output/printjob.h"
#include "render/output/printplatform.h"
#include "render/output/qtprintermetrics.h"

#include <QGuiApplication>
#include <QPrinter>

#include <ostream>

namespace quarrow {
namespace {

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

// Standard error carries the book's messages, one per line: Qt's own diagnostics about fonts
// and runtime folders would read as more of them.
std::unique_ptr<BookOutput> makeBookOutput()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return std::make_unique<QtBookOutput>();
}

} // namespace quarrow
