#pragma once

#include <string>
#include <vector>

namespace quarrow {

// The program's arguments, without its own name, as UTF-8 texts: on Windows they are taken
// from the wide command line, since the narrow one is in the machine's code page.
std::vector<std::string> commandLineArguments(int argc, char** argv);

} // namespace quarrow
