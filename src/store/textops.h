#pragma once

#include <string>
#include <string_view>

namespace quarrow {

// A blank is the space character only: tabs and other bytes of a cell are kept.
std::string_view trimBlanks(std::string_view text);
std::string upperAscii(std::string_view text);

// Right-aligns a text in `width` places, blanks added on the left; a longer text is kept whole.
std::string rightAlign(std::string_view text, std::size_t width);

inline bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The text before the first `separator`, or the whole text when there is none.
inline std::string_view before(std::string_view text, char separator)
{
    return text.substr(0, text.find(separator));
}

// The text after the first `separator`, or nothing when there is none.
inline std::string_view after(std::string_view text, char separator)
{
    auto at = text.find(separator);
    return at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
}

} // namespace quarrow
