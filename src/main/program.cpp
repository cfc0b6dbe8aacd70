#include "main/program.h"

#include "edit/form2.h"
#include "edit/frmstation.h"
#include "main/form1.h"
#include "render/form5.h"
#include "render/form6.h"
#include "render/frmprint.h"
#include "store/codepage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
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

QString fromBook(std::string_view text)
{
    return QString::fromStdString(utf8FromWindows1252(text));
}

std::string toBook(const QString& text)
{
    return windows1252FromUtf8(text.toStdString());
}

Program::Program(Dialogs& dialogs, const PrintPlatform& platform, DateSource today)
    : m_dialogs(dialogs), m_messenger(std::make_unique<DialogMessenger>(*this)),
      m_printer(platform), m_renderer(m_store, *m_messenger, m_printer, std::move(today))
{
    m_openDialog.folder =
        QSettings()
            .value(kLastFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .toString();
    // The edit, print and find dialogs are made hidden at start: a book fills their lists
    // before the user first opens them.
    form2();
    form5();
    station();
}

Program::~Program() = default;

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
        m_form2 = std::make_unique<Form2>(*this);
    return *m_form2;
}

Form5& Program::form5()
{
    if (!m_form5)
        m_form5 = std::make_unique<Form5>(*this);
    return *m_form5;
}

void Program::unloadForm5()
{
    if (m_form5)
        m_form5.release()->deleteLater();
}

Form6& Program::form6()
{
    if (!m_form6)
        m_form6 = std::make_unique<Form6>(*this);
    return *m_form6;
}

frmStation& Program::station()
{
    if (!m_station)
        m_station = std::make_unique<frmStation>(*this);
    return *m_station;
}

frmPrint& Program::printWindow()
{
    if (!m_printWindow)
        m_printWindow = std::make_unique<frmPrint>(*this);
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
    m_printWindow.release()->deleteLater();
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
