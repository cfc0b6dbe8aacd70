#include "listing/listingline.h"

#include "store/pictureformat.h"
#include "store/runerror.h"
#include "store/textops.h"

namespace quarrow {

std::string cleanUndividedLine(std::string_view line)
{
    auto emptyField = line.find(",,");
    if (emptyField != std::string_view::npos)
        return std::string(line.substr(0, emptyField));
    return std::string(trimBlanks(line));
}

bool isStationLine(std::string_view line)
{
    return contains(line, ",") && !contains(line, std::string_view("\x01", 1));
}

void takeHeaderFields(BookPage& page, std::string_view firstField)
{
    auto blank = firstField.find(' ');
    if (blank == std::string_view::npos) {
        page.RoadwayName = std::string(firstField);
        page.ProfileName = "SGCLE";
    } else {
        page.RoadwayName = std::string(trimBlanks(firstField.substr(0, blank)));
        page.ProfileName = std::string(trimBlanks(firstField.substr(blank + 1)));
    }
}

StationPart splitStation(std::string_view line)
{
    std::string_view rest = trimBlanks(after(line, ','));
    StationPart part;
    part.station = std::string(before(rest, ','));
    part.complete = contains(rest, ",");
    part.fields = after(rest, ',');
    return part;
}

void splitFields(std::string_view text, FieldArray& fields)
{
    fields.fill({});
    std::size_t index = 0;
    auto store = [&](std::string_view field) {
        if (index >= fields.size())
            fail(errors::kSubscriptOutOfRange);
        fields[index++] = std::string(field);
    };
    for (auto comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
        store(text.substr(0, comma));
        text = trimBlanks(text.substr(comma + 1));
    }
    store(trimBlanks(text));
}

bool isMessageLine(const FieldArray& fields)
{
    return fields[0] == "Error" || fields[0] == "Note";
}

double fieldNumber(const FieldArray& fields, int index)
{
    return toNumber(fields.at(static_cast<std::size_t>(index)));
}

double fieldFiveOrZero(const FieldArray& fields)
{
    double five = fieldNumber(fields, field::kDitchOffset);
    return five > 990 ? 0.0 : five;
}

double ditchElevation(const FieldArray& fields)
{
    return fieldNumber(fields, field::kElevation) - fieldNumber(fields, field::kDitchDepth);
}

bool isAbsent(const FieldArray& fields, int index)
{
    return fieldNumber(fields, index) > 990;
}

} // namespace quarrow
