#include "render/windows/frmsystem.h"

#include "render/output/printplatform.h"
#include "render/windows/printingdesktop.h"
#include "windowkit/booktext.h"
#include "windowkit/formcontrols.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quarrow {

frmSystem::frmSystem(PrintingDesktop& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("frmSystem"));
    setWindowTitle(QStringLiteral("Select Font and a Printer"));
    setFixedSize(twips(0, 0, 6150, 1440).size());
    addLabel(this, "Label1_0", QStringLiteral("Printer Name :"), twips(120, 240, 1485, 240),
             sansSerifFont(9.75, true));
    m_printers = addEditableCombo(this, "Combo1_0", twips(1680, 240, 4215, 300));
    addLabel(this, "Label1_1", QStringLiteral("Font Name :"), twips(120, 720, 1260, 240),
             sansSerifFont(9.75, true));
    m_fonts = addEditableCombo(this, "Combo1_1", twips(1680, 720, 4215, 300));
    m_cmdDone =
        addButton(this, "cmdDone", QStringLiteral("&Preview"), twips(2640, 1080, 1092, 312));
    // Below the client area: reachable by its key, out of sight.
    m_cmdCancel =
        addButton(this, "cmdCancel", QStringLiteral("&Cancel"), twips(0, 1440, 1092, 312));

    setTabOrder(m_printers, m_fonts);
    setTabOrder(m_fonts, m_cmdDone);
    setTabOrder(m_cmdDone, m_cmdCancel);
    // Keys typed into a combo box reach the box itself first, not its line edit.
    m_printers->installEventFilter(this);
    m_fonts->installEventFilter(this);
    connect(m_cmdDone, &QPushButton::clicked, this, &frmSystem::cmdDone_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmSystem::cmdCancel_Click);
    Form_Load();
}

void frmSystem::Form_Load()
{
    move(twips(450, 450, 0, 0).topLeft());
    listPrinters();
    listFonts();
}

void frmSystem::listPrinters()
{
    m_printers->addItems(m_program.printer().platform().printerNames());
    m_printers->setEditText(m_program.printer().deviceName());
}

// The fonts are offered in the platform's order; the second one found is preselected.
void frmSystem::listFonts()
{
    QStringList found;
    for (const QString& family : m_program.printer().platform().fontFamilies()) {
        if (reportFontNames().contains(family))
            found << family;
    }
    m_fonts->addItems(found);
    m_fonts->setEditText(found.size() >= 2 ? found[1] : QString());
}

void frmSystem::cmdDone_Click()
{
    m_program.trap(" Program Error: ", " frmSystem(cmdDone)", [this] {
        ReportStore& store = m_program.store();
        PrinterChoice& printer = m_program.printer();
        // A typed name that no installed printer has is not taken: the name printing reports
        // must be that of the printer that prints.
        printer.select(m_printers->currentText());
        store.PrinterName = toBook(printer.deviceName());
        store.ReportFontName = toBook(m_fonts->currentText());
    });
    accept();
}

void frmSystem::cmdCancel_Click()
{
    reject();
}

namespace {

// The keys that count as a key press in the boxes: those that type or edit (letters, digits,
// Enter, Backspace, Escape), not Shift, Tab or the arrows.
bool isTypingKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        return true;
    default:
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
}

} // namespace

// A key pressed in a box moves on to the next control once the box has taken it.
bool frmSystem::eventFilter(QObject* watched, QEvent* event)
{
    bool box = watched == m_printers || watched == m_fonts;
    if (box && event->type() == QEvent::KeyPress && isTypingKey(*static_cast<QKeyEvent*>(event))) {
        QWidget* next = watched == m_printers ? static_cast<QWidget*>(m_fonts)
                                              : static_cast<QWidget*>(m_cmdDone);
        QTimer::singleShot(0, next, [next] { next->setFocus(); });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quarrow
