#pragma once

#include "main/windows/form1.h"
#include "main/windows/program.h"
#include "render/output/printplatform.h"
#include "render/windows/frmprint.h"
#include "testsupport.h"
#include "windowkit/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace quarrow::test {

// Answers the program's questions and file dialogs from a script and records every message.
// A question or file dialog with no answer left fails the test, and so does a message that
// would open under the modal dialog that takes the input.
class ScriptedDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    bool openFile(QWidget* parent, const QString& filter, FileDialogState& state) override;
    bool saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                  FileDialogState& state) override;

    QStringList messages;
    QStringList messageParents; // the object name of the window each message stood over
    QStringList questions;      // "title: text" of each
    std::deque<bool> answers;
    // The file each dialog returns; nothing stands for Cancel.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QStringList fileDialogs;     // "filter | file name" each was shown with
    bool realMessages = false;   // messages are also shown in the program's own message boxes
    bool realOpenDialog = false; // files are opened through the program's own file dialog

private:
    std::optional<QString> nextFile(std::deque<std::optional<QString>>& answers,
                                    const QString& filter, FileDialogState& state);
};

// Printers that print into PDF files in a folder, on US Letter ("Plotter" on A4), and a list
// of fonts.
class FakePrintPlatform : public PrintPlatform
{
public:
    FakePrintPlatform(std::string folder, QStringList printerNames)
        : names(std::move(printerNames)), m_folder(std::move(folder))
    {}

    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return defaultName; }
    std::unique_ptr<QPrinter> openPrinter(const QString& name) const override;
    QStringList fontFamilies() const override { return fonts; }

    // The PDF file a printer's pages go to.
    std::string outputOf(const QString& name) const
    {
        return m_folder + "/" + name.toStdString() + ".pdf";
    }

    QStringList names;
    QString defaultName = names.value(0);
    QStringList fonts{QStringLiteral("DejaVu Sans"), QStringLiteral("Courier New"),
                      QStringLiteral("Lucida Console"), QStringLiteral("MS LineDraw")};

private:
    std::string m_folder;
};

// Acts on modal dialogs as they open, in order. A modal dialog that opens with no action
// left, or another than the next action's, is rejected and recorded; a print job's progress
// dialog is left alone unless it is the next action's.
class ModalScript : public QObject
{
public:
    ModalScript() { qApp->installEventFilter(this); }
    ~ModalScript() override { qApp->removeEventFilter(this); }

    void then(const QString& objectName, std::function<void(QDialog&)> action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool done() const { return m_actions.empty(); }
    QStringList unexpected;
    QStringList shown;

private:
    std::deque<std::pair<QString, std::function<void(QDialog&)>>> m_actions;
};

// A desktop program with scripted dialogs, on a fixed date, with two PDF-file printers or
// with the printers of `system`.
class DesktopTest : public testing::Test
{
protected:
    explicit DesktopTest(QStringList printers = {QStringLiteral("Office LaserJet"),
                                                 QStringLiteral("Plotter")},
                         const PrintPlatform* system = nullptr);
    ~DesktopTest() override;

    Form1& form1() { return program.form1(); }
    frmPrint& printWindow() { return program.printWindow(); }

    // Types into a box of the main window and leaves it, as the user does.
    void type(const char* boxName, const QString& text);
    // File Browse, choosing `path` in the open-file dialog. A book shown and not saved is let
    // go, the save prompt answered No twice, unless the test has scripted the answers.
    void browse(const std::string& path);
    // Preview, pressing "&Preview" in the font and printer dialog when it opens, or acting on
    // it as `fontAndPrinter` does.
    void preview(std::function<void(QDialog&)> fontAndPrinter = {});
    // Numbers, File Browse and Preview of a file.
    void open(const std::string& path, std::function<void(QDialog&)> fontAndPrinter = {});
    // The page shown: its number from 0, after the side of a divided book.
    std::string shown() const;

    TempDir dir;
    ScriptedDialogs dialogs;
    QStringList openFilters; // the filter each of the program's own open-file dialogs opened with
    FakePrintPlatform platform;
    ModalScript modals;
    Program program;
    ReportStore& store;
};

template <typename T = QWidget>
T& child(QWidget& window, const char* name)
{
    auto* widget = window.findChild<T*>(QLatin1String(name));
    if (!widget)
        throw std::runtime_error(std::string("no control ") + name);
    return *widget;
}

inline void click(QWidget& window, const char* buttonName)
{
    child<QPushButton>(window, buttonName).click();
}

inline void setText(QWidget& window, const char* boxName, const QString& text)
{
    child<QLineEdit>(window, boxName).setText(text);
}

} // namespace quarrow::test

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
