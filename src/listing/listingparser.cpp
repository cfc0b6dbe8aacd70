#include "listing/listingparser.h"

#include "listing/listingline.h"
#include "listing/stakecolumn.h"
#include "store/pictureformat.h"
#include "store/runerror.h"
#include "store/textops.h"

#include <algorithm>
#include <optional>

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

bool ListingParser::endStation(PageArray& pages, std::int32_t index)
{
    s.StationItems.push_back(p.StationText);
    s.PageStationItems.push_back(listColumn(index + 1) + listColumn(p.StationText));
    BookPage& page = pages.write(index);
    if (m_block == 2)
        page.FirstStation = p.StationText;
    if (m_block != 0)
        return false;
    page.LastStation = p.StationText;
    addPageItem(pages, index);
    p.PageTurned = 1;
    m_block = 2;
    return true;
}

std::int32_t ListingParser::keepPagesSoFar(const PageArray& pages, std::int32_t index)
{
    int capacity = pages.capacity();
    if (index < capacity)
        addPageItem(pages, index);
    return std::min(index, capacity - 1);
}

void ListingParser::writeCentreLine(BookPage& page, const FieldArray& x, CentreLinePolicy policy)
{
    std::optional<double> value = policy == CentreLinePolicy::StopTheBook
                                      ? fieldNumber(x, field::kCentreLine)
                                      : readNumber(x[field::kCentreLine]);
    if (value) {
        std::string text = *value < 0 ? "C " + fmt(*value) : *value > 0 ? "F " + fmt(*value) : "";
        page.StakeCells.set(m_block, kCentreColumn, 0, std::move(text));
    }
    for (int line = 1; line < StakeTable::kLines; ++line)
        page.StakeCells.set(m_block, kCentreColumn, line, {});
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
