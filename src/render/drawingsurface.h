#pragma once

#include "store/runerror.h"

#include <string>

namespace quarrow {

namespace errors {
// What a surface raises when it has no font of the name it is given.
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
// What a printer-like surface raises when it cannot start a page.
inline constexpr const char* kPrinterError = "Printer error";
} // namespace errors

// The display window counts in twips (1440 to the inch); the printer in character cells
// (12 columns and 6 lines to the inch). The page renderer converts its positions for each.
enum class SurfaceKind { Window, Printer };

// Where the page renderer draws: the display window or the printer. Every operation may
// fail with a RunError; the renderer's traps decide what then happens.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    virtual SurfaceKind kind() const = 0;

    // The position, in the surface's unit, at which the next text is printed.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    // Fails with "Invalid property value" when the surface has no font of that name;
    // the font then stays as it was.
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    // Transparent text leaves what is under it visible: no background box is painted.
    virtual void setFontTransparent(bool on) = 0;
    // 0 solid, 1 transparent; the renderer only ever sets 0.
    virtual void setFillStyle(int style) = 0;

    // Prints Windows-1252 `text` with its top-left corner at the current position; the
    // position does not move.
    virtual void printText(const std::string& text) = 0;
    // A black line from (x, y) to (x + right, y + down).
    virtual void drawLine(double x, double y, double right, double down) = 0;

    // Starts a new sheet on a printer-like surface; the window ignores it. A printer starts
    // the sheet only when something is drawn on it, so ending the document right after a
    // new page leaves no blank sheet. Fails with "Printer error".
    virtual void newPage() = 0;
};

} // namespace quarrow
