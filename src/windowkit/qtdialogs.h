#pragma once

#include "windowkit/dialogs.h"

#include <QMessageBox>

#include <memory>

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

// "Description|*.txt|..." as Qt's "Description (*.txt)"; a description that ends with its
// pattern in parentheses, "Description(*.txt)", stays as it is.
QStringList qtFilters(const QString& filter);

// An OK-only or Yes/No box without icon, wide enough for its title.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons);

} // namespace quarrow
