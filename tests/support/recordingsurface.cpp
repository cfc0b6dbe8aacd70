#include "recordingsurface.h"

#include <cstdio>

namespace quarrow {
namespace {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

} // namespace

// The line is made only when the log is kept: drawing many pages keeps none.
template <typename Line>
void RecordingSurface::note(Line&& line)
{
    if (m_keepLog)
        m_log += line() + "\n";
}

void RecordingSurface::setFontName(const std::string& name)
{
    m_font.name = name;
    note([&] { return std::string("font " + name); });
}

void RecordingSurface::setFontSize(double points)
{
    m_font.size = points;
    note([&] { return std::string("size " + number(points)); });
}

void RecordingSurface::setBold(bool on)
{
    m_font.bold = on;
    note([&] { return std::string(on ? "bold on" : "bold off"); });
}

void RecordingSurface::setItalic(bool on)
{
    m_font.italic = on;
    note([&] { return std::string(on ? "italic on" : "italic off"); });
}

void RecordingSurface::setFontTransparent(bool on)
{
    m_font.transparent = on;
    note([&] { return std::string(on ? "transparent on" : "transparent off"); });
}

void RecordingSurface::setFillStyle(int style)
{
    m_fillStyle = style;
    note([&] { return std::string("fill " + std::to_string(style)); });
}

void RecordingSurface::printText(const std::string& text)
{
    m_texts.push_back(RecordedText{m_x, m_y, text, m_font, m_newPages});
    note(
        [&] { return std::string("text " + number(m_x) + " " + number(m_y) + " |" + text + "|"); });
}

void RecordingSurface::drawLine(double x, double y, double right, double down)
{
    m_lines.push_back(RecordedLine{x, y, right, down, m_newPages});
    note([&] {
        return std::string("line " + number(x) + " " + number(y) + " " + number(right) + " " +
                           number(down));
    });
}

void RecordingSurface::newPage()
{
    ++m_newPages;
    note([&] { return std::string("new page"); });
}

void RecordingSurface::clearDrawing()
{
    m_texts.clear();
    m_lines.clear();
}

} // namespace quarrow
