#pragma once

#include "render/windows/printingdesktop.h"

#include <QPointer>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace quarrow {

class Form1;
class Form2;
class PrintPlatform;
class Form5;
class Form6;
class frmPrint;
class frmStation;

// The desktop program: the book, the printer and report font, the dialogs, the page renderer,
// and the windows themselves, which are made when first used and live until they are
// unloaded, so that a hidden window keeps what it shows.
class Program : public PrintingDesktop
{
public:
    Program(Dialogs& dialogs, const PrintPlatform& platform, DateSource today = localToday);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ReportStore& store() override { return m_store; }
    Dialogs& dialogs() override { return m_dialogs; }
    Messenger& messenger() override { return *m_messenger; }
    PrinterChoice& printer() override { return m_printer; }
    PepPrint& renderer() override { return m_renderer; }
    void message(const QString& text, QWidget* parent = nullptr) override;

    void redrawPage() override;
    void editStation() override;
    void goToStation(BookSide side) override;
    std::optional<PageRange> choosePages() override;
    QString pickPage() override;
    void unloadForm5() override;
    void unloadPrintWindow() override;

    // The open-file dialog of File Browse keeps its last file and filter between uses. It
    // first opens in the folder of the file chosen last in an earlier run, kept for the user,
    // or else, that folder gone, in the user's Documents folder or home folder: never where
    // the program is installed or started.
    FileDialogState& openDialog() override { return m_openDialog; }
    void keepFolderOf(const QString& file) override;

    Form1& form1();
    Form2& form2();
    Form5& form5();
    Form6& form6();
    frmStation& station();
    frmPrint& printWindow();
    bool isPrintWindowLoaded() const;

    void showNewBook() override;
    void showPrintWindow() override;
    void endProgram() override;

private:
    static QString startFolder();
    void runOver(QWidget& owner, QDialog& dialog, const std::function<void()>& run);

    ReportStore m_store;
    Dialogs& m_dialogs;
    std::unique_ptr<Messenger> m_messenger;
    PrinterChoice m_printer;
    PepPrint m_renderer;
    FileDialogState m_openDialog;
    // The dialogs are Qt children of the main window, which deletes them with it; the display
    // window has no parent and is deleted with the program.
    std::unique_ptr<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form5> m_form5;
    QPointer<Form6> m_form6;
    QPointer<frmStation> m_station;
    QPointer<frmPrint> m_printWindow;
};

} // namespace quarrow
