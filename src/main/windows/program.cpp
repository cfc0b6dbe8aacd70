#include "main/windows/program.h"

#include "edit/windows/form2.h"
#include "edit/windows/frmstation.h"
#include "main/windows/form1.h"
#include "render/windows/form5.h"
#include "render/windows/form6.h"
#include "render/windows/frmprint.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>

namespace quarrow {
namespace {

const QString kLastFolder = QStringLiteral("lastFolder");

class DialogMessenger : public Messenger
{
public:
    explicit DialogMessenger(Program& program) : m_program(program) {}
    void show(const std::string& text) override { m_program.message(QString::fromStdString(text)); }

private:
    Program& m_program;
};

} // namespace

Program::Program(Dialogs& dialogs, const PrintPlatform& platform, DateSource today)
    : m_dialogs(dialogs), m_messenger(std::make_unique<DialogMessenger>(*this)),
      m_printer(platform), m_renderer(m_store, *m_messenger, m_printer, std::move(today))
{
    m_openDialog.folder = startFolder();
    // The edit, print and find dialogs are made hidden at start, over the main window: a book
    // fills their lists before the user first opens them.
    form1();
    form2();
    form5();
    station();
}

Program::~Program()
{
    delete m_printWindow;
}

// The folder of the file chosen last, while it is there; else Documents, else the home folder.
QString Program::startFolder()
{
    const QString candidates[] = {
        QSettings().value(kLastFolder).toString(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

void Program::keepFolderOf(const QString& file)
{
    QSettings().setValue(kLastFolder, QFileInfo(file).absolutePath());
}

// A modal dialog takes the program's input: a message opens over it, so that the user can
// answer it, rather than under a print job's progress.
void Program::message(const QString& text, QWidget* parent)
{
    QWidget* modal = QApplication::activeModalWidget();
    m_dialogs.message(modal ? modal : parent ? parent : QApplication::activeWindow(), text);
}

Form1& Program::form1()
{
    if (!m_form1)
        m_form1 = std::make_unique<Form1>(*this);
    return *m_form1;
}

Form2& Program::form2()
{
    if (!m_form2)
        m_form2 = new Form2(*this, &form1());
    return *m_form2;
}

Form5& Program::form5()
{
    if (!m_form5)
        m_form5 = new Form5(*this, &form1());
    return *m_form5;
}

void Program::unloadForm5()
{
    if (m_form5)
        m_form5->deleteLater();
    m_form5 = nullptr;
}

Form6& Program::form6()
{
    if (!m_form6)
        m_form6 = new Form6(*this, &form1());
    return *m_form6;
}

frmStation& Program::station()
{
    if (!m_station)
        m_station = new frmStation(*this, &form1());
    return *m_station;
}

frmPrint& Program::printWindow()
{
    if (!m_printWindow)
        m_printWindow = new frmPrint(*this);
    return *m_printWindow;
}

bool Program::isPrintWindowLoaded() const
{
    return m_printWindow != nullptr;
}

// The window may be unloading itself from one of its own menu commands: Qt deletes it once
// that command has returned.
void Program::unloadPrintWindow()
{
    if (!m_printWindow)
        return;
    m_printWindow->hide();
    m_printWindow->deleteLater();
    m_printWindow = nullptr;
}

void Program::showPrintWindow()
{
    printWindow().redraw();
    printWindow().Preview();
}

void Program::redrawPage()
{
    printWindow().redraw();
}

void Program::editStation()
{
    runOver(printWindow(), form2(), [this] { form2().mnuEdit_Click(); });
}

void Program::goToStation(BookSide side)
{
    runOver(printWindow(), station(), [&] { station().goToStation(side); });
}

std::optional<PageRange> Program::choosePages()
{
    std::optional<PageRange> pages;
    runOver(printWindow(), form5(), [&] { pages = form5().choosePages(); });
    return pages;
}

// A dialog opens over the window it was opened from, centred on it, and gives the focus back
// to it when it closes; between uses it belongs to the main window, which made it and
// outlives the others.
void Program::runOver(QWidget& owner, QDialog& dialog, const std::function<void()>& run)
{
    QPointer<QDialog> kept(&dialog);
    dialog.setParent(&owner, dialog.windowFlags());
    run();
    if (kept)
        kept->setParent(&form1(), kept->windowFlags());
}

QString Program::pickPage()
{
    QString page;
    runOver(form5(), form6(), [&] { page = form6().pickPage(); });
    return page;
}

void Program::showNewBook()
{
    form2().takeBook();
    form5().takeBook();
    form6().takeBook();
    station().takeBook();
}

void Program::endProgram()
{
    unloadPrintWindow();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::quit();
}

} // namespace quarrow
