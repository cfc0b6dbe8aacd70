#include "cli/quarrowbook.h"

#ifdef QUARROW_WITH_QT
#include "render/qtpdfoutput.h"
#endif

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef QUARROW_WITH_QT
    quarrow::QtPdfOutput pdf;
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr, &pdf));
#else
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr));
#endif
}
