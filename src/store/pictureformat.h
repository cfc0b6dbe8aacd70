#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarrow {

// Numbers in listings and cells are plain decimal texts: optional blanks, an optional sign,
// digits with an optional decimal point and fraction (".5" and "5." count), an optional
// exponent and optional blanks. Anything else, the empty text included, is not a number.
std::optional<double> readNumber(std::string_view text);

// As readNumber, but a text that is not a number fails with "Type mismatch" and one beyond
// the range of a double with "Overflow" (RunError).
double toNumber(std::string_view text);

// Formats a number with a picture: "#" is an optional and "0" a required digit, "." the
// decimal point ("##.00", "##.000", "00.00"). The number is first taken to 15 significant
// digits, then rounded half away from zero; a result of zero carries no minus sign.
// A picture of n "@" right-aligns the number's plain text in n places. The empty picture
// gives the shortest plain text (up to 15 significant digits, "0.5", "-12.25").
// A number that is not finite fails with "Overflow" (RunError).
std::string Format(double value, std::string_view picture);

// Formats a text as it stands: a numeric text is formatted as its number; a blank or
// non-numeric text comes back unchanged. With an "@" picture the text is right-aligned.
std::string Format(std::string_view text, std::string_view picture);

} // namespace quarrow
