#pragma once

#include <functional>

class QPainter;
class QPrinter;

// What the system's print path needs done its own way, in one file a system that the build
// chooses: printsystem_cups.cpp (Linux), printsystem_windows.cpp, printsystem_qt.cpp (any
// other, through Qt alone).
namespace quarrow::printsystem {

// Runs the job that `draw` draws on `printer`; false when `draw` stopped it.
bool run(QPrinter& printer, const std::function<bool()>& draw);

// Kills the document being drawn: nothing of it is printed.
void abortDocument(QPrinter& printer);

// Ends the document; false when the system did not take it.
bool endDocument(QPainter& painter);

} // namespace quarrow::printsystem
