#include "store/codepage.h"

#include <array>
#include <cstdint>

namespace quarrow {
namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined
// keep their C1 code points, as Windows itself maps them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char> byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `at`. An ill-formed one (a stray or missing continuation
// byte, an overlong form, a surrogate, beyond U+10FFFF) gives nothing and moves on by one
// byte: read leniently, an overlong "/" would pass as a NUL and an overlong "," as a comma,
// and the bytes F8 to FF, which lead no UTF-8 sequence, would lead one.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at)
{
    static constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || at + static_cast<std::size_t>(extra) > text.size())
        return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < kShortest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    at += static_cast<std::size_t>(extra);
    return c;
}

} // namespace

std::string utf8FromWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char byte : text)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
    return out;
}

std::string windows1252FromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        auto c = decodeUtf8(text, at);
        out += c ? byteOf(*c).value_or('?') : '?';
    }
    return out;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        if (!decodeUtf8(text, at))
            return false;
    }
    return true;
}

std::optional<std::string> exactWindows1252FromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        auto c = decodeUtf8(text, at);
        auto byte = c ? byteOf(*c) : std::nullopt;
        if (!byte)
            return std::nullopt;
        out += *byte;
    }
    return out;
}

} // namespace quarrow
