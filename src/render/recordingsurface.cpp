#include "render/recordingsurface.h"

namespace quarrow {

void RecordingSurface::printText(const std::string& text)
{
    m_texts.push_back(RecordedText{m_x, m_y, text, m_font, m_newPages});
}

void RecordingSurface::drawLine(double x, double y, double right, double down)
{
    m_lines.push_back(RecordedLine{x, y, right, down, m_newPages});
}

void RecordingSurface::clearDrawing()
{
    m_texts.clear();
    m_lines.clear();
}

} // namespace quarrow
