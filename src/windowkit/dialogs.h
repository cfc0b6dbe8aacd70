#pragma once

#include <QString>

class QWidget;

namespace quarrow {

// What a file dialog remembers between uses: the last file chosen and the last filter, and
// the folder it opens in while it offers no file.
struct FileDialogState
{
    QString fileName;
    QString selectedFilter;
    QString folder;
};

// Everything the windows ask the user goes through here: the desktop program shows Qt's
// message boxes and file dialogs, tests answer from a script. Filters are given as
// "description|pattern|description|pattern".
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An OK-only box without icon, titled with the program's title.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Yes and No buttons, no icon; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title) = 0;
    // Opens a file; true when one was chosen, which `state` then holds.
    virtual bool openFile(QWidget* parent, const QString& filter, FileDialogState& state) = 0;
    // Asks where to save, starting from `state.fileName`; true when a name was chosen, which
    // `state` then holds. `defaultSuffix` is added to a name typed without an extension.
    virtual bool saveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                          FileDialogState& state) = 0;
};

// The program's title in its message boxes.
inline const QString kProgramTitle = QStringLiteral("Quarrow Print Book");

} // namespace quarrow
