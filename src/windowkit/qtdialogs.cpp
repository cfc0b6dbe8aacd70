#include "windowkit/qtdialogs.h"

#include "windowkit/formcontrols.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>

namespace quarrow {
namespace {

bool runFileDialog(QFileDialog& dialog, const QString& filter, FileDialogState& state)
{
    QStringList filters = qtFilters(filter);
    dialog.setNameFilters(filters);
    if (filters.contains(state.selectedFilter))
        dialog.selectNameFilter(state.selectedFilter);
    if (!state.fileName.isEmpty()) {
        // Windows' own dialog opens in the folder it is given, not in that of the file.
        dialog.setDirectory(QFileInfo(state.fileName).absolutePath());
        dialog.selectFile(state.fileName);
    } else if (!state.folder.isEmpty()) {
        dialog.setDirectory(state.folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    state.selectedFilter = dialog.selectedNameFilter();
    return true;
}

} // namespace

// Qt reads a filter's patterns from the parentheses that end it; a description that ends
// with its pattern already is taken as it is.
QStringList qtFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        filters << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + QLatin1Char(' ') + pattern);
    }
    return filters;
}

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, buttons, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(
            new QSpacerItem(titleWidth(*box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void QtDialogs::message(QWidget* parent, const QString& text)
{
    messageBox(parent, kProgramTitle, text, QMessageBox::Ok)->exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& title)
{
    return messageBox(parent, title, text, QMessageBox::Yes | QMessageBox::No)->exec() ==
           QMessageBox::Yes;
}

bool QtDialogs::openFile(QWidget* parent, const QString& filter, FileDialogState& state)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filter, state);
}

bool QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                         FileDialogState& state)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // The program asks about overwriting itself, with its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(dialog, filter, state);
}

} // namespace quarrow
