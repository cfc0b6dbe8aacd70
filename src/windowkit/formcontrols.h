#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quarrow {

// The windows place their controls in twips, as their layouts are given, at 15 twips to a
// pixel, 96 pixels to the inch. Each control is named as the program names it, so tests can
// find it.
inline constexpr int kTwipsPerPixel = 15;

// A position and size in twips.
QRect twips(int left, int top, int width, int height);

// The windows' label font, "MS Sans Serif", or a sans-serif font of its width where the
// system has none, so that the captions fit their places.
QFont sansSerifFont(double points, bool bold);

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect place);
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                 const QFont& font);
// A button that Enter does not press unless it has the focus.
QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect place);
QLineEdit* addLineEdit(QWidget* parent, const char* name, QRect place);
// Shows a combo box's items, in its box and in its list, in "Courier New" or the system's
// fixed-pitch font in its place, so that items made of columns of 15 places stand under
// their headings.
void useFixedPitchFont(QComboBox* combo);

// The hourglass over the program's windows while it lives, however the work it covers ends.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A combo box whose text can also be typed; typing adds no item.
QComboBox* addEditableCombo(QWidget* parent, const char* name, QRect place,
                            const QStringList& items = {});

// The width a window needs for its title in full: a window manager that sizes a window by
// its contents would cut a longer title.
int titleWidth(const QWidget& window);

} // namespace quarrow
