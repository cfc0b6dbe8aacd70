#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarrow {

// Listings and report files are Windows-1252 text. These convert their bytes for the
// places that need Unicode: JSON output and the windows.
std::string utf8FromWindows1252(std::string_view text);

// Characters that Windows-1252 cannot hold, and ill-formed UTF-8, become "?".
std::string windows1252FromUtf8(std::string_view text);

// True when `text` is well-formed UTF-8.
bool isUtf8(std::string_view text);

// Nothing when `text` is not well-formed UTF-8 or a character of it has no byte in
// Windows-1252.
std::optional<std::string> exactWindows1252FromUtf8(std::string_view text);

} // namespace quarrow
