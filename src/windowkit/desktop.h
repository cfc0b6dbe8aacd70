#pragma once

#include "store/bookpages.h"
#include "store/messenger.h"
#include "store/reportstore.h"
#include "store/runerror.h"
#include "windowkit/dialogs.h"

#include <exception>
#include <string>

class QWidget;

namespace quarrow {

// What the windows of the desktop program share, and how they reach each other: the book and
// the dialogs, and the commands one window gives another. The program keeps it
// (main/windows/); a window knows no other window. The display window and the print dialogs
// reach more of it (render/windows/printingdesktop.h).
class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual ReportStore& store() = 0;
    virtual Dialogs& dialogs() = 0;
    // Shows the engine's messages in message boxes over the active window.
    virtual Messenger& messenger() = 0;

    // A message box over `parent` (or the active window when null), or over the modal dialog
    // that takes the input while one is open.
    virtual void message(const QString& text, QWidget* parent = nullptr) = 0;

    // The display window draws page CurrentPage of the current side anew.
    virtual void redrawPage() = 0;
    // "Edit": Edit Station Details, then the editor of the station chosen.
    virtual void editStation() = 0;
    // "Go To": finds a station of the undivided book or of that side's book.
    virtual void goToStation(BookSide side) = 0;
    virtual void unloadPrintWindow() = 0;
    // Puts the dialogs' captions and lists in step with a book just built or read.
    virtual void showNewBook() = 0;
    // Draws the current page in the display window and shows the window.
    virtual void showPrintWindow() = 0;
    // The open-file dialog's memory between uses; the folder of a file chosen is kept for
    // the next run.
    virtual FileDialogState& openDialog() = 0;
    virtual void keepFolderOf(const QString& file) = 0;
    // Closes every window and ends the program.
    virtual void endProgram() = 0;

    // Runs an event handler; a run-time failure inside it is shown as `head`, the failure's
    // description and `tail`, and ends the handler. Any other exception is shown the same
    // way: none may cross Qt's event loop.
    template <typename Handler>
    void trap(const char* head, const char* tail, Handler&& handler)
    {
        try {
            handler();
        } catch (const RunError& error) {
            showFailure(head, error.what(), tail, error.reason());
        } catch (const std::exception& error) {
            showFailure(head, error.what(), tail, {});
        }
    }

private:
    void showFailure(const char* head, const char* description, const char* tail,
                     const std::string& reason);
};

} // namespace quarrow
