#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace quarrow {

// The one place where a file name meets the operating system. The program holds names as
// UTF-8, whatever the code page of the files' contents. POSIX systems take those bytes as
// they are. Windows takes them as UTF-16: the narrow calls there would read the bytes in
// the machine's own code page (and the MinGW runtime's std::filesystem::path in yet another
// way), so a name such as "Łódź.stk" would not name the file the user chose.

// As std::fopen.
std::FILE* openFile(const std::string& name, const char* mode);

// The name for the std::filesystem calls.
std::filesystem::path filePath(const std::string& name);

// Puts the file `from` in place of `to`, replacing a file of that name: on Windows a plain
// rename refuses to replace a file. False when it failed.
bool replaceFile(const std::string& from, const std::string& to);

// Whether the name is a symbolic link: the program writes no file through a link, nor over
// one, so that a name can never reach the listing or the report file behind it.
bool isLink(const std::string& name);

// As std::remove.
void removeFile(const std::string& name);

} // namespace quarrow
