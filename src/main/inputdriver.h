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

// Reads the listing's first line, sets RoadwayType and NumberFormat and runs the parser
// for the roadway type. Returns 1 when the input is rejected (the user has been told why),
// 0 when a parser ran; InputFileName then names the report file beside the listing.
std::int16_t GpkQuarrow(ReportStore& store, Messenger& messenger);

// Opens the book a file holds, as its extension says: builds it from a listing (GpkQuarrow)
// or reads it from a report file, which ReportFileName then names. The book opens at its
// first page, a divided roadway's at the left book's. A name of fewer than two characters
// names no file. False, with the user told why, when there is no book to use.
bool openBook(ReportStore& store, std::string_view fileName, Messenger& messenger);

} // namespace quarrow
