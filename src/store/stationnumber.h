#pragma once

#include "store/messenger.h"

#include <string_view>

namespace quarrow {

// The number of a station text: "3+25" is 325, "0+2.5" is 2.5, "+5" is 5, "7+" is 700;
// an empty text, an empty part and "." count as 0. A text that is no station is reported
// and gives NaN, which equals no station.
double ConvertInDouble(std::string_view text, Messenger& messenger);

// Whether a text is written as a station number: hundreds, "+" and the rest, both numbers as
// ConvertInDouble reads them. Books whose station cells all are can always be searched.
bool isStationNumber(std::string_view text);

} // namespace quarrow
