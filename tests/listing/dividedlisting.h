#pragma once

#include "store/reportstore.h"
#include "testsupport.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace quarrow::test {

// The fields after the station of one line of a divided listing: field 0 first.
using LineFields = std::vector<std::string>;

// A data line with metric values and the given type code (field 6):
//   0 profile 1012.5   1 C.L. 0.35     2 shoulder 1011.8  3 offset 3.6   4 ditch 0.45
//   5 ditch offset 1.2 7 unused 0     8 cut 0.6          9 elev 1010.95 10 slope 2
//   11 cut 1.5         12 FBD 0.9     13 fill 1.35       14 fill 2.9    15 slope 4
//   16 median code NONE 17 roadway line 7.2
LineFields dataLine(const std::string& code);

// `fields` with some fields replaced: {{index, text}, ...}.
LineFields with(LineFields fields, std::initializer_list<std::pair<int, std::string>> changes);

// A line that carries a message: "Error" or "Note" and its text.
LineFields messageLine(const std::string& kind, const std::string& text);

// "roadway,station,field 0,field 1,...".
std::string listingLine(const std::string& station, const LineFields& fields,
                        const std::string& roadway = "SR5 PGL1");

// One station's four lines in listing order.
struct DividedStation
{
    std::string station;
    LineFields leftOuter;
    LineFields leftMedian;
    LineFields rightMedian;
    LineFields rightOuter;
};
std::vector<std::string> stationLines(const DividedStation& station);

// A station whose four lines carry no stake ("X"), to fill a listing.
DividedStation plainStation(const std::string& station);

// "10+00", "10+20", ...: the station texts of a listing with a station every 20 m.
std::string stationText(int index);

// Runs the divided parser on a metric listing written into a fresh folder.
class DividedParse
{
public:
    DividedParse();
    explicit DividedParse(const std::vector<std::string>& stationLines);

    // Writes "DIVIDED,METRIC" and the lines as road.txt (CR LF) and parses it into `store`.
    bool parse(const std::vector<std::string>& stationLines);
    // Parses the bytes of road.txt exactly as given.
    bool parseBytes(const std::string& bytes);

    const BookPage& left(int page = 0) const { return store.LeftPages.read(page); }
    const BookPage& right(int page = 0) const { return store.RightPages.read(page); }

    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    bool completed = false;
};

// A text right-aligned in the 15 places of a selection list column.
std::string in15(const std::string& text);

// Expects pages 0 to `lastPage` of `read` to hold what a report file keeps of `written`:
// the roadway name, first and last station, and every cell of blocks 0 to 2 without its
// outer blanks, an empty station cell of line 0 coming back as "+".
void expectReadBack(const PageArray& written, const PageArray& read, int lastPage);

} // namespace quarrow::test
