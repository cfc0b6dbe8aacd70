#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace quarrow {

class Desktop;

// Asks where to save the report file, starting from ReportFileName, until the user names a
// file that does not exist or agrees to overwrite it; the name then becomes ReportFileName.
// False, with nothing changed, when the user cancels.
bool askReportFileName(Desktop& program, QWidget* parent);

// Asks where to save a PDF of the book, starting from the book's name with ".pdf" in place
// of ".stk". Every name given back ends in ".pdf", one typed without it gets it, so a PDF
// never lands on a report file or a listing; a file that exists is named only once the user
// agreed to replace it. Nothing when the user cancels.
std::optional<QString> askPdfFileName(Desktop& program, QWidget* parent);

} // namespace quarrow
