#include "edit/windows/stationeditor.h"

#include "windowkit/booktext.h"
#include "windowkit/desktop.h"
#include "windowkit/formcontrols.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quarrow {
namespace {

constexpr int kBoxWidth = 2160;
constexpr int kBoxHeight = 1680;
constexpr int kOneLineHeight = 285;

// Boxes separate lines with CR LF, as the book's texts do.
QString boxText(const std::string& text)
{
    return fromBook(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string bookText(const QString& text)
{
    return toBook(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

} // namespace

StationEditor::StationEditor(Desktop& program, EditTable table, const char* name,
                             const std::vector<Box>& boxes, QWidget* parent)
    : QDialog(parent), m_program(program), m_table(table)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(QStringLiteral("Details of Station: ") + fromBook(program.store().EditStation));
    int left = 120;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        addLabel(this, QStringLiteral("Label%1").arg(i + 1).toLatin1().constData(),
                 QString::fromLatin1(boxes[i].label), twips(left, 120, kBoxWidth, 255));
        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setGeometry(
            twips(left, 420, kBoxWidth, boxes[i].oneLine ? kOneLineHeight : kBoxHeight));
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setTabChangesFocus(true); // a tab in a cell would reach the book unseen
        box->setReadOnly(boxes[i].locked);
        if (boxes[i].oneLine) {
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->installEventFilter(this);
        }
        m_boxes.push_back(box);
        left += kBoxWidth + 120;
    }
    QPushButton* update = addButton(this, "Command1_0", QStringLiteral("UpDate"),
                                    twips(left - 2 * (1095 + 120), 2280, 1095, 375));
    QPushButton* cancel = addButton(this, "Command1_1", QStringLiteral("Cancel"),
                                    twips(left - (1095 + 120), 2280, 1095, 375));
    setFixedSize(twips(0, 0, left, 2880).size());
    connect(update, &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command1_Click(1); });
}

void StationEditor::fill(std::int32_t page)
{
    m_program.trap("Program Error: ", " occured in FillStationEditForm()", [&] {
        auto texts = FillStationEditForm(m_program.store(), m_table, page);
        for (std::size_t i = 0; i < texts.size() && i < m_boxes.size(); ++i)
            m_boxes[i]->setPlainText(boxText(texts[i]));
    });
}

void StationEditor::Command1_Click(int index)
{
    m_program.trap("Program Error: ", " occured in Command1(Form3)", [&] {
        if (index == 0)
            update();
        else
            reject();
    });
}

// Texts the report file could not keep are refused before anything changes.
void StationEditor::update()
{
    auto texts = boxTexts();
    if (auto refusal = refuseEdit(m_program.store(), m_table, texts)) {
        m_program.message(fromBook(*refusal), this);
        return;
    }
    applyStationEdit(m_program.store(), m_table, texts);
    m_program.redrawPage();
    accept();
}

// A one-line box takes no line break: Enter is not typed into it.
bool StationEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::vector<std::string> StationEditor::boxTexts() const
{
    std::vector<std::string> texts;
    for (const QPlainTextEdit* box : m_boxes)
        texts.push_back(bookText(box->toPlainText()));
    return texts;
}

Form3::Form3(Desktop& program, QWidget* parent)
    : StationEditor(
          program, EditTable::Stake, "Form3",
          {{"Station"}, {"Lt. Cut/Lt. Fill Stake"}, {"C.L.", true}, {"Rt. Cut/Rt. Fill Stake"}},
          parent)
{}

Form4::Form4(Desktop& program, QWidget* parent)
    : StationEditor(program, EditTable::Hub, "Form4",
                    {{"Station", false, true},
                     {"Lt. Hub"},
                     {"Cut/Fill Stake"},
                     {"C.L."},
                     {"Cut/Fill Stake"},
                     {"Rt. Hub"}},
                    parent)
{}

} // namespace quarrow
