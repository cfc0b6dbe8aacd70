// Feeds arbitrary bytes to the input driver as a listing, then saves the book it built and
// reads the report file back.

#include "fuzzsupport.h"
#include "listing/unusedlines.h"
#include "main/inputdriver.h"
#include "store/textops.h"

namespace {

using namespace quarrow;
using namespace quarrow::fuzz;

// The report file finds a block by the "+" of its station and a page by its header: a
// station without "+", or a name holding the header's words, makes it take the lines for
// something else.
bool fitsReportFile(const std::string& text, bool station)
{
    return !contains(text, "ROADWAY") && !contains(text, "Page No:") &&
           (!station || trimBlanks(text).empty() || contains(text, "+"));
}

bool fitsReportFile(const ReportStore& book)
{
    for (auto [pages, lastPage] : booksOf(book)) {
        for (int index = 0; index <= lastPage; ++index) {
            const BookPage& page = pages->read(index);
            for (int block = 0; block <= 2; ++block)
                if (!fitsReportFile(page.StakeCells.at(block, 0, 0), true))
                    return false;
            if (!fitsReportFile(page.RoadwayName, false))
                return false;
        }
    }
    return true;
}

void parseListing(std::string_view bytes)
{
    ReportStore book;
    RecordingMessenger messenger;
    book.InputFileName = scratchFile("listing.txt");
    test::writeFile(test::pathOf(book.InputFileName), std::string(bytes));
    std::int16_t refused = GpkQuarrow(book, messenger);
    // A reading says at most one failure, and then at most once which station lines the
    // book does not hold.
    const auto& said = messenger.messages;
    std::size_t notes = !said.empty() && said.back().starts_with(kUnusedLinesHead) ? 1 : 0;
    check(said.size() - notes <= 1, "more than one message for one listing");
    check(refused == 0 || said.size() == 1, "a listing was refused silently");
    if (refused != 0)
        return;
    checkBook(book, false);
    // Cells of a listing hold no comma: when its stations and names fit, every page of the
    // book comes back.
    if (!fitsReportFile(book))
        return;
    ReportStore reread = writeAndRead(book, "book.stk");
    check(reread.RoadwayType == book.RoadwayType && reread.LastPage == book.LastPage &&
              reread.LastLeftPage == book.LastLeftPage &&
              reread.LastRightPage == book.LastRightPage,
          "the book reads back with other pages");
    checkRoundTrip(reread);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    return runGuarded([&] { parseListing(bytes); });
}
