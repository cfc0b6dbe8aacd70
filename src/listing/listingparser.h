#pragma once

#include "listing/listingline.h"
#include "listing/unusedlines.h"
#include "store/bookpage.h"
#include "store/codepage.h"
#include "store/messenger.h"
#include "store/reportstore.h"
#include "store/runerror.h"
#include "store/textfile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow {

// Blanks that stand for a value a station column line leaves out.
inline const std::string kFourBlanks(4, ' ');
inline const std::string kFiveBlanks(5, ' ');
inline const std::string kSixBlanks(6, ' ');

// What a centre-line field that holds no number does to the book.
enum class CentreLinePolicy {
    // The undivided listing's centre line is always a number: any other text is a damaged
    // line, and stops the book there.
    StopTheBook,
    // A divided listing carries a note's text in that field on a median's line: the cell
    // keeps what it held.
    KeepTheCell,
};

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
    // Lists the station just built on page `index`; the third station of a page ends the
    // page, and true is returned.
    bool endStation(PageArray& pages, std::int32_t index);
    // The last page of a book built up to a failure: the page reached, which the page list
    // takes, or the book's last page where the failure came past it.
    std::int32_t keepPagesSoFar(const PageArray& pages, std::int32_t index);
    // The centre-line cut ("C") or fill ("F") of the block on its first line; the lines below
    // it are emptied.
    void writeCentreLine(BookPage& page, const FieldArray& x, CentreLinePolicy policy);

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

// Runs a parser over the listing. A failure stops the book at the station it came in, which
// the user is told of after `whereHead`; the book read so far is kept pageable. Then the user
// is told of the lines not used. False when the listing was not read to its end.
template <typename Parser>
bool parseListing(Parser& parser, ReportStore& store, Messenger& messenger,
                  const std::string& whereHead)
{
    bool read = true;
    try {
        parser.run();
    } catch (const RunError&) {
        messenger.show(whereHead + utf8FromWindows1252(store.Parser.StationText));
        parser.keepBookSoFar();
        read = false;
    }
    parser.tellUnusedLines(messenger);
    return read;
}

} // namespace quarrow
