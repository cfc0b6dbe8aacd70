#include "render/windows/form6.h"

#include "render/windows/printingdesktop.h"
#include "windowkit/booktext.h"
#include "windowkit/formcontrols.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace quarrow {
namespace {

// An item holds three columns, page number, first and last station, each right-aligned in
// 15 characters.
constexpr int kColumnChars = 15;
constexpr int kColumns = 3;

QRect textField(const QComboBox& combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                         &combo);
}

// The list's fixed-pitch font is made small enough for a whole item to show.
void fitItems(QComboBox& combo)
{
    QFont font = combo.font();
    QString item(kColumns * kColumnChars, QLatin1Char('0'));
    int room = textField(combo).width();
    while (QFontMetrics(font).horizontalAdvance(item) > room && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    combo.setFont(font);
}

// Each heading ends where its column of the list ends.
void addHeading(QWidget* parent, const char* name, const QString& text, const QComboBox& list,
                int column)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->adjustSize();
    int end = list.x() + textField(list).x() +
              QFontMetrics(list.font())
                  .horizontalAdvance(QString((column + 1) * kColumnChars, QLatin1Char('0')));
    label->move(end - label->width(), twips(0, 360, 0, 0).y());
}

} // namespace

Form6::Form6(PrintingDesktop& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Select Page Number"));
    setFixedSize(twips(0, 0, 4935, 1440).size());
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(twips(120, 720, 4575, 315));
    useFixedPitchFont(m_combo1);
    fitItems(*m_combo1);
    addHeading(this, "Label1", QStringLiteral("Page#"), *m_combo1, 0);
    addHeading(this, "Label2", QStringLiteral("Start Station"), *m_combo1, 1);
    addHeading(this, "Label3", QStringLiteral("End Station"), *m_combo1, 2);
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
