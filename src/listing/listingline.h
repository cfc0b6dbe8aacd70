#pragma once

#include "store/bookpage.h"
#include "store/reportstore.h"

#include <string>
#include <string_view>

namespace quarrow {

// A station line of a listing: "roadway [profile],station,field 0,field 1,...".

// Undivided listings: an empty field ends the line, so the line is cut before its first
// ",," (keeping its leading blanks); a line without one is trimmed.
std::string cleanUndividedLine(std::string_view line);

// Titles, headings and blank lines hold no comma; lines with the character of code 1 are
// control lines of the road-design package. Neither carries a station.
bool isStationLine(std::string_view line);

// Sets RoadwayName and ProfileName of a page from the line's first comma field: the text
// before and after its first blank, or the whole field and "SGCLE".
void takeHeaderFields(BookPage& page, std::string_view firstField);

// The parts of a station line after its first comma.
struct StationPart
{
    std::string station;
    std::string_view fields; // the text after the station's comma
    bool complete = false;   // false when the line has fewer than three comma fields
};
StationPart splitStation(std::string_view line);

// The fields of a station line that the parsers read, by their use.
namespace field {
inline constexpr int kMessageWord = 0; // "Error" or "Note" on a message line
inline constexpr int kMessageText = 1;
inline constexpr int kProfileValue = 0;     // after the profile name and " = "
inline constexpr int kCentreLine = 1;       // C.L.: negative a cut, positive a fill
inline constexpr int kElevation = 2;        // the shoulder; less field 4, the ditch
inline constexpr int kOffset = 3;           // after "@"; the first addend of the offsets
inline constexpr int kDitchDepth = 4;       // taken from field 2; above 990, no ditch
inline constexpr int kDitchOffset = 5;      // added to field 3
inline constexpr int kTypeCode = 6;         // "F", "C", "CNBS", or on a median side "M"
inline constexpr int kCutOffset = 8;        // an addend of a cut's offsets
inline constexpr int kCutElevation = 9;     // after "TO ELEV "
inline constexpr int kBackSlope = 10;       // after "BS = "
inline constexpr int kCutRise = 11;         // over field 10, the cut ratio
inline constexpr int kFoundationDepth = 12; // before " FBD"
inline constexpr int kFill = 13;            // after "F  "
inline constexpr int kFillOffset = 14;      // an addend of a fill's offset
inline constexpr int kFillSlope = 15;       // after "FS = "
inline constexpr int kMedianKind = 16;      // a divided listing's median code
inline constexpr int kRoadwayOffset = 17;   // a divided listing's offset of the roadway line
} // namespace field

// Splits the text after the station into fields 0..19, emptying all 20 first. Field 0 keeps
// its blanks, later fields lose their leading blanks, the last field is trimmed.
// More than 20 fields fail with "Subscript out of range".
void splitFields(std::string_view text, FieldArray& fields);

// "Error" or "Note" in field 0, exactly, marks a line that carries a message in field 1.
bool isMessageLine(const FieldArray& fields);

// The number a field holds; fails with "Type mismatch" when it holds none.
double fieldNumber(const FieldArray& fields, int index);

// Field 5, or 0 when it is above 990 (no value).
double fieldFiveOrZero(const FieldArray& fields);

// The ditch's elevation: the shoulder's, field 2, less the ditch's depth, field 4.
double ditchElevation(const FieldArray& fields);

// True when a field of the hub columns is above 990, the listing's mark for "no value".
bool isAbsent(const FieldArray& fields, int index);

} // namespace quarrow
