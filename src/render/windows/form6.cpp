#include "render/windows/form6.h"

#include "desktop/booktext.h"
#include "desktop/desktop.h"
#include "desktop/formcontrols.h"

#include <QComboBox>
#include <QLabel>

namespace quarrow {
namespace {

void addHeading(QWidget* parent, const char* name, const QString& text, int left)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(twips(left, 360, 0, 0).topLeft());
    label->adjustSize();
}

} // namespace

Form6::Form6(Desktop& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Select Page Number"));
    setFixedSize(twips(0, 0, 4935, 1440).size());
    addHeading(this, "Label1", QStringLiteral("Page#"), 240);
    addHeading(this, "Label2", QStringLiteral("Start Station"), 1320);
    addHeading(this, "Label3", QStringLiteral("End Station"), 3000);
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twips(120, 720, 4575, 315));
    useFixedPitchFont(m_combo1);
    connect(m_combo1, &QComboBox::activated, this, &Form6::Combo1_Click);
    takeBook();
}

void Form6::takeBook()
{
    m_combo1->clear();
    QStringList items;
    for (const std::string& item : m_program.store().PageItems)
        items << fromBook(item);
    m_combo1->addItems(items);
    m_combo1->setCurrentIndex(items.isEmpty() ? -1 : 0);
}

QString Form6::pickPage()
{
    exec();
    return m_combo1->itemText(m_PickedPageIndex);
}

void Form6::Combo1_Click(int index)
{
    m_PickedPageIndex = index;
    accept();
}

} // namespace quarrow
