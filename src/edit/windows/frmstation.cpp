#include "edit/windows/frmstation.h"

#include "edit/stationsearch.h"
#include "windowkit/booktext.h"
#include "windowkit/desktop.h"
#include "windowkit/formcontrols.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quarrow {

frmStation::frmStation(Desktop& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("frmStation"));
    setWindowTitle(QStringLiteral("Find Station on the Page"));
    setFixedSize(twips(0, 0, 5295, 1785).size());
    addLabel(this, "Label1", QStringLiteral("Station :"), twips(120, 600, 855, 255));
    addLabel(this, "Label2", QStringLiteral("Page #"), twips(1800, 240, 1095, 255));
    addLabel(this, "Label3", QStringLiteral("Station"), twips(3720, 240, 1095, 255));
    m_combo1 = addEditableCombo(this, "Combo1", twips(1080, 600, 3975, 315));
    useFixedPitchFont(m_combo1);
    QPushButton* find =
        addButton(this, "Command1", QStringLiteral("Find"), twips(2040, 1200, 1095, 375));
    connect(find, &QPushButton::clicked, this, &frmStation::Command1_Click);
    find->setDefault(true); // Enter in the station box finds
    takeBook();
}

void frmStation::takeBook()
{
    QStringList items;
    for (const std::string& item : m_program.store().PageStationItems)
        items << fromBook(item);
    m_combo1->clear();
    m_combo1->addItems(items);
}

void frmStation::goToStation(BookSide side)
{
    if (side != BookSide::Undivided)
        m_program.store().CurrentSide = sideName(side);
    m_combo1->setEditText(m_combo1->itemText(0));
    // Shown again after a Find, the dialog would keep the focus on Find: typing goes to the
    // station box.
    m_combo1->setFocus();
    exec();
}

void frmStation::Command1_Click()
{
    m_program.trap(" Program Error : ", "", [this] { find(); });
}

// The page number of a list item is dropped: the station is found wherever it stands. A
// station typed alone is taken whole. One that is not in the book leaves the page as it is
// and the dialog open, so that it can be corrected.
void frmStation::find()
{
    QString text = m_combo1->currentText().trimmed();
    std::string station = toBook(text.mid(text.indexOf(QLatin1Char(' ')) + 1).trimmed());
    ReportStore& store = m_program.store();
    std::int16_t page = 0;
    if (!searchBook(store, station, page, m_program.messenger())) {
        m_program.message(fromBook(notInBook(station)), this);
        return;
    }
    store.CurrentPage = page;
    m_program.redrawPage();
    hide();
}

} // namespace quarrow
