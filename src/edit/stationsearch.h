#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow {

// Finds the first block, in page order and from block 0 to block 2, whose station has the
// number of `station`: 3+25, 3+25.0 and 325 are one station; an empty cell and the "+" of
// an empty block count as 0; block 3 is never searched. Texts that are no station are
// reported through the messenger and match nothing.
//
// On a match `page` is set to the page (0-based) and BlockIndex to the block, and true is
// returned; otherwise both are left as they were.
bool SearchStation(ReportStore& store, std::string_view station, std::int16_t& page,
                   Messenger& messenger);

// As SearchStation over the side of a divided book that CurrentSide names ("left", anything
// else the right book), except that a search of the right book that matches nothing leaves
// BlockIndex at 3, the block never filled.
bool SearchStationDivided(ReportStore& store, std::string_view station, std::int16_t& page,
                          Messenger& messenger);

// SearchStation or SearchStationDivided by RoadwayType; false for any other type.
bool searchBook(ReportStore& store, std::string_view station, std::int16_t& page,
                Messenger& messenger);

// What Go To and Edit answer for a station that searchBook does not find.
std::string notInBook(std::string_view station);

} // namespace quarrow
