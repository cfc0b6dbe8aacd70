#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

namespace quarrow {

// Builds the book of an undivided listing (the file named by InputFileName) in
// UndividedPages: three stations to a page, filling blocks 2, 1 and 0 in listing order, and
// fills the selection lists and LastPage. The book starts empty.
//
// At the first line that cannot be read the parser tells the user which station to correct
// and stops; the book keeps the pages built so far (LastPage is the page reached) so that
// it can still be paged and saved. Returns false after such a failure. Last, the user is
// told which station lines the book does not hold, if any.
bool ParseUndivided(ReportStore& store, Messenger& messenger);

} // namespace quarrow
