#include "render/output/printsystem.h"

#include <QPainter>
#include <QPrinter>

namespace quarrow::printsystem {

bool run(QPrinter&, const std::function<bool()>& draw)
{
    return draw();
}

void abortDocument(QPrinter& printer)
{
    printer.abort();
}

bool endDocument(QPainter& painter)
{
    return painter.end();
}

} // namespace quarrow::printsystem
