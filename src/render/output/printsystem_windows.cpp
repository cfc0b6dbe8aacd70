#include "render/output/printsystem.h"

#include <QPainter>
#include <QPrinter>
#include <QtPrintSupport/private/qprintengine_win_p.h>

#include <atomic>

namespace quarrow::printsystem {
namespace {

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

} // namespace

bool run(QPrinter&, const std::function<bool()>& draw)
{
    return draw();
}

// Qt's print engine for Windows' own printers cannot abort a job: ending it would print the
// pages drawn so far. The job is withdrawn from the spooler first.
void abortDocument(QPrinter& printer)
{
    if (auto* engine = dynamic_cast<QWin32PrintEngine*>(printer.printEngine()))
        AbortDoc(engine->getDC());
    printer.abort();
}

bool endDocument(QPainter& painter)
{
    g_documentRefused = false;
    g_otherHandler = qInstallMessageHandler(watchDocumentEnd);
    painter.end();
    qInstallMessageHandler(g_otherHandler);
    return !g_documentRefused;
}

} // namespace quarrow::printsystem
