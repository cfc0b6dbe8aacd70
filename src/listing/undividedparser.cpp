#include "listing/undividedparser.h"

#include "listing/listingline.h"
#include "listing/listingparser.h"
#include "listing/stakecolumn.h"
#include "store/codepage.h"
#include "store/pictureformat.h"
#include "store/runerror.h"
#include "store/textfile.h"
#include "store/textops.h"

#include <algorithm>

namespace quarrow {
namespace {

class UndividedParser : public ListingParser
{
public:
    explicit UndividedParser(ReportStore& store) : ListingParser(store, 2) {}

    void run()
    {
        LineReader reader(s.InputFileName);
        std::string line;
        nextLine(reader, line); // the roadway-type line
        readStations(reader, [this](std::string_view station) { handleLine(station); });
        addPageItem(s.UndividedPages, s.PageIndex);
        s.LastPage = s.PageIndex;
    }

    // Keeps the book built up to a failure pageable: it ends at the page reached, and the
    // page list holds one item per page of it.
    void keepBookSoFar() { s.LastPage = keepPagesSoFar(s.UndividedPages, s.PageIndex); }

private:
    void handleLine(std::string_view raw)
    {
        std::string line = cleanUndividedLine(raw);
        if (!isStationLine(line))
            return;
        StationPart part = readStation(line);
        takeHeaderFields(s.UndividedPages.write(s.PageIndex), p.FirstField);
        std::string_view fields = fieldsOf(part);
        bool secondLine = p.StationText == p.PrevStationText;
        if (secondLine) {
            m_unused.continueStation(m_line);
            splitFields(fields, p.RightFields);
            buildBlock(s.UndividedPages.write(s.PageIndex));
            completeStation();
            m_unused.completeStation();
            if (p.PageTurned != 1)
                --m_block;
        } else {
            m_unused.startStation(m_line, p.StationText);
            splitFields(fields, p.LeftFields);
        }
        p.PageTurned = 0;
        p.PrevStationText = p.StationText;
    }

    void buildBlock(BookPage& page)
    {
        page.StakeCells.set(m_block, kStationColumn, 0, p.StationText);
        page.HubCells.set(m_block, 0, 0, p.StationText);
        bool leftMessage = isMessageLine(p.LeftFields);
        bool rightMessage = isMessageLine(p.RightFields);
        if (leftMessage && rightMessage)
            buildMessages(page);
        else if (leftMessage)
            buildRightData(page);
        else if (rightMessage)
            buildLeftData(page);
        else
            buildBothData(page);
    }

    void buildMessages(BookPage& page)
    {
        const FieldArray& l = p.LeftFields;
        const FieldArray& r = p.RightFields;
        writeMessage(
            page, m_block, kLeftStakeColumn,
            l[field::kMessageWord] == "Error" ? "Error :" : "Note :", l[field::kMessageText], true);
        writeMessage(
            page, m_block, kRightStakeColumn,
            r[field::kMessageWord] == "Error" ? "Error :" : "Note :", r[field::kMessageText], true);
    }

    void buildRightData(BookPage& page)
    {
        const FieldArray& l = p.LeftFields;
        const FieldArray& r = p.RightFields;
        putStation(page, 1, page.ProfileName + " = " + fmt(r[field::kProfileValue]));
        for (int line = 2; line <= 5; ++line)
            putStation(page, line, "****   " + rightPart(line));
        writeMessage(page, m_block, kLeftStakeColumn,
                     l[field::kMessageWord] == "Note" ? "Note : " : "Error : ",
                     l[field::kMessageText], true);
        writeCentreLine(page, r, CentreLinePolicy::StopTheBook);
        StakeRules rules = stakeRules();
        rules.fillPicture = s.NumberFormat;
        composeStakeColumn(page, m_block, kRightStakeColumn, r, rules);
    }

    void buildLeftData(BookPage& page)
    {
        const FieldArray& l = p.LeftFields;
        const FieldArray& r = p.RightFields;
        putStation(page, 1, page.ProfileName + " = " + fmt(l[field::kProfileValue]));
        putStation(page, 2, leftPart(2) + "    ****");
        for (int line = 3; line <= 5; ++line)
            putStation(page, line, leftPart(line) + "   ****");
        composeStakeColumn(page, m_block, kLeftStakeColumn, l, stakeRules());
        writeCentreLine(page, l, CentreLinePolicy::StopTheBook);
        writeMessage(page, m_block, kRightStakeColumn,
                     r[field::kMessageWord] == "Note" ? "Note : " : "Error : ",
                     r[field::kMessageText], true);
    }

    void buildBothData(BookPage& page)
    {
        const FieldArray& l = p.LeftFields;
        putStation(page, 1, page.ProfileName + " = " + fmt(l[field::kProfileValue]));
        putStation(page, 2, leftPart(2) + "  " + rightPart(2));
        putStation(page, 3, leftPart(3) + rightPart(3));
        putStation(page, 4, leftPart(4) + "  " + rightPart(4));
        putStation(page, 5, leftPart(5) + rightPart(5));
        composeStakeColumn(page, m_block, kLeftStakeColumn, l, stakeRules());
        writeCentreLine(page, l, CentreLinePolicy::StopTheBook);
        composeStakeColumn(page, m_block, kRightStakeColumn, p.RightFields, stakeRules());
    }

    // Lines 2 to 5 of the station column hold each side's shoulder and ditch values:
    // the elevation, "@" and the offset, the elevation less field 4, "@" and the ditch offset.
    std::string leftPart(int line) const
    {
        return sidePart(p.LeftFields, line, "@", kFiveBlanks, kFiveBlanks, "@");
    }
    std::string rightPart(int line) const
    {
        return sidePart(p.RightFields, line, " @", kSixBlanks, kFourBlanks, "  @");
    }

    std::string sidePart(const FieldArray& x, int line, const std::string& offsetMarker,
                         const std::string& noDitch, const std::string& noDitchOffset,
                         const std::string& ditchMarker) const
    {
        switch (line) {
        case 2:
            return fmt(x[field::kElevation]);
        case 3:
            return offsetMarker + (isAbsent(x, field::kOffset) ? " " : fmt(x[field::kOffset]));
        case 4:
            return isAbsent(x, field::kDitchDepth) ? noDitch : fmt(ditchElevation(x));
        default:
            if (isAbsent(x, field::kDitchDepth))
                return " " + noDitchOffset;
            return ditchMarker + (isAbsent(x, field::kDitchOffset)
                                      ? " "
                                      : fmt(fieldNumber(x, field::kOffset) +
                                            fieldNumber(x, field::kDitchOffset)));
        }
    }

    void completeStation()
    {
        if (endStation(s.UndividedPages, s.PageIndex))
            ++s.PageIndex;
        p.LeftFields.fill({});
        p.RightFields.fill({});
    }

    StakeRules stakeRules() const
    {
        return {s.NumberFormat, s.NumberFormat2, "00.00", "@  ", OffsetSense::FromCentre};
    }
};

} // namespace

bool ParseUndivided(ReportStore& store, Messenger& messenger)
{
    startNewBook(store);
    store.PageIndex = 0;
    UndividedParser parser(store);
    return parseListing(parser, store, messenger, " Please correct data input file at station: ");
}

} // namespace quarrow
