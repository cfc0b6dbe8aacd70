#pragma once

#include "listing/listingline.h"
#include "listing/unusedlines.h"
#include "store/bookpage.h"
#include "store/messenger.h"
#include "store/reportstore.h"
#include "store/runerror.h"
#include "store/textfile.h"

#include <string>
#include <string_view>

namespace quarrow {

// What the undivided and the divided parser share: the store they fill, the block of the
// page that the next station goes to, and the way they take a line and write its texts.
class ListingParser
{
public:
    // Says which station lines the book does not hold, if any, once reading has ended.
    void tellUnusedLines(Messenger& messenger) const;

protected:
    ListingParser(ReportStore& store, int stationLines)
        : s(store), p(store.Parser), m_unused(stationLines)
    {}

    // The next line of the listing, counted.
    bool nextLine(LineReader& reader, std::string& line);

    // Hands every further line to `handle`; an error stops the reading, and the lines from
    // there on are counted as not used.
    template <typename Handle>
    void readStations(LineReader& reader, Handle handle)
    {
        std::string line;
        try {
            while (nextLine(reader, line))
                handle(line);
        } catch (const RunError&) {
            stopReading(reader);
            throw;
        }
        m_unused.endListing();
    }

    // Takes FirstField and StationText from a cleaned station line; StationText is named in
    // a failure message even when the line is cut short.
    StationPart readStation(std::string_view line);
    // The text after the station; fails with "Invalid procedure call or argument" when the
    // line has fewer than three comma fields.
    static std::string_view fieldsOf(const StationPart& part);

    void putStation(BookPage& page, int line, std::string text);
    // A page's item of the page list: its number, first and last station.
    void addPageItem(const PageArray& pages, int index);

    // Values in the book's number format; a field as it stands when it holds no number.
    std::string fmt(const std::string& field) const;
    std::string fmt(double value) const;

    ReportStore& s;
    ParserState& p;
    UnusedLines m_unused;
    int m_line = 0; // the number of the line read last
    int m_block = 2;

private:
    void stopReading(LineReader& reader);
};

} // namespace quarrow
