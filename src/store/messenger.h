#pragma once

#include <string>

namespace quarrow {

// Everything the book routines tell the user goes through here. The desktop program shows
// each text in an OK-only message box under its own title; the command-line tool prints it.
// Texts are UTF-8, like file names: a book text quoted in one is converted from the
// Windows-1252 of listings and report files (utf8FromWindows1252).
class Messenger
{
public:
    virtual ~Messenger() = default;
    virtual void show(const std::string& text) = 0;
};

} // namespace quarrow
