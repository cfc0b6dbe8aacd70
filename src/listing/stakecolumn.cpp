#include "listing/stakecolumn.h"

#include "listing/listingline.h"
#include "store/pictureformat.h"
#include "store/textops.h"

namespace quarrow {
namespace {

class StakeWriter
{
public:
    StakeWriter(BookPage& page, int block, int column, const FieldArray& x, const StakeRules& rules)
        : m_page(page), m_block(block), m_column(column), m_x(x), m_rules(rules)
    {}

    void writeFill()
    {
        put(0, "F  " + fmt(field::kFill));
        put(1, m_rules.fillMarker + Format(offset(number(field::kOffset) + fieldFiveOrZero(m_x) +
                                                  number(field::kFillOffset)),
                                           m_rules.fillPicture));
        put(2, "FS = " + Format(std::string_view(m_x[field::kFillSlope]), m_rules.numberFormat2));
        put(3, isAbsent(m_x, field::kDitchDepth) ? "TO SHLD PT" : "TO HP");
        clearFrom(4);
    }

    void writeCut()
    {
        put(0, "C " + cutRatio() + " @" + fmt(offset(toFoundation() + number(field::kCutRise))));
        put(1, "TO ELEV " + fmt(field::kCutElevation));
        put(2, "BS = " + Format(std::string_view(m_x[field::kBackSlope]), m_rules.numberFormat2));
        // Summed in this order: another order can round the last digit differently.
        put(3, "TBS = " + fmt(offset(number(field::kOffset) + number(field::kCutOffset) +
                                     fieldFiveOrZero(m_x) + number(field::kFoundationDepth))));
        put(4, fmt(field::kFoundationDepth) + " FBD");
        clearFrom(5);
    }

    void writeCutNoBackslope()
    {
        put(0, "C 00");
        put(1, "TO ELEV " + fmt(field::kCutElevation));
        put(2, fmt(field::kFoundationDepth) + " FBD");
        put(3, fmt(offset(toFoundation())) + " TO " + fmt(offset(toCut())));
        clearFrom(4);
    }

private:
    double number(int index) const { return fieldNumber(m_x, index); }
    // The sums of offsets a cut's stakes stand at, before the side's sense is applied.
    double toCut() const
    {
        return number(field::kOffset) + fieldFiveOrZero(m_x) + number(field::kCutOffset);
    }
    double toFoundation() const { return toCut() + number(field::kFoundationDepth); }
    double offset(double sum) const { return offsetOf(sum, m_x, m_rules.sense); }
    std::string fmt(int index) const
    {
        return Format(std::string_view(m_x[static_cast<std::size_t>(index)]), m_rules.numberFormat);
    }
    std::string fmt(double value) const { return Format(value, m_rules.numberFormat); }

    std::string cutRatio() const
    {
        double slope = number(field::kBackSlope);
        return slope == 0 ? " " : fmt(number(field::kCutRise) / slope);
    }

    void put(int line, std::string text)
    {
        m_page.StakeCells.set(m_block, m_column, line, std::move(text));
    }
    void clearFrom(int line)
    {
        for (; line < StakeTable::kLines; ++line)
            put(line, {});
    }

    BookPage& m_page;
    int m_block;
    int m_column;
    const FieldArray& m_x;
    const StakeRules& m_rules;
};

} // namespace

double offsetOf(double sum, const FieldArray& x, OffsetSense sense)
{
    switch (sense) {
    case OffsetSense::LeftOfField17:
        return fieldNumber(x, field::kRoadwayOffset) - sum;
    case OffsetSense::RightOfField17:
        return fieldNumber(x, field::kRoadwayOffset) + sum;
    case OffsetSense::FromCentre:
        break;
    }
    return sum;
}

void composeStakeColumn(BookPage& page, int block, int column, const FieldArray& x,
                        const StakeRules& rules)
{
    StakeWriter writer(page, block, column, x, rules);
    std::string_view code = trimBlanks(x[field::kTypeCode]);
    if (code == "F")
        writer.writeFill();
    else if (code == "C")
        writer.writeCut();
    else if (code == "CNBS")
        writer.writeCutNoBackslope();
}

void writeMessage(BookPage& page, int block, int column, std::string header, std::string_view text,
                  bool restInLastLine)
{
    constexpr std::size_t kPiece = 25;
    page.StakeCells.set(block, column, 0, std::move(header));
    for (int line = 1; line <= 5; ++line) {
        auto start = static_cast<std::size_t>(line - 1) * kPiece;
        page.StakeCells.set(block, column, line,
                            start < text.size() ? std::string(text.substr(start, kPiece)) : "");
    }
    if (restInLastLine)
        page.StakeCells.set(block, column, 6,
                            text.size() > 5 * kPiece ? std::string(text.substr(5 * kPiece)) : "");
}

} // namespace quarrow
