#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow {

enum class InputKind { Listing, Report, Unknown };

// The extension of the file name: the text after the last "." of the last path component
// ("/" and "\" both separate folders); empty when the name has none.
std::string_view fileExtension(std::string_view path);

// "stk" (any case) is a report file, "txt" and "csv" a listing.
InputKind inputKindOf(std::string_view path);

// Sets ReportFileName, WorkFile1Name, WorkFile2Name and TempFileName: the path with the
// file name's extension replaced by ".stk", ".tx1", ".tx2" and ".tmp" (appended when the
// name has no extension).
void GenerateOutputFilename(ReportStore& store, std::string_view path);

// The number of a station text: "3+25" is 325, "0+2.5" is 2.5, "+5" is 5, "7+" is 700;
// an empty text, an empty part and "." count as 0. A text that is no station is reported
// and gives NaN, which equals no station.
double ConvertInDouble(std::string_view text, Messenger& messenger);

// Reads the listing's first line, sets RoadwayType and NumberFormat and runs the parser
// for the roadway type. Returns 1 when the input is rejected (the user has been told why),
// 0 when a parser ran; InputFileName then names the report file beside the listing.
std::int16_t GpkQuarrow(ReportStore& store, Messenger& messenger);

} // namespace quarrow
