#pragma once

#include "render/drawingsurface.h"

#include <QFont>

class QPainter;

namespace quarrow {

// A drawing surface on a QPainter: the display window (window kind, in twips) or a printer
// or PDF (printer kind, in character cells of 1/12 by 1/6 inch). Positions are converted
// with the paint device's logical resolution, so the painter must be active on its device
// for the surface's whole life.
//
// Fonts are asked for by family name; a name that no installed font has is refused with
// "Invalid property value", unless the system draws it with a fixed-pitch font of another
// name (fontconfig draws "Courier New" with Liberation Mono). "Courier New", the fallback,
// is never refused.
// True when the system draws the family with a fixed-pitch font, though perhaps of another
// name. Needs a Qt GUI application.
bool drawsWithFixedPitchFont(const QString& family);

class QtPainterSurface : public DrawingSurface
{
public:
    QtPainterSurface(QPainter& painter, SurfaceKind kind);

    SurfaceKind kind() const override { return m_kind; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setFontTransparent(bool on) override;
    void setFillStyle(int style) override;
    void printText(const std::string& text) override;
    void drawLine(double x, double y, double right, double down) override;
    // On a paged device (QPrinter, QPdfWriter) the sheet is started when something is next
    // drawn; elsewhere it fails with "Printer error" at that point.
    void newPage() override;

private:
    void startPendingPage();
    void useFont();
    QPointF onScreenPixels(QPointF point) const;

    QPainter& m_painter;
    SurfaceKind m_kind;
    double m_deviceUnitsX;
    double m_deviceUnitsY;
    double m_pixelRatio = 1.0; // the screen's pixels to a window's
    long m_rulePixels = 1;     // a rule's width in the screen's pixels
    double m_x = 0.0;
    double m_y = 0.0;
    QFont m_font;
    bool m_fontChanged = true;
    double m_ascent = 0.0;
    bool m_pagePending = false;
};

} // namespace quarrow
