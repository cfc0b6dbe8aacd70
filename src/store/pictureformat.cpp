#include "store/pictureformat.h"

#include "store/runerror.h"
#include "store/textops.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quarrow {
namespace {

enum class Reading { Number, NotNumber, OutOfRange };

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// Exact powers of ten: every one up to 10^22 is a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A number text taken apart: value = mantissa x 10^exponent, exactly, when it has at most
// 19 significant digits.
struct DecimalText
{
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    long exponent = 0;
    // The decimal exponent of the first significant digit (very small for zero), so that a
    // number beyond range can be told apart as overflow or underflow.
    long leadingExponent = -100000;
};

// Takes the digits of `digits` into the mantissa; `firstPower` is the decimal exponent of
// its first digit.
void takeDigits(std::string_view digits, long firstPower, DecimalText& number)
{
    for (std::size_t i = 0; i < digits.size(); ++i) {
        int digit = digits[i] - '0';
        if (number.significantDigits == 0 && digit == 0)
            continue;
        if (number.significantDigits == 0)
            number.leadingExponent = firstPower - static_cast<long>(i);
        if (number.significantDigits < 19)
            number.mantissa = number.mantissa * 10 + static_cast<std::uint64_t>(digit);
        ++number.significantDigits;
    }
}

// True when `text` (already trimmed, without its sign) follows the number grammar.
bool scanNumber(std::string_view text, DecimalText& number)
{
    std::size_t intEnd = skipDigits(text, 0);
    std::size_t fracStart = intEnd;
    std::size_t fracEnd = intEnd;
    if (intEnd < text.size() && text[intEnd] == '.') {
        fracStart = intEnd + 1;
        fracEnd = skipDigits(text, fracStart);
    }
    if (intEnd + (fracEnd - fracStart) == 0)
        return false;
    std::size_t at = fracEnd;
    long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            negative = text[at++] == '-';
        std::size_t expStart = at;
        at = skipDigits(text, at);
        if (at == expStart)
            return false;
        for (std::size_t i = expStart; i < at && exponent < 100000; ++i)
            exponent = exponent * 10 + (text[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    if (at != text.size())
        return false;
    auto fracDigits = static_cast<long>(fracEnd - fracStart);
    takeDigits(text.substr(0, intEnd), exponent + static_cast<long>(intEnd) - 1, number);
    takeDigits(text.substr(fracStart, fracEnd - fracStart), exponent - 1, number);
    number.exponent = exponent - fracDigits;
    return true;
}

// A mantissa and a power of ten that are both exact doubles give the correctly rounded
// value in one multiplication or division; anything else is left to the full conversion.
bool readExactly(const DecimalText& number, double& value)
{
    if (number.significantDigits > 15 || number.exponent < -22 || number.exponent > 22)
        return false;
    auto mantissa = static_cast<double>(number.mantissa);
    double power = kPowersOfTen[static_cast<std::size_t>(std::labs(number.exponent))];
    value = number.exponent < 0 ? mantissa / power : mantissa * power;
    return true;
}

Reading parseNumber(std::string_view text, double& value)
{
    std::string_view trimmed = trimBlanks(text);
    bool negative = !trimmed.empty() && trimmed.front() == '-';
    if (!trimmed.empty() && (trimmed.front() == '+' || trimmed.front() == '-'))
        trimmed.remove_prefix(1);
    DecimalText number;
    if (!scanNumber(trimmed, number))
        return Reading::NotNumber;
    if (!readExactly(number, value)) {
        auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
        if (ec == std::errc::result_out_of_range) {
            if (number.leadingExponent > 0)
                return Reading::OutOfRange;
            value = 0.0; // below the smallest double: the text means zero for all our purposes
        } else if (ec != std::errc() || end != trimmed.data() + trimmed.size()) {
            return Reading::NotNumber;
        }
    }
    if (negative)
        value = -value;
    return Reading::Number;
}

// The decimal digits of |value| to 15 significant digits, and the decimal exponent of the
// first digit: value = 0.d1d2...d15 x 10^(exponent + 1).
struct Digits
{
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// The value to 15 significant digits by one multiplication with an exact power of ten: the
// product is within 1/16 of the exact scaled value, so its rounding to a whole number is
// the exact one unless it lies within 1/10 of a half. False where this cannot be trusted.
bool fastSignificantDigits(double magnitude, Digits& d)
{
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return false;
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    auto scaledBy = [&](int e) {
        return magnitude * kPowersOfTen[static_cast<std::size_t>(14 - e)];
    };
    double scaled = scaledBy(exponent);
    if (scaled >= 1e15 && exponent < 14)
        scaled = scaledBy(++exponent);
    else if (scaled < 1e14 && exponent > -5)
        scaled = scaledBy(--exponent);
    if (scaled < 1e14 || scaled >= 1e15 || std::fabs(scaled - std::floor(scaled) - 0.5) < 0.1)
        return false;
    auto digits = static_cast<std::uint64_t>(std::floor(scaled + 0.5));
    if (digits == 1000000000000000ULL) {
        digits /= 10;
        ++exponent;
    }
    d.digits = std::to_string(digits);
    d.exponent = exponent;
    return true;
}

// The shortest text that reads back as the value is much cheaper to produce than a text of
// a given precision; when it has 15 digits or fewer it is also the value to 15 digits.
Digits significantDigits(double value)
{
    if (!std::isfinite(value))
        fail(errors::kOverflow);
    Digits d;
    d.negative = std::signbit(value);
    double magnitude = std::fabs(value);
    if (fastSignificantDigits(magnitude, d))
        return d;
    char buffer[32];
    auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    if (text.find('e') > 16) {
        end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                            std::chars_format::scientific, 14)
                  .ptr;
        text = std::string_view(buffer, static_cast<std::size_t>(end - buffer));
    }
    std::size_t e = text.find('e');
    d.digits.push_back(text[0]);
    if (e > 1)
        d.digits.append(text.substr(2, e - 2));
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
    return d;
}

// The value times 10^decimals, rounded half away from zero, as a digit string.
std::string scaledDigits(const Digits& d, int decimals)
{
    long keep = static_cast<long>(d.exponent) + 1 + decimals;
    if (keep < 0)
        return "0";
    std::string kept = d.digits;
    if (keep >= static_cast<long>(kept.size())) {
        kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
        return kept;
    }
    bool roundUp = kept[static_cast<std::size_t>(keep)] >= '5';
    kept.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    return kept.empty() ? "0" : kept;
}

struct DigitPicture
{
    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    bool point = false;
};

std::optional<DigitPicture> readDigitPicture(std::string_view picture)
{
    DigitPicture p;
    for (char c : picture) {
        if (c == '.' && !p.point)
            p.point = true;
        else if (c == '0')
            ++(p.point ? p.requiredDecimals : p.minIntegerDigits);
        else if (c == '#')
            p.optionalDecimals += p.point ? 1 : 0;
        else
            return std::nullopt;
    }
    return p;
}

std::string formatDigits(double value, const DigitPicture& p)
{
    Digits d = significantDigits(value);
    int decimals = p.requiredDecimals + p.optionalDecimals;
    std::string scaled = scaledDigits(d, decimals);
    bool zero = scaled.find_first_not_of('0') == std::string::npos;
    if (scaled.size() <= static_cast<std::size_t>(decimals))
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');

    std::string integer = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    std::string fraction = scaled.substr(integer.size());
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < static_cast<std::size_t>(p.minIntegerDigits))
        integer.insert(0, static_cast<std::size_t>(p.minIntegerDigits) - integer.size(), '0');
    while (fraction.size() > static_cast<std::size_t>(p.requiredDecimals) && fraction.back() == '0')
        fraction.pop_back();

    std::string text = (d.negative && !zero) ? "-" : "";
    text += integer;
    if (p.point)
        text += '.' + fraction;
    return text;
}

std::string exponentText(int exponent)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2)
        digits.insert(0, 1, '0');
    return std::string(exponent < 0 ? "E-" : "E+") + digits;
}

std::string plainText(double value)
{
    if (value == 0.0)
        return "0";
    Digits d = significantDigits(value);
    std::string digits = d.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = d.negative ? "-" : "";
    if (d.exponent < -4 || d.exponent > 14) {
        text += digits.substr(0, 1);
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        return text + exponentText(d.exponent);
    }
    if (d.exponent < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= integerDigits)
        return text + digits + std::string(integerDigits - digits.size(), '0');
    return text + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

bool isAlignPicture(std::string_view picture)
{
    return !picture.empty() && picture.find_first_not_of('@') == std::string_view::npos;
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    double value = 0.0;
    if (parseNumber(text, value) != Reading::Number)
        return std::nullopt;
    return value;
}

double toNumber(std::string_view text)
{
    double value = 0.0;
    switch (parseNumber(text, value)) {
    case Reading::Number:
        return value;
    case Reading::OutOfRange:
        fail(errors::kOverflow);
    case Reading::NotNumber:
        break;
    }
    fail(errors::kTypeMismatch);
}

std::string Format(double value, std::string_view picture)
{
    if (isAlignPicture(picture))
        return rightAlign(plainText(value), picture.size());
    auto digitPicture = picture.empty() ? std::nullopt : readDigitPicture(picture);
    return digitPicture ? formatDigits(value, *digitPicture) : plainText(value);
}

std::string Format(std::string_view text, std::string_view picture)
{
    if (isAlignPicture(picture))
        return rightAlign(text, picture.size());
    auto number = readNumber(text);
    return number ? Format(*number, picture) : std::string(text);
}

} // namespace quarrow
