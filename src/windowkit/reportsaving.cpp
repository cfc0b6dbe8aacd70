#include "windowkit/reportsaving.h"

#include "store/platformfile.h"
#include "windowkit/desktop.h"

#include <QFileInfo>

namespace quarrow {
namespace {

const QString kPdfSuffix = QStringLiteral(".pdf");
const QString kReportSuffix = QStringLiteral(".stk");

// What the save dialog offers and the question before a file is replaced.
struct SaveKind
{
    QString filter;
    QString defaultSuffix;
    QString overwriteTitle;
    // Given to every name chosen that does not end in it already.
    QString requiredSuffix;
};

QString withSuffix(const QString& name, const QString& suffix)
{
    return name.endsWith(suffix, Qt::CaseInsensitive) ? name : name + suffix;
}

// The dialog opens with `offered` each time, until the name chosen names no file or one the
// user agrees to overwrite.
std::optional<QString> askFileName(Desktop& program, QWidget* parent, const QString& offered,
                                   const SaveKind& kind)
{
    FileDialogState dialog;
    while (dialog.fileName.trimmed().isEmpty()) {
        dialog.fileName = offered;
        if (!program.dialogs().saveFile(parent, kind.filter, kind.defaultSuffix, dialog))
            return std::nullopt;
        if (dialog.fileName.trimmed().isEmpty())
            continue;
        dialog.fileName = withSuffix(dialog.fileName.trimmed(), kind.requiredSuffix);
        if (isLink(dialog.fileName.toStdString())) {
            program.message(dialog.fileName +
                                QStringLiteral(" is a link to another file. Choose a name of "
                                               "a file of its own."),
                            parent);
            dialog.fileName.clear();
            continue;
        }
        if (!QFileInfo::exists(dialog.fileName))
            break;
        if (!program.dialogs().question(
                parent, QStringLiteral("Do you want to overwrite file: ") + dialog.fileName,
                kind.overwriteTitle))
            dialog.fileName.clear();
    }
    return dialog.fileName;
}

} // namespace

bool askReportFileName(Desktop& program, QWidget* parent)
{
    static const SaveKind report{QStringLiteral("Quarrow ReportFile(*.stk)|*.stk"),
                                 QStringLiteral("stk"), QStringLiteral("Overwrite report file"),
                                 kReportSuffix};
    auto name = askFileName(program, parent, QString::fromStdString(program.store().ReportFileName),
                            report);
    if (!name)
        return false;
    program.store().ReportFileName = name->toStdString();
    return true;
}

std::optional<QString> askPdfFileName(Desktop& program, QWidget* parent)
{
    static const SaveKind pdf{QStringLiteral("PDF File(*.pdf)|*.pdf"), QStringLiteral("pdf"),
                              QStringLiteral("Overwrite PDF file"), kPdfSuffix};
    QString book = QString::fromStdString(program.store().ReportFileName);
    if (book.endsWith(kReportSuffix, Qt::CaseInsensitive))
        book.chop(4);
    return askFileName(program, parent, withSuffix(book, kPdfSuffix), pdf);
}

} // namespace quarrow
