#pragma once

#include "store/bookpages.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <string>
#include <string_view>

namespace quarrow {

// The report file keeps a book as text laid out much like the printed page: one section
// of 68 lines (CR LF) per page, a header line, the stake table's blocks 0 to 2 and the hub
// table's blocks 0 to 2, seven lines each, and a form feed line.

// Write the undivided book, or the left then the right book, to ReportFileName. The file is
// replaced only when all was written; on failure the user is told and false is returned.
bool WriteItTothePage(const ReportStore& store, Messenger& messenger);
bool WriteItTothePageDivided(const ReportStore& store, Messenger& messenger);

// Writes the book with the writer for its RoadwayType; any other type writes nothing.
bool writeReport(const ReportStore& store, Messenger& messenger);

// Reads the report file named by InputFileName into a new book and fills the selection
// lists. Returns false, after telling the user, when the file cannot be read as a report;
// the book then must not be shown or saved over the file.
bool ReadReportFile(ReportStore& store, Messenger& messenger);

// Stores one line of a block: `block` 0 to 2 are stake blocks, 3 to 5 hub blocks 0 to 2.
// `page` is 1-based. Fails (RunError) on a line without the commas its table needs or a
// page outside the book's capacity.
void StoreReportLine(ReportStore& store, std::string_view line, BookSide side, int page, int block,
                     int lineIndex);

} // namespace quarrow
