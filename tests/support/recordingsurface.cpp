#include "recordingsurface.h"

#include <cstdio>

namespace quarrow {

std::string RecordingSurface::number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

void RecordingSurface::printText(const std::string& text)
{
    note("text " + number(m_x) + " " + number(m_y) + " |" + text + "|");
}

void RecordingSurface::drawLine(double x, double y, double right, double down)
{
    note("line " + number(x) + " " + number(y) + " " + number(right) + " " + number(down));
}

} // namespace quarrow
