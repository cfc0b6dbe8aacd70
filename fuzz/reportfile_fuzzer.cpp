// Feeds arbitrary bytes to the report-file reader; a file it accepts must keep its form when
// written and read again.

#include "fuzzsupport.h"
#include "store/reportfile.h"

namespace {

using namespace quarrow;
using namespace quarrow::fuzz;

void readReport(std::string_view bytes)
{
    ReportStore book;
    RecordingMessenger messenger;
    book.InputFileName = scratchFile("input.stk");
    test::writeFile(test::pathOf(book.InputFileName), std::string(bytes));
    bool read = ReadReportFile(book, messenger);
    checkOutcome(read, messenger, "ReadReportFile");
    if (read) {
        checkBook(book, true);
        checkRoundTrip(book);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    return runGuarded([&] { readReport(bytes); });
}
