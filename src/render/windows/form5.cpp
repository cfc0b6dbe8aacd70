#include "render/windows/form5.h"

#include "render/windows/printingdesktop.h"
#include "windowkit/booktext.h"
#include "windowkit/formcontrols.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace quarrow {
namespace {

// The dialog's labels are in a fixed-pitch font.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect place)
{
    QFont font(QStringLiteral("Courier New"));
    font.setBold(true);
    return addLabel(parent, name, text, place, font);
}

} // namespace

Form5::Form5(PrintingDesktop& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Print Selected Pages"));
    setFixedSize(twips(0, 0, 4695, 3360).size());
    makeLabel(this, "Label2", QStringLiteral("Roadway Type:"), twips(120, 120, 1455, 255));
    m_label4 = makeLabel(this, "Label4", QString(), twips(1800, 120, 1095, 255));
    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    m_combo2->setGeometry(twips(3240, 120, 1215, 315));
    m_combo2->addItems({fromBook(sideName(BookSide::Left)), fromBook(sideName(BookSide::Right))});
    m_label3 = makeLabel(this, "Label3", QStringLiteral("Total Number of Pages:"),
                         twips(120, 600, 2655, 255));
    m_label6 = makeLabel(this, "Label6", QString(), twips(3120, 600, 1335, 255));
    makeLabel(this, "Label1", QStringLiteral("Print Pages From:"), twips(120, 1080, 2175, 255));
    m_text1 = addLineEdit(this, "Text1", twips(2280, 1080, 855, 285));
    auto* command2 =
        addButton(this, "Command2", QStringLiteral(" . . ."), twips(3360, 1080, 495, 255));
    makeLabel(this, "Label5", QStringLiteral("To:"), twips(1680, 1560, 375, 375));
    m_text2 = addLineEdit(this, "Text2", twips(2280, 1560, 855, 285));
    auto* command3 =
        addButton(this, "Command3", QStringLiteral(" . . ."), twips(3360, 1560, 495, 255));
    m_print = addButton(this, "Command1_1", QStringLiteral("Print"), twips(3120, 2760, 1095, 375));
    m_cancel = addButton(this, "Command1_0", QStringLiteral("Cancel"), twips(480, 2760, 1095, 375));

    setTabOrder(m_print, m_cancel);
    setTabOrder(m_cancel, m_text1);
    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, command2);
    setTabOrder(command2, command3);
    setTabOrder(command3, m_combo2);

    connect(m_combo2, &QComboBox::activated, this, &Form5::Combo2_Click);
    connect(command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(m_print, &QPushButton::clicked, this, [this] { Command1_Click(1); });
    // Enter in a page box prints, as the window's main button.
    for (QLineEdit* box : {m_text1, m_text2})
        connect(box, &QLineEdit::returnPressed, this, [this] { Command1_Click(1); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Command1_Click(0); });
    takeBook();
}

void Form5::takeBook()
{
    m_label4->setText(fromBook(m_program.store().RoadwayType));
    Label4_Change();
    showPageCount(false);
}

void Form5::Label4_Change()
{
    const ReportStore& store = m_program.store();
    if (isUndivided(store)) {
        m_combo2->hide();
        m_label3->setText(QStringLiteral("Total Number of Pages:"));
    } else if (isDivided(store)) {
        m_combo2->show();
        m_combo2->setCurrentIndex(0);
        m_label3->setText(QStringLiteral("Total Left Side Pages:"));
    }
}

void Form5::Combo2_Click()
{
    bool right = chosenSide() == BookSide::Right;
    m_label3->setText(right ? QStringLiteral("Total Right Side Pages:")
                            : QStringLiteral("Total Left Side Pages:"));
    showPageCount(right);
}

void Form5::showPageCount(bool rightSide)
{
    const ReportStore& store = m_program.store();
    std::int32_t last = lastPageOf(store, !isDivided(store) ? BookSide::Undivided
                                          : rightSide       ? BookSide::Right
                                                            : BookSide::Left);
    m_label6->setText(QString::number(last + 1));
}

// The book of a divided roadway the side box names; any other text names none, and prints
// nothing.
BookSide Form5::chosenSide() const
{
    return sideNamed(toBook(m_combo2->currentText())).value_or(BookSide::Undivided);
}

std::int32_t Form5::pageCount() const
{
    return m_label6->text().toInt();
}

// The dialog opens with the focus in the first page box, so that the numbers typed at once
// go there.
std::optional<PageRange> Form5::choosePages()
{
    m_text1->setFocus();
    if (exec() == QDialog::Accepted)
        return PageRange{m_PrintFromPage, m_PrintToPage, chosenSide()};
    m_PrintFromPage = 0;
    m_PrintToPage = 0;
    m_program.unloadForm5();
    return std::nullopt;
}

void Form5::Command1_Click(int index)
{
    if (index == 0) {
        reject();
        return;
    }
    auto from = pageNumber(m_text1);
    auto to = pageNumber(m_text2);
    if (!from || !to) {
        m_program.message(
            QStringLiteral("Please enter page numbers from 1 to %1.").arg(pageCount()), this);
        return;
    }
    m_PrintFromPage = static_cast<std::int16_t>(*from - 1);
    m_PrintToPage = static_cast<std::int16_t>(*to - 1);
    if (m_PrintToPage >= m_PrintFromPage)
        accept();
    else
        m_program.message(
            QStringLiteral(" From Page should be smaller than To Page, Please correct"), this);
}

// A page number is a whole number from 1 to the page count of the book (side) chosen.
std::optional<std::int16_t> Form5::pageNumber(QLineEdit* box) const
{
    QString text = box->text().trimmed();
    bool isNumber = !text.isEmpty() &&
                    std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    int number = isNumber ? text.toInt(&isNumber) : 0;
    if (!isNumber || number < 1 || number > pageCount())
        return std::nullopt;
    return static_cast<std::int16_t>(number);
}

void Form5::Command2_Click()
{
    pickPage(m_text1);
}

void Form5::Command3_Click()
{
    pickPage(m_text2);
}

// The page picker's item begins with the page number and a blank.
void Form5::pickPage(QLineEdit* box)
{
    QString item = m_program.pickPage().trimmed();
    qsizetype blank = item.indexOf(QLatin1Char(' '));
    if (!item.isEmpty())
        box->setText(blank < 0 ? item : item.left(blank + 1));
}

} // namespace quarrow
