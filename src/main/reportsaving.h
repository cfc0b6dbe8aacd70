#pragma once

class QWidget;

namespace quarrow {

class Program;

// Asks where to save the report file, starting from ReportFileName, until the user names a
// file that does not exist or agrees to overwrite it; the name then becomes ReportFileName.
// False, with nothing changed, when the user cancels.
bool askReportFileName(Program& program, QWidget* parent);

} // namespace quarrow
