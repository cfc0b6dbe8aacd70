#pragma once

#include "render/drawingsurface.h"

namespace quarrow {

// A printer that draws nothing and takes every font name: what remains to measure is the
// renderer's own work.
class NullSurface : public DrawingSurface
{
public:
    SurfaceKind kind() const override { return SurfaceKind::Printer; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setFontName(const std::string&) override {}
    void setFontSize(double) override {}
    void setBold(bool) override {}
    void setItalic(bool) override {}
    void setFontTransparent(bool) override {}
    void setFillStyle(int) override {}
    void printText(const std::string&) override {}
    void drawLine(double, double, double, double) override {}
    void newPage() override {}

private:
    double m_x = 0.0;
    double m_y = 0.0;
};

} // namespace quarrow
