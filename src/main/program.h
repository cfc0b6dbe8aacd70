#pragma once

#include "main/dialogs.h"
#include "main/formcontrols.h"
#include "render/pepprint.h"
#include "render/printerchoice.h"
#include "store/messenger.h"
#include "store/reportstore.h"
#include "store/runerror.h"

#include <memory>

class QWidget;

namespace quarrow {

class Form1;
class Form2;
class PrintPlatform;
class Form5;
class Form6;
class frmPrint;
class frmStation;

// Texts of the book are Windows-1252; the windows show Unicode. File names are not book
// texts: the program holds them as UTF-8 (QString::toStdString, QString::fromStdString).
QString fromBook(std::string_view text);
std::string toBook(const QString& text);

// What every window of the desktop program shares: the book, the printer and report font,
// the dialogs, the page renderer, and the windows themselves, which are made when first
// used and live until they are unloaded, so that a hidden window keeps what it shows.
class Program
{
public:
    Program(Dialogs& dialogs, const PrintPlatform& platform, DateSource today = localToday);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ReportStore& store() { return m_store; }
    Dialogs& dialogs() { return m_dialogs; }
    // Shows the engine's messages in message boxes over the active window.
    Messenger& messenger() { return *m_messenger; }
    PrinterChoice& printer() { return m_printer; }
    PepPrint& renderer() { return m_renderer; }

    // A message box over `parent` (or the active window when null), or over the modal dialog
    // that takes the input while one is open.
    void message(const QString& text, QWidget* parent = nullptr);

    // Runs an event handler; a run-time failure inside it is shown as `head`, the failure's
    // description and `tail`, and ends the handler.
    template <typename Handler>
    void trap(const char* head, const char* tail, Handler&& handler)
    {
        try {
            handler();
        } catch (const RunError& error) {
            QString text =
                QString::fromLatin1(head) + fromBook(error.what()) + QString::fromLatin1(tail);
            if (!error.reason().empty())
                text += QLatin1Char('\n') + QString::fromStdString(error.reason());
            message(text);
        }
    }

    // The open-file dialog of File Browse keeps its last file and filter between uses. It
    // first opens in the folder of the file chosen last in an earlier run, kept for the user,
    // or else in the user's Documents folder: not where the program is installed.
    FileDialogState& openDialog() { return m_openDialog; }
    // Keeps the folder of a file chosen for the next run.
    void keepFolderOf(const QString& file);

    Form1& form1();
    Form2& form2();
    Form5& form5();
    Form6& form6();
    frmStation& station();
    frmPrint& printWindow();
    bool isPrintWindowLoaded() const;
    void unloadPrintWindow();
    void unloadForm5();

    // Puts the captions and lists of the dialogs in step with a book just built or read.
    void showNewBook();

    // Closes every window and ends the program.
    void endProgram();

private:
    ReportStore m_store;
    Dialogs& m_dialogs;
    std::unique_ptr<Messenger> m_messenger;
    PrinterChoice m_printer;
    PepPrint m_renderer;
    FileDialogState m_openDialog;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form5> m_form5;
    std::unique_ptr<Form6> m_form6;
    std::unique_ptr<frmStation> m_station;
    std::unique_ptr<frmPrint> m_printWindow;
};

} // namespace quarrow
