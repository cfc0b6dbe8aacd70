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

std::string onOff(const char* what, bool on)
{
    return std::string(what) + (on ? " on" : " off");
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
    note([&] { return "font " + name; });
}

void RecordingSurface::setFontSize(double points)
{
    note([&] { return "size " + number(points); });
}

void RecordingSurface::setBold(bool on)
{
    note([&] { return onOff("bold", on); });
}

void RecordingSurface::setItalic(bool on)
{
    note([&] { return onOff("italic", on); });
}

void RecordingSurface::setFontTransparent(bool on)
{
    note([&] { return onOff("transparent", on); });
}

void RecordingSurface::setFillStyle(int style)
{
    note([&] { return "fill " + std::to_string(style); });
}

void RecordingSurface::printText(const std::string& text)
{
    note([&] { return "text " + number(m_x) + " " + number(m_y) + " |" + text + "|"; });
}

void RecordingSurface::drawLine(double x, double y, double right, double down)
{
    note([&] {
        return "line " + number(x) + " " + number(y) + " " + number(right) + " " + number(down);
    });
}

void RecordingSurface::newPage()
{
    note([] { return std::string("new page"); });
}

} // namespace quarrow
