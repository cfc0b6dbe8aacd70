#include "listing/listingparser.h"

#include "listing/listingline.h"
#include "listing/stakecolumn.h"
#include "store/pictureformat.h"
#include "store/runerror.h"
#include "store/textops.h"

namespace quarrow {

void ListingParser::tellUnusedLines(Messenger& messenger) const
{
    if (auto report = m_unused.report())
        messenger.show(*report);
}

bool ListingParser::nextLine(LineReader& reader, std::string& line)
{
    if (!reader.next(line))
        return false;
    ++m_line;
    return true;
}

void ListingParser::stopReading(LineReader& reader)
{
    int stoppedAt = m_line;
    std::string line;
    try {
        while (nextLine(reader, line)) {
        }
    } catch (const RunError&) {
        // The lines beyond a read failure cannot be counted: those counted so far are named.
    }
    m_unused.stopReading(stoppedAt, m_line, p.StationText);
}

StationPart ListingParser::readStation(std::string_view line)
{
    p.FirstField = std::string(before(line, ','));
    StationPart part = splitStation(line);
    p.StationText = part.station;
    return part;
}

std::string_view ListingParser::fieldsOf(const StationPart& part)
{
    if (!part.complete)
        fail(errors::kInvalidArgument);
    return part.fields;
}

void ListingParser::putStation(BookPage& page, int line, std::string text)
{
    page.StakeCells.set(m_block, kStationColumn, line, std::move(text));
}

void ListingParser::addPageItem(const PageArray& pages, int index)
{
    const BookPage& page = pages.read(index);
    s.PageItems.push_back(listColumn(index + 1) + listColumn(page.FirstStation) +
                          listColumn(page.LastStation));
}

std::string ListingParser::fmt(const std::string& field) const
{
    return Format(std::string_view(field), s.NumberFormat);
}

std::string ListingParser::fmt(double value) const
{
    return Format(value, s.NumberFormat);
}

} // namespace quarrow
