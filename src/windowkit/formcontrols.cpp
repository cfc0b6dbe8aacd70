#include "windowkit/formcontrols.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quarrow {
namespace {

// Enter presses the button that has the focus, as Windows' buttons do. Enter in a box
// presses a button only where a dialog makes its main button the default.
class CommandButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

} // namespace

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QFont sansSerifFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                 const QFont& font)
{
    QLabel* label = addLabel(parent, name, text, place);
    label->setFont(font);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* button = new CommandButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* addLineEdit(QWidget* parent, const char* name, QRect place)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
}

void useFixedPitchFont(QComboBox* combo)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    combo->setFont(font);
    // The list is a window of its own, which does not take the box's font.
    combo->view()->setFont(font);
}

QComboBox* addEditableCombo(QWidget* parent, const char* name, QRect place,
                            const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setGeometry(place);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

// The title in a bold font, as title bars draw it, and the frame's buttons beside it.
int titleWidth(const QWidget& window)
{
    QFont titleFont = window.font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + 120;
}

} // namespace quarrow
