#pragma once

#include "main/dialogs.h"

namespace quarrow {

// The desktop program's dialogs: QMessageBox and QFileDialog.
class QtDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    bool openFile(QWidget* parent, const QString& filter, FileDialogState& state) override;
    bool saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                  FileDialogState& state) override;
};

// "Description(*.txt)|*.txt|..." as Qt's "Description(*.txt) (*.txt);;..."
QStringList qtFilters(const QString& filter);

} // namespace quarrow
