#include "edit/windows/form2.h"

#include "edit/stationsearch.h"
#include "edit/windows/stationeditor.h"
#include "store/textops.h"
#include "windowkit/booktext.h"
#include "windowkit/desktop.h"
#include "windowkit/formcontrols.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quarrow {
Form2::Form2(Desktop& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Edit Station Details"));
    setFixedSize(twips(0, 0, 4800, 2775).size());
    addLabel(this, "Label1", QStringLiteral("Station:"), twips(120, 240, 1335, 255));
    m_combo4 = addEditableCombo(this, "Combo4", twips(1560, 240, 1935, 315));
    addLabel(this, "Label2", QStringLiteral("Roadway Type:"), twips(120, 780, 1335, 255));
    m_label4 = addLabel(this, "Label4", QString(), twips(1560, 780, 1095, 255));
    m_combo2 =
        addEditableCombo(this, "Combo2", twips(2760, 780, 1215, 315),
                         {fromBook(sideName(BookSide::Left)), fromBook(sideName(BookSide::Right))});
    addLabel(this, "Label3", QStringLiteral("Process:"), twips(120, 1320, 1335, 255));
    m_combo3 = addEditableCombo(this, "Combo3", twips(1560, 1320, 1215, 315),
                                {QStringLiteral("Add"), QStringLiteral("Edit")});
    auto* ok = addButton(this, "Command1_1", QStringLiteral("OK"), twips(840, 2040, 1095, 375));
    auto* cancel =
        addButton(this, "Command1_0", QStringLiteral("Cancel"), twips(2640, 2040, 1095, 375));
    m_combo2->setEditText(fromBook(sideName(BookSide::Left)));
    m_combo3->setEditText(QStringLiteral("Edit"));
    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(1); });
    ok->setDefault(true); // Enter in a box goes on
    connect(cancel, &QPushButton::clicked, this, [this] { Command1_Click(0); });
    takeBook();
}

void Form2::takeBook()
{
    QStringList stations;
    for (const std::string& station : m_program.store().StationItems)
        stations << fromBook(station);
    m_combo4->clear();
    m_combo4->addItems(stations);
    m_label4->setText(fromBook(m_program.store().RoadwayType));
    Label4_Change();
}

void Form2::Label4_Change()
{
    m_combo2->setVisible(!isUndivided(m_program.store()));
}

// Each time the dialog opens, typing goes to the station box, whichever control had the
// focus when it was last closed.
void Form2::mnuEdit_Click()
{
    m_combo4->setEditText(m_combo4->itemText(0));
    m_combo4->setFocus();
    exec();
}

void Form2::Command1_Click(int index)
{
    if (index == 0) {
        hide();
        return;
    }
    m_program.trap(" Program Error : ", " occured in command1_click(form2)",
                   [this] { openEditor(); });
    hide();
}

// Turns the display to the station's page and opens the editor on its block. A station
// that is not in the book (or not on the side chosen) opens no editor: an edit must never
// land on another station's block.
void Form2::openEditor()
{
    ReportStore& store = m_program.store();
    store.EditStation = std::string(trimBlanks(toBook(m_combo4->currentText())));
    QString process = m_combo3->currentText();
    if (process != QLatin1String("Edit") && process != QLatin1String("Add"))
        return;
    if (!isUndivided(store) && !isDivided(store))
        return;
    // The side shown changes only with a station found on it; a text that names no side
    // searches the right book, as the search does for any text other than "left".
    std::string shownSide = store.CurrentSide;
    if (isDivided(store))
        store.CurrentSide = sideName(
            sideNamed(trimBlanks(toBook(m_combo2->currentText()))).value_or(BookSide::Right));
    std::int16_t page = 0;
    if (!searchBook(store, store.EditStation, page, m_program.messenger())) {
        store.CurrentSide = shownSide;
        m_program.message(fromBook(notInBook(store.EditStation)), this);
        return;
    }
    store.CurrentPage = page;
    m_program.redrawPage();
    std::unique_ptr<StationEditor> editor;
    if (process == QLatin1String("Edit"))
        editor = std::make_unique<Form3>(m_program, this);
    else
        editor = std::make_unique<Form4>(m_program, this);
    editor->fill(page);
    editor->exec();
}

} // namespace quarrow
