#pragma once

#include "store/celltable.h"

#include <string>

namespace quarrow {

// One page of the book: up to four station blocks (the parsers fill blocks 2, 1 and 0 in
// listing order; block 3 stays empty) and the header fields.
struct BookPage
{
    std::string ProfileName;
    std::string RoadwayName;
    std::string FirstStation; // the station of block 2
    std::string LastStation;  // the station of block 0; empty on a page not completed
    // Columns: 0 Station, 1 Lt.Cut/Lt.Fill Stake, 2 C.L, 3 Rt.Cut/Rt.Fill Stake.
    StakeTable StakeCells;
    // Columns: 0 Station, 1 Lt. Hub, 2 Cut/Fill Stake, 3 C.L, 4 Cut/Fill Stake, 5 Rt. Hub.
    HubTable HubCells;

    bool operator==(const BookPage&) const = default;
};

} // namespace quarrow
