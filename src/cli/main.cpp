#include "cli/quarrowbook.h"
#include "store/platformfile.h"

#ifdef QUARROW_WITH_QT
#include "render/qtbookoutput.h"

#include <QtGlobal>
#endif

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args = quarrow::commandLineArguments(argc, argv);
#ifdef QUARROW_WITH_QT
    // Standard error carries the book's messages, one per line: Qt's own diagnostics about
    // fonts and runtime folders would read as more of them.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    quarrow::QtBookOutput output;
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr, &output));
#else
    return static_cast<int>(quarrow::runQuarrowBook(args, std::cout, std::cerr));
#endif
}
