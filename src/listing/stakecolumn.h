#pragma once

#include "store/bookpage.h"
#include "store/reportstore.h"

#include <string>
#include <string_view>

namespace quarrow {

// Stake table columns of a station block.
enum StakeColumn {
    kStationColumn = 0,
    kLeftStakeColumn = 1,
    kCentreColumn = 2,
    kRightStakeColumn = 3
};

// How a sum of offset fields becomes the offset written after "@", "TBS = " or around " TO ".
// An undivided listing gives offsets from the centre line; a divided listing gives them
// from each roadway's own line, field 17: less the sum on the roadway's left side, plus the
// sum on its right side.
enum class OffsetSense { FromCentre, LeftOfField17, RightOfField17 };

struct StakeRules
{
    std::string numberFormat;  // values
    std::string numberFormat2; // slopes: "FS = " and "BS = "
    std::string fillPicture;   // the fill offset
    std::string fillMarker;    // what precedes the fill offset
    OffsetSense sense = OffsetSense::FromCentre;
};

// The offset of a sum of fields of line `x` by the rules' sense.
double offsetOf(double sum, const FieldArray& x, OffsetSense sense);

// Writes the stake of type code "F", "C" or "CNBS" (field 6, trimmed) into lines 0 to 6 of
// a column. Any other code writes nothing. Returns whether a stake was written.
void composeStakeColumn(BookPage& page, int block, int column, const FieldArray& x,
                        const StakeRules& rules);

// Writes a note or error into a column: the header in line 0 and the message text cut into
// pieces of 25 characters in lines 1 to 5. With `restInLastLine`, line 6 holds the rest of
// the text however long; otherwise characters after the 125th are not shown.
void writeMessage(BookPage& page, int block, int column, std::string header, std::string_view text,
                  bool restInLastLine);

} // namespace quarrow
