#include "store/textops.h"

namespace quarrow {

std::string_view trimBlanks(std::string_view text)
{
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string upperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string rightAlign(std::string_view text, std::size_t width)
{
    std::string aligned;
    if (text.size() < width)
        aligned.assign(width - text.size(), ' ');
    aligned.append(text);
    return aligned;
}

} // namespace quarrow
