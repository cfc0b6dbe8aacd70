#include "cli/arguments.h"
#include "cli/quarrowbook.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args = quarrow::commandLineArguments(argc, argv);
    std::unique_ptr<quarrow::BookOutput> output = quarrow::makeBookOutput();
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr, output.get()));
}
