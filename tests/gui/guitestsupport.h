#pragma once

#include "main/dialogs.h"
#include "render/printplatform.h"
#include "testsupport.h"

#include <deque>
#include <functional>
#include <optional>
#include <QDialog>
#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

namespace quarrow::test {

// Answers the program's questions and file dialogs from a script and records every message
// box. A question or file dialog with no answer left fails the test.
class ScriptedDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    bool openFile(QWidget* parent, const QString& filter, FileDialogState& state) override;
    bool saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                  FileDialogState& state) override;

    QStringList messages;
    // "title: text" of every question asked.
    QStringList questions;
    std::deque<bool> answers;
    // The file each dialog returns; nothing stands for Cancel.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    // What each file dialog was shown with: "filter | file name".
    QStringList fileDialogs;
};

// Two printers that print into PDF files in a folder, and a list of fonts.
class FakePrintPlatform : public PrintPlatform
{
public:
    FakePrintPlatform(std::string folder, QStringList printerNames);

    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return names.value(0); }
    std::unique_ptr<QPrinter> openPrinter(const QString& name) const override;
    QStringList fontFamilies() const override { return fonts; }

    // The PDF file a printer's pages go to.
    std::string outputOf(const QString& name) const;

    QStringList names;
    QStringList fonts{QStringLiteral("DejaVu Sans"), QStringLiteral("Courier New"),
                      QStringLiteral("Lucida Console"), QStringLiteral("MS LineDraw")};

private:
    std::string m_folder;
};

// Acts on modal dialogs as they open, in order: each action gets the dialog once it is
// shown. A modal dialog that opens with no action left is rejected and recorded.
class ModalScript : public QObject
{
public:
    ModalScript();
    ~ModalScript() override;

    void then(const QString& objectName, std::function<void(QDialog&)> action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool done() const { return m_actions.empty(); }
    QStringList unexpected;
    QStringList shown;

private:
    std::deque<std::pair<QString, std::function<void(QDialog&)>>> m_actions;
};

// Clicks the child button of that object name.
void click(QWidget& window, const char* buttonName);

// The number of pages in a PDF file.
int pdfPageCount(const std::string& path);

} // namespace quarrow::test

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << (&text == &texts.back() ? "" : ", ");
    }
    *out << '}';
}
