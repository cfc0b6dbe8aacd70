#pragma once

#include "files.h"
#include "store/messenger.h"
#include "store/reportstore.h"
#include "testsupport.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow::fuzz {

using test::RecordingMessenger;

// The full name of `name` in a folder of this process's own, so that parallel fuzzing jobs
// never share files.
std::string scratchFile(const std::string& name);

// Ends the run with `what` on standard error when `holds` is false; libFuzzer keeps the
// input that got here as a crash.
void check(bool holds, const std::string& what);

// Runs one input through `body`; an exception that escapes the engine is a finding.
int runGuarded(const std::function<void()>& body);

// A routine shows one message when it fails and none when it succeeds.
void checkOutcome(bool succeeded, const RecordingMessenger& messenger, const char* routine);

// The page counters stay inside the page arrays, and the lists hold one page/station item
// per station and at most three stations a page, and one page item per page: of every side
// for a book read from a report file, of one side for a divided book built from a listing,
// whose two sides turn their pages together.
void checkBook(const ReportStore& store, bool listsEverySide);

// The pages of the book: the undivided book, or the left and the right book.
std::vector<std::pair<const PageArray*, int>> booksOf(const ReportStore& store);

// Writes the book and reads the file back, which must succeed.
ReportStore writeAndRead(ReportStore& book, const std::string& name);

// A book keeps its form in a report file: written, read and written again, the files are
// the same from the second writing on (reading trims the cells the first one aligned).
void checkRoundTrip(ReportStore& book);

} // namespace quarrow::fuzz
