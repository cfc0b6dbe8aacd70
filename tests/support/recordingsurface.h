#pragma once

#include "render/drawingsurface.h"

#include <string>
#include <vector>

namespace quarrow {

// The font a surface holds, as the renderer last set it.
struct SurfaceFont
{
    std::string name;
    double size = 0.0;
    bool bold = false;
    bool italic = false;
    bool transparent = false;
};

struct RecordedText
{
    double x = 0.0;
    double y = 0.0;
    std::string text;
    SurfaceFont font;
    int page = 0; // 0-based sheet on which it was drawn
};

struct RecordedLine
{
    double x = 0.0;
    double y = 0.0;
    double right = 0.0;
    double down = 0.0;
    int page = 0;
};

// A surface that draws nothing and remembers everything drawn on it, so that the page
// layout can be checked as numbers. It accepts every font name. With `keepLog`, it also
// writes every operation, in drawing order, as a line of text: the page layout as data.
class RecordingSurface : public DrawingSurface
{
public:
    explicit RecordingSurface(SurfaceKind kind, bool keepLog = false)
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

    const SurfaceFont& font() const { return m_font; }
    int fillStyle() const { return m_fillStyle; }
    int newPages() const { return m_newPages; }
    const std::vector<RecordedText>& texts() const { return m_texts; }
    const std::vector<RecordedLine>& lines() const { return m_lines; }
    const std::string& log() const { return m_log; }

    // Forgets what was drawn, keeping the font; for drawing many pages without growing.
    void clearDrawing();

private:
    template <typename Line>
    void note(Line&& line);

    SurfaceKind m_kind;
    bool m_keepLog;
    std::string m_log;
    double m_x = 0.0;
    double m_y = 0.0;
    SurfaceFont m_font;
    int m_fillStyle = 1;
    int m_newPages = 0;
    std::vector<RecordedText> m_texts;
    std::vector<RecordedLine> m_lines;
};

} // namespace quarrow
