#include "cli/quarrowbook.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr));
}
