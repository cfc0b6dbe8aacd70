#include "main/reportsaving.h"

#include "main/program.h"

#include <QFileInfo>

namespace quarrow {

bool askReportFileName(Program& program, QWidget* parent)
{
    FileDialogState dialog;
    while (dialog.fileName.trimmed().isEmpty()) {
        dialog.fileName = QString::fromStdString(program.store().ReportFileName);
        if (!program.dialogs().saveFile(parent, QStringLiteral("Quarrow ReportFile(*.stk)|*.stk"),
                                        QStringLiteral("stk"), dialog))
            return false;
        QString name = dialog.fileName.trimmed();
        if (name.isEmpty() || !QFileInfo::exists(name))
            continue;
        if (!program.dialogs().question(parent,
                                        QStringLiteral("Do you want to overwrite file: ") + name,
                                        QStringLiteral("Overwrite report file")))
            dialog.fileName.clear();
    }
    program.store().ReportFileName = dialog.fileName.trimmed().toStdString();
    return true;
}

} // namespace quarrow
