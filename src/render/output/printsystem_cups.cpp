#include "render/drawingsurface.h"
#include "render/output/printsystem.h"
#include "store/runerror.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <array>
#include <cups/cups.h>

namespace quarrow::printsystem {
namespace {

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

} // namespace

// A printer of the system's is a CUPS queue. Qt's CUPS engine cannot abort a job: ending it
// sends what was drawn. So the job is drawn into a file for the printer and sent only once
// it is complete. A printer printing into a file of the program's prints as Qt prints.
bool run(QPrinter& printer, const std::function<bool()>& draw)
{
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return draw();
    QTemporaryDir folder;
    SpoolFile job(printer, folder);
    if (!draw())
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

void abortDocument(QPrinter& printer)
{
    printer.abort();
}

bool endDocument(QPainter& painter)
{
    return painter.end();
}

} // namespace quarrow::printsystem
