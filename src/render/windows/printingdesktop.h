#pragma once

#include "render/bookprinter.h"
#include "render/output/printerchoice.h"
#include "render/pepprint.h"
#include "windowkit/desktop.h"

#include <optional>

namespace quarrow {

// The desktop program as the display window and the print dialogs reach it: besides what
// every window shares, the printer and report font, the page renderer, and the commands the
// print dialogs give each other.
class PrintingDesktop : public Desktop
{
public:
    virtual PrinterChoice& printer() = 0;
    virtual PepPrint& renderer() = 0;

    // "Print Selected Pages": the pages chosen, or nothing when the dialog was cancelled.
    virtual std::optional<PageRange> choosePages() = 0;
    // "Select Page Number": the item of the page picked.
    virtual QString pickPage() = 0;
    virtual void unloadForm5() = 0;
};

} // namespace quarrow
