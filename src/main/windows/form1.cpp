#include "main/windows/form1.h"

#include "about/windows/frmabout.h"
#include "main/inputdriver.h"
#include "render/pagelayout.h"
#include "render/windows/frmsystem.h"
#include "render/windows/printingdesktop.h"
#include "store/bookpages.h"
#include "store/reportfile.h"
#include "windowkit/booktext.h"
#include "windowkit/formcontrols.h"
#include "windowkit/reportsaving.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quarrow {
namespace {

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Form1::Form1(PrintingDesktop& program) : m_program(program)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());
    setFixedSize(twips(0, 0, 7380, 3285).size());

    m_label1 = addLabel(this, "Label1", QStringLiteral("PRINT QUARROW BOOK"),
                        twips(0, 0, 7335, 495), sansSerifFont(13.5, true));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label2 = addLabel(this, "Label2", QStringLiteral("Project Number:"),
                        twips(120, 720, 1932, 372), sansSerifFont(9.75, true));
    m_txtProjectNumber = addLineEdit(this, "txtProjectNumber", twips(3000, 720, 4335, 285));
    m_txtProjectNumber->setMaxLength(layout::kProjectNumberChars);
    m_label3Control = addLabel(this, "Label3_0", QStringLiteral("Control Number:"),
                               twips(120, 1320, 1932, 252), sansSerifFont(9.75, true));
    m_txtControlNumber = addLineEdit(this, "txtControlNumber", twips(3000, 1320, 4335, 285));
    m_txtControlNumber->setMaxLength(layout::kControlNumberChars);
    m_label3File = addLabel(this, "Label3_1", QStringLiteral("FILE NAME:"),
                            twips(120, 2040, 1575, 255), sansSerifFont(9.75, true));
    m_lblFilename = new QLabel(this);
    m_lblFilename->setObjectName(QStringLiteral("lblFilename"));
    m_lblFilename->move(twips(2040, 2040, 0, 0).topLeft());
    m_cmdBrowse =
        addButton(this, "cmdBrowse", QStringLiteral("File Browse"), twips(6000, 2040, 1215, 375));
    m_command1 = addButton(this, "Command1", QStringLiteral("About"), twips(1920, 2760, 1212, 372));
    m_cmdPreview =
        addButton(this, "cmdPreview", QStringLiteral("Preview"), twips(3960, 2760, 1215, 375));
    m_cmdClose = addButton(this, "cmdClose", QStringLiteral("Close"), twips(6000, 2760, 1215, 375));

    setTabOrder(m_txtProjectNumber, m_txtControlNumber);
    setTabOrder(m_txtControlNumber, m_cmdBrowse);
    setTabOrder(m_cmdBrowse, m_cmdClose);
    setTabOrder(m_cmdClose, m_cmdPreview);
    setTabOrder(m_cmdPreview, m_command1);
    m_txtProjectNumber->installEventFilter(this);
    m_txtControlNumber->installEventFilter(this);

    connect(m_cmdBrowse, &QPushButton::clicked, this, &Form1::cmdBrowse_Click);
    connect(m_cmdPreview, &QPushButton::clicked, this, &Form1::cmdPreview_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &Form1::cmdClose_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    m_txtProjectNumber->setFocus();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtProjectNumber) {
        if (isEnter(event))
            m_txtControlNumber->setFocus();
        else if (event->type() == QEvent::FocusOut)
            txtProjectNumber_LostFocus();
    } else if (watched == m_txtControlNumber) {
        if (isEnter(event))
            m_cmdBrowse->setFocus();
        else if (event->type() == QEvent::FocusOut)
            txtControlNumber_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::txtProjectNumber_LostFocus()
{
    m_program.store().ProjectNumber = toBook(m_txtProjectNumber->text());
}

void Form1::txtControlNumber_LostFocus()
{
    m_program.store().ControlNumber = toBook(m_txtControlNumber->text());
}

// A long path is shown shortened in its middle, so that it stops short of File Browse; the
// tooltip holds it whole.
void Form1::setFileName(const QString& name)
{
    m_fileName = name;
    int room = m_cmdBrowse->x() - m_lblFilename->x() - twips(120, 0, 0, 0).x();
    m_lblFilename->setText(m_lblFilename->fontMetrics().elidedText(name, Qt::ElideMiddle, room));
    m_lblFilename->setToolTip(name);
    m_lblFilename->adjustSize();
}

bool Form1::checkNumbers()
{
    const ReportStore& store = m_program.store();
    if (store.ProjectNumber.empty()) {
        m_program.message(QStringLiteral("Please Enter Project Number"), this);
        return false;
    }
    if (store.ControlNumber.empty()) {
        m_program.message(QStringLiteral("Please Enter Control Number"), this);
        return false;
    }
    return true;
}

// A book built and not saved since is offered for saving before it is replaced.
bool Form1::isSaveDue() const
{
    const ReportStore& store = m_program.store();
    return store.ReportState == kReportNotSaved && store.InputError == 0 &&
           !m_fileName.trimmed().isEmpty();
}

// False when the user said Yes to saving and the book was not saved, the file dialog
// cancelled or the file not written: it is then kept, with its corrections, for the user to
// save or let go.
bool Form1::runSavePrompt()
{
    const QString title = QStringLiteral("Saving Report File");
    Dialogs& dialogs = m_program.dialogs();
    ReportStore& store = m_program.store();
    if (!dialogs.question(this, QStringLiteral(" Do you want to save report file ?"), title) &&
        !dialogs.question(this,
                          QStringLiteral("You are going to lose all corrections to your report. "
                                         "Do you want to save the file ?"),
                          title)) {
        store.UnsavedCorrections = false; // the user chose to let them go
        return true;
    }
    if (!askReportFileName(m_program, this))
        return false;
    if (!writeReport(store, m_program.messenger()))
        return false;
    store.UnsavedCorrections = false;
    return true;
}

void Form1::cmdBrowse_Click()
{
    m_program.trap("Program Error : ", " occured in cmdBrowse_click", [this] { browse(); });
}

void Form1::browse()
{
    if (!checkNumbers())
        return;
    if (isSaveDue())
        runSavePrompt();
    FileDialogState& dialog = m_program.openDialog();
    if (m_program.dialogs().openFile(this,
                                     QStringLiteral("Geopak RAW Data File(*.txt)|*.txt|"
                                                    "Comma Seperated Values File(*.csv)|*.csv|"
                                                    "Quarrow Report File(*.stk)|*.stk"),
                                     dialog))
        m_program.keepFolderOf(dialog.fileName);
    QString name = dialog.fileName.trimmed();
    m_program.store().InputFileName = name.toStdString();
    setFileName(name);
}

void Form1::chooseFile(const QString& name)
{
    QFileInfo file(name);
    if (!file.isFile()) {
        m_program.message(
            name +
                QStringLiteral("\nFile not found.\nPlease verify the correct file name was given."),
            this);
        return;
    }
    FileDialogState& dialog = m_program.openDialog();
    dialog.fileName = QDir::toNativeSeparators(file.absoluteFilePath());
    m_program.keepFolderOf(dialog.fileName);
    m_program.store().InputFileName = dialog.fileName.toStdString();
    setFileName(dialog.fileName);
}

void Form1::cmdPreview_Click()
{
    m_program.trap(" Error : ", " occured in cmdPreview_click", [this] { preview(); });
}

// A book holding corrections is offered for saving before another replaces it; when it
// cannot be saved, it stays.
void Form1::preview()
{
    if (m_program.store().UnsavedCorrections && !runSavePrompt())
        return;
    resetCounters(m_program.store());
    if (openBook())
        m_program.showPrintWindow();
    else
        m_program.unloadPrintWindow(); // the book it showed is gone: it must not be paged or saved
}

// Opens the book of the file chosen; false, with the user told why, when there is none. The
// windows' lists take the new book, or the emptied one when it could not be read, so that no
// window offers the stations of a book that is gone.
bool Form1::openBook()
{
    if (!checkNumbers())
        return false;
    ReportStore& store = m_program.store();
    bool opened = false;
    {
        WaitCursor building;
        opened =
            quarrow::openBook(store, m_fileName.trimmed().toStdString(), m_program.messenger());
    }
    m_program.showNewBook();
    if (!opened)
        return false;
    frmSystem(m_program, this).exec();
    store.ReportState = kReportNotSaved;
    return true;
}

// A book that the user wanted saved and that was not keeps the program open, so that it can
// be saved elsewhere.
void Form1::cmdClose_Click()
{
    bool saved = true;
    m_program.trap("Program Error :", " occured in cmdClose_click", [&] {
        if (m_program.store().ReportState == kReportNotSaved)
            saved = runSavePrompt();
    });
    if (!saved)
        return;
    QCoreApplication::processEvents();
    m_ending = true;
    m_program.endProgram();
}

void Form1::Command1_Click()
{
    m_program.trap("Program Error : ", " occured in command1_click",
                   [this] { frmAbout(m_program, this).exec(); });
}

// Closing the window by its frame is Close, save prompt included.
void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_ending)
        cmdClose_Click();
    event->setAccepted(m_ending);
}

} // namespace quarrow
