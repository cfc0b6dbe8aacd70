#pragma once

#include "render/drawingsurface.h"

#include <string>

namespace quarrow {

// A surface that draws nothing and accepts every font name; it writes every operation, in
// drawing order, as a line of text: the page layout as data ("text 7 1 |Project No: 104|",
// "bold on", "line 5 0 84 0", ...).
class RecordingSurface : public DrawingSurface
{
public:
    explicit RecordingSurface(SurfaceKind kind) : m_kind(kind) {}

    SurfaceKind kind() const override { return m_kind; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setFontName(const std::string& name) override { note("font " + name); }
    void setFontSize(double points) override { note("size " + number(points)); }
    void setBold(bool on) override { note(on ? "bold on" : "bold off"); }
    void setItalic(bool on) override { note(on ? "italic on" : "italic off"); }
    void setFontTransparent(bool on) override { note(on ? "transparent on" : "transparent off"); }
    void setFillStyle(int style) override { note("fill " + std::to_string(style)); }
    void printText(const std::string& text) override;
    void drawLine(double x, double y, double right, double down) override;
    void newPage() override { note("new page"); }

    const std::string& log() const { return m_log; }

private:
    static std::string number(double value);
    void note(const std::string& line) { m_log += line + "\n"; }

    SurfaceKind m_kind;
    std::string m_log;
    double m_x = 0.0;
    double m_y = 0.0;
};

} // namespace quarrow
