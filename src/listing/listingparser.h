#pragma once

#include "listing/listingline.h"
#include "store/bookpage.h"
#include "store/reportstore.h"

#include <string>
#include <string_view>

namespace quarrow {

// What the undivided and the divided parser share: the store they fill, the block of the
// page that the next station goes to, and the way they take a line and write its texts.
class ListingParser
{
protected:
    explicit ListingParser(ReportStore& store) : s(store), p(store.Parser) {}

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
    int m_block = 2;
};

} // namespace quarrow
