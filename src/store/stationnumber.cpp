#include "store/stationnumber.h"

#include "store/pictureformat.h"
#include "store/runerror.h"
#include "store/textops.h"

#include <cmath>
#include <limits>
#include <string>

namespace quarrow {
namespace {

double stationPart(std::string_view part)
{
    return part.empty() ? 0.0 : toNumber(part);
}

double stationValue(std::string_view text)
{
    if (!contains(text, "+"))
        return text == "." ? 0.0 : stationPart(text);
    double value = stationPart(before(text, '+')) * 100 + stationPart(after(text, '+'));
    if (!std::isfinite(value))
        fail(errors::kOverflow);
    return value;
}

} // namespace

bool isStationNumber(std::string_view text)
{
    if (!contains(text, "+") || trimBlanks(before(text, '+')).empty() ||
        trimBlanks(after(text, '+')).empty())
        return false;
    try {
        stationValue(text);
        return true;
    } catch (const RunError&) {
        return false;
    }
}

double ConvertInDouble(std::string_view text, Messenger& messenger)
{
    try {
        return stationValue(text);
    } catch (const RunError& error) {
        messenger.show(std::string("Program Error: ") + error.what() +
                       " occured in ConvertInDouble");
        return std::numeric_limits<double>::quiet_NaN();
    }
}

} // namespace quarrow
