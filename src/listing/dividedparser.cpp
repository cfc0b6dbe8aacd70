#include "listing/dividedparser.h"

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

const std::string kPlaceholderAfter = "   ****";
const std::string kPlaceholderBefore = "****   ";

// Lines that the road-design package marks with four empty fields from the 9th character
// on are cut before their first comma, so they are skipped like lines without one.
std::string cleanDividedLine(std::string_view line)
{
    if (line.size() >= 12 && line.substr(8, 4) == ",,,,")
        return std::string(before(line, ','));
    return std::string(trimBlanks(line));
}

// One roadway's pair of lines: line A is its left side, line B its right side. The median
// lies on the left roadway's right side and on the right roadway's left side.
struct Roadway
{
    PageArray& pages;
    int pageIndex;
    FieldArray& a;
    FieldArray& b;
    bool right;
};

// Which sides the station column shows values for.
enum class Shown { Both, OnlyA, OnlyB };

struct NoteHeaders
{
    const char* error;
    const char* note;
};

// The header of a note or error cell, by roadway, by whether both sides carry one, and by
// the column it stands in.
NoteHeaders noteHeaders(bool rightRoadway, bool bothSpecial, int column)
{
    if (bothSpecial)
        return {"Error : ", "Note : "};
    if (!rightRoadway)
        return column == kLeftStakeColumn ? NoteHeaders{"Error : ", "Note : "}
                                          : NoteHeaders{"Error :", "Note : "};
    return column == kLeftStakeColumn ? NoteHeaders{"Error: ", "Note :"}
                                      : NoteHeaders{"Error: ", "Note : "};
}

class DividedParser : public ListingParser
{
public:
    explicit DividedParser(ReportStore& store) : ListingParser(store, 4) {}

    void run()
    {
        LineReader reader(s.InputFileName);
        TemporaryFile work1(s.WorkFile1Name);
        TemporaryFile work2(s.WorkFile2Name);
        std::string line;
        if (!nextLine(reader, line))
            return; // no header line: nothing to build
        readStations(reader, [this](std::string_view station) { handleLine(station); });
        addPageItem(s.RightPages, s.RightPageIndex);
        s.LastRightPage = s.RightPageIndex;
        s.LastLeftPage = s.LeftPageIndex;
    }

    // Keeps the books built up to a failure pageable: they end at the page reached, and
    // the page list holds one item per page of them.
    void keepBookSoFar()
    {
        s.LastRightPage = keepPagesSoFar(s.RightPages, s.RightPageIndex);
        s.LastLeftPage = std::min(s.LeftPageIndex, s.RightPages.capacity() - 1);
    }

private:
    void handleLine(std::string_view raw)
    {
        std::string line = cleanDividedLine(raw);
        if (!isStationLine(line))
            return;
        StationPart part = readStation(line);
        takeHeaderFields(s.LeftPages.write(s.LeftPageIndex), p.FirstField);
        takeHeaderFields(s.RightPages.write(s.RightPageIndex), p.FirstField);
        std::string_view fields = fieldsOf(part);
        bool continued = p.StationText == p.PrevStationText;
        if (continued)
            continueStation(fields);
        else
            startStation(fields);
        p.PageTurned = 0;
        p.PrevStationText = p.StationText;
    }

    void startStation(std::string_view fields)
    {
        m_unused.startStation(m_line, p.StationText);
        p.StationLineCount = 0;
        splitFields(fields, p.LeftOuterFields);
    }

    void continueStation(std::string_view fields)
    {
        FieldArray* targets[] = {&p.LeftMedianFields, &p.RightMedianFields, &p.RightOuterFields};
        m_unused.continueStation(m_line);
        if (p.StationLineCount >= 0 && p.StationLineCount < 3)
            splitFields(fields, *targets[p.StationLineCount]);
        ++p.StationLineCount;
        if (p.StationLineCount == 1)
            composeBlock(leftRoadway());
        if (p.StationLineCount == 3) {
            composeBlock(rightRoadway());
            completeStation();
            m_unused.completeStation();
            if (p.PageTurned != 1)
                --m_block;
        }
    }

    Roadway leftRoadway()
    {
        return {s.LeftPages, s.LeftPageIndex, p.LeftOuterFields, p.LeftMedianFields, false};
    }
    Roadway rightRoadway()
    {
        return {s.RightPages, s.RightPageIndex, p.RightMedianFields, p.RightOuterFields, true};
    }

    void composeBlock(const Roadway& r)
    {
        BookPage& page = r.pages.write(r.pageIndex);
        bool aSpecial = isMessageLine(r.a);
        bool bSpecial = isMessageLine(r.b);
        if (aSpecial)
            r.a[field::kTypeCode].clear();
        if (bSpecial)
            r.b[field::kTypeCode].clear();
        if (!aSpecial && !bSpecial) {
            writeStationColumn(page, r, Shown::Both);
        } else if (!aSpecial) {
            writeStationColumn(page, r, Shown::OnlyA);
            writeNote(page, r, kRightStakeColumn, false);
        } else if (!bSpecial) {
            writeStationColumn(page, r, Shown::OnlyB);
            writeNote(page, r, kLeftStakeColumn, false);
        } else {
            writeStationCell(page);
            writeNote(page, r, kLeftStakeColumn, true);
            writeNote(page, r, kRightStakeColumn, true);
        }
        composeStakeColumn(page, m_block, kLeftStakeColumn, r.a, stakeRules(r, false));
        composeStakeColumn(page, m_block, kRightStakeColumn, r.b, stakeRules(r, true));
        writeCentreLine(page, r.right ? r.b : r.a, CentreLinePolicy::KeepTheCell);
        composeMedian(page, r);
        if (m_block == 2) {
            page.FirstStation = p.StationText;
        } else if (m_block == 0) {
            page.LastStation = p.StationText;
            if (!r.right)
                p.PageTurned = 1;
        }
    }

    void writeStationCell(BookPage& page)
    {
        putStation(page, 0, p.StationText);
        page.HubCells.set(m_block, 0, 0, p.StationText);
    }

    // The station column: station, profile value, the hub's offset from the roadway line,
    // and per side the shoulder elevation, the shoulder offset, the ditch elevation and the
    // ditch offset. A side that carries a note shows placeholders.
    void writeStationColumn(BookPage& page, const Roadway& r, Shown shown)
    {
        const FieldArray& regular = shown == Shown::OnlyB ? r.b : r.a;
        writeStationCell(page);
        putStation(page, 1, page.ProfileName + " = " + fmt(regular[field::kProfileValue]));
        putStation(page, 2, kSixBlanks + "@ " + fmt(regular[field::kRoadwayOffset]));
        switch (shown) {
        case Shown::Both: {
            const std::string& noLeftDitch = r.right ? kFiveBlanks : kSixBlanks;
            putStation(page, 3, aPart(r.a, 3, noLeftDitch) + "  " + bPart(r.b, 3));
            putStation(page, 4, aPart(r.a, 4, noLeftDitch) + bPart(r.b, 4));
            putStation(page, 5, aPart(r.a, 5, noLeftDitch) + "  " + bPart(r.b, 5));
            putStation(page, 6, aPart(r.a, 6, noLeftDitch) + bPart(r.b, 6));
            break;
        }
        case Shown::OnlyA:
            for (int line = 3; line <= 6; ++line)
                putStation(page, line, aPart(r.a, line, kFiveBlanks) + kPlaceholderAfter);
            break;
        case Shown::OnlyB:
            putStation(page, 3, kPlaceholderBefore + bPart(r.b, 3));
            putStation(page, 4,
                       kPlaceholderBefore + "@" + fmt(field17(r.b) + fieldThreeOrZero(r.b)));
            putStation(page, 5, kPlaceholderBefore + bPart(r.b, 5));
            putStation(page, 6, kPlaceholderBefore + bPart(r.b, 6));
            break;
        }
    }

    std::string aPart(const FieldArray& a, int line, const std::string& noDitch) const
    {
        switch (line) {
        case 3:
            return fmt(a[field::kElevation]);
        case 4:
            return "@" + fmt(field17(a) - fieldThreeOrZero(a));
        case 5:
            return isAbsent(a, field::kDitchDepth) ? noDitch : fmt(ditchElevation(a));
        default:
            if (isAbsent(a, field::kDitchDepth))
                return " " + kFiveBlanks;
            return "@" + (isAbsent(a, field::kDitchOffset)
                              ? std::string(" ")
                              : fmt(field17(a) - fieldNumber(a, field::kOffset) -
                                    fieldNumber(a, field::kDitchOffset)));
        }
    }

    std::string bPart(const FieldArray& b, int line) const
    {
        switch (line) {
        case 3:
            return fmt(b[field::kElevation]);
        case 4:
            return " @" + fmt(field17(b) + fieldThreeOrZero(b));
        case 5:
            return isAbsent(b, field::kDitchDepth) ? kSixBlanks : fmt(ditchElevation(b));
        default:
            if (isAbsent(b, field::kDitchDepth))
                return " " + kFourBlanks;
            return "  @" + (isAbsent(b, field::kDitchOffset)
                                ? std::string(" ")
                                : fmt(field17(b) + fieldNumber(b, field::kOffset) +
                                      fieldNumber(b, field::kDitchOffset)));
        }
    }

    void writeNote(BookPage& page, const Roadway& r, int column, bool bothSpecial)
    {
        const FieldArray& x = column == kLeftStakeColumn ? r.a : r.b;
        NoteHeaders headers = noteHeaders(r.right, bothSpecial, column);
        writeMessage(page, m_block, column,
                     x[field::kMessageWord] == "Error" ? headers.error : headers.note,
                     x[field::kMessageText], false);
    }

    StakeRules stakeRules(const Roadway& r, bool lineB) const
    {
        bool leftRoadwayOuter = !r.right && !lineB;
        return {s.NumberFormat, s.NumberFormat2, s.NumberFormat, leftRoadwayOuter ? "@   " : "@  ",
                lineB ? OffsetSense::RightOfField17 : OffsetSense::LeftOfField17};
    }

    // The median side's stake, type code "M": the kind of median is named by field 16.
    void composeMedian(BookPage& page, const Roadway& r)
    {
        const FieldArray& m = r.right ? r.a : r.b;
        if (trimBlanks(m[field::kTypeCode]) != "M")
            return;
        int column = r.right ? kLeftStakeColumn : kRightStakeColumn;
        OffsetSense sense = r.right ? OffsetSense::LeftOfField17 : OffsetSense::RightOfField17;
        auto put = [&](int line, std::string text) {
            page.StakeCells.set(m_block, column, line, std::move(text));
        };
        auto number = [&](int index) { return fieldNumber(m, index); };
        auto off = [&](double sum) { return fmt(offsetOf(sum, m, sense)); };
        const std::string& code = m[field::kMedianKind];
        if (code == "SSTOGRD" || code == "BBSTOGRD") {
            put(0, (r.right ? "MED F " : "MED F  ") + fmt(m[field::kFill]));
            put(1, (r.right ? "@ " : "@  ") + off(number(field::kOffset) +
                                                  number(field::kFillOffset) + fieldFiveOrZero(m)));
            put(2, "FS = " + Format(std::string_view(m[field::kFillSlope]), s.NumberFormat2));
            put(3, isAbsent(m, field::kDitchDepth) ? "TO SHLD PT" : "TO HP");
        } else if (code == "SSTOV" || code == "BBSTOV") {
            double five = code == "BBSTOV" ? fieldFiveOrZero(m) : 0.0;
            put(0, "MEDIAN");
            put(1, "TO ELEV " + fmt(m[field::kCutElevation]));
            put(2, "V-DITCH @" + off(number(field::kOffset) + number(field::kCutOffset) + five));
            put(3, "");
        } else if (code == "SSTOFBD" || code == "BBSTOFBD") {
            double five = code == "BBSTOFBD" ? fieldFiveOrZero(m) : 0.0;
            double offset = number(field::kOffset) + number(field::kCutOffset);
            put(0, "MEDIAN");
            put(1, "TO ELEV " + fmt(m[field::kCutElevation]));
            put(2, fmt(m[field::kFoundationDepth]) + " FBD");
            put(3,
                off(offset + five) + " TO " + off(offset + number(field::kFoundationDepth) + five));
        } else {
            return;
        }
        put(4, "");
    }

    // Both books turn their page together: the right book's pages list the stations.
    void completeStation()
    {
        if (endStation(s.RightPages, s.RightPageIndex)) {
            ++s.LeftPageIndex;
            ++s.RightPageIndex;
        }
    }

    static double field17(const FieldArray& x) { return fieldNumber(x, field::kRoadwayOffset); }
    static double fieldThreeOrZero(const FieldArray& x)
    {
        double three = fieldNumber(x, field::kOffset);
        return three > 990 ? 0.0 : three;
    }
};

} // namespace

bool ParseDivided(ReportStore& store, Messenger& messenger)
{
    startNewBook(store);
    store.LeftPageIndex = 0;
    store.RightPageIndex = 0;
    DividedParser parser(store);
    return parseListing(parser, store, messenger, " There is something wrong at Sta. ");
}

} // namespace quarrow
