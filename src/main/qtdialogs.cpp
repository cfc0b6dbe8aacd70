#include "main/qtdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace quarrow {
namespace {

bool runFileDialog(QFileDialog& dialog, const QString& filter, FileDialogState& state)
{
    QStringList filters = qtFilters(filter);
    dialog.setNameFilters(filters);
    if (filters.contains(state.selectedFilter))
        dialog.selectNameFilter(state.selectedFilter);
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    state.selectedFilter = dialog.selectedNameFilter();
    return true;
}

} // namespace

QStringList qtFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters;
}

void QtDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::openFile(QWidget* parent, const QString& filter, FileDialogState& state)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filter, state);
}

bool QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                         FileDialogState& state)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // The program asks about overwriting itself, with its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(dialog, filter, state);
}

} // namespace quarrow
