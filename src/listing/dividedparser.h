#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

namespace quarrow {

// Builds the two books of a divided listing (the file named by InputFileName): the left
// roadway in LeftPages and the right roadway in RightPages, paged in step, three stations to
// a page. Each station has four lines: the left roadway's outer and median sides, then the
// right roadway's median and outer sides. Fills the selection lists, LastLeftPage and
// LastRightPage; its two empty work files live in the temporary folder while it reads.
// The books start empty.
//
// At the first line that cannot be read the user is told the station and the parser stops;
// the books keep the pages built so far. Returns false after such a failure. Last, the user
// is told which station lines the books do not hold, if any.
bool ParseDivided(ReportStore& store, Messenger& messenger);

} // namespace quarrow
