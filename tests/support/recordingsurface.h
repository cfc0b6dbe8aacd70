#pragma once

#include "render/drawingsurface.h"

#include <string>

namespace quarrow {

// A surface that draws nothing and accepts every font name. With `keepLog`, it writes every
// operation, in drawing order, as a line of text: the page layout as data ("text 7 1
// |Project No: 104|", "bold on", "line 5 0 84 0", ...). Without, it costs the renderer
// nothing.
class RecordingSurface : public DrawingSurface
{
public:
    explicit RecordingSurface(SurfaceKind kind, bool keepLog = true)
        : m_kind(kind), m_keepLog(keepLog)
    {}

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
    void newPage() override;

    const std::string& log() const { return m_log; }

private:
    template <typename Line>
    void note(Line&& line);

    SurfaceKind m_kind;
    bool m_keepLog;
    std::string m_log;
    double m_x = 0.0;
    double m_y = 0.0;
};

} // namespace quarrow
