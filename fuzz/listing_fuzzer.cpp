// Feeds arbitrary bytes to the input driver as a listing, then saves the book it built and
// reads the report file back.

#include "fuzzsupport.h"
#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "store/textops.h"

#include <string>

namespace {

using namespace quarrow;
using namespace quarrow::fuzz;

// The report file finds a block by the "+" of its first line and a page by its header: a
// station without "+", or a station or roadway name holding the header's words, makes it
// take the lines for something else.
bool fitsReportFile(const std::string& text, bool station)
{
    return !contains(text, "ROADWAY") && !contains(text, "Page No:") &&
           (!station || trimBlanks(text).empty() || contains(text, "+"));
}

bool fitsReportFile(const PageArray& pages, int lastPage)
{
    for (int index = 0; index <= lastPage; ++index) {
        const BookPage& page = pages.read(index);
        if (!fitsReportFile(page.RoadwayName, false))
            return false;
        for (int block = 0; block <= 2; ++block) {
            if (!fitsReportFile(page.StakeCells.at(block, 0, 0), true))
                return false;
        }
    }
    return true;
}

bool fitsReportFile(const ReportStore& book)
{
    if (book.RoadwayType == "Undivided")
        return fitsReportFile(book.UndividedPages, book.LastPage);
    return fitsReportFile(book.LeftPages, book.LastLeftPage) &&
           fitsReportFile(book.RightPages, book.LastRightPage);
}

// A cell comes back without its outer blanks; an empty station cell comes back as "+".
std::string readBackText(const std::string& text, bool station)
{
    std::string trimmed(trimBlanks(text));
    return station && trimmed.empty() ? "+" : trimmed;
}

template <typename Table>
void checkTableReadBack(const Table& written, const Table& read, int page)
{
    for (int block = 0; block <= 2; ++block) {
        for (int column = 0; column < Table::kColumns; ++column) {
            for (int line = 0; line < Table::kLines; ++line) {
                bool station = column == 0 && line == 0;
                check(read.at(block, column, line) ==
                          readBackText(written.at(block, column, line), station),
                      "page " + std::to_string(page + 1) + ", block " + std::to_string(block) +
                          ", column " + std::to_string(column) + ", line " + std::to_string(line) +
                          " reads back as \"" + read.at(block, column, line) + "\"");
            }
        }
    }
}

void checkPagesReadBack(const PageArray& written, const PageArray& read, int lastPage)
{
    for (int index = 0; index <= lastPage; ++index) {
        const BookPage& page = written.read(index);
        check(read.read(index).RoadwayName == page.RoadwayName,
              "a roadway name reads back changed");
        checkTableReadBack(page.StakeCells, read.read(index).StakeCells, index);
        checkTableReadBack(page.HubCells, read.read(index).HubCells, index);
    }
}

// The cells of a book built from a listing hold no comma; so, when its stations and names
// fit the report file, the file gives back every page and cell.
void checkReadBack(const ReportStore& book, const ReportStore& reread, bool read)
{
    if (!fitsReportFile(book))
        return;
    check(read, "a report file written from a listing cannot be read back");
    check(reread.RoadwayType == book.RoadwayType, "the roadway type reads back changed");
    if (book.RoadwayType == "Undivided") {
        check(reread.LastPage == book.LastPage, "the page count reads back changed");
        checkPagesReadBack(book.UndividedPages, reread.UndividedPages, book.LastPage);
        return;
    }
    check(reread.LastLeftPage == book.LastLeftPage && reread.LastRightPage == book.LastRightPage,
          "the page counts read back changed");
    checkPagesReadBack(book.LeftPages, reread.LeftPages, book.LastLeftPage);
    checkPagesReadBack(book.RightPages, reread.RightPages, book.LastRightPage);
}

void saveAndReadBack(ReportStore& book)
{
    RecordingMessenger messenger;
    book.ReportFileName = scratchFile("book.stk");
    bool written = writeReport(book, messenger);
    checkOutcome(written, messenger, "writeReport");
    check(written, "a book built from a listing cannot be written");

    ReportStore reread;
    RecordingMessenger readMessenger;
    reread.InputFileName = book.ReportFileName;
    bool read = ReadReportFile(reread, readMessenger);
    checkOutcome(read, readMessenger, "ReadReportFile");
    checkCounters(reread);
    checkReadBack(book, reread, read);
    // A report that does read back must keep its form from then on.
    if (read) {
        checkReadLists(reread);
        checkRoundTrip(reread);
    }
}

void parseListing(std::string_view bytes)
{
    ReportStore book;
    RecordingMessenger messenger;
    book.InputFileName = scratchFile("listing.txt");
    writeBytes(book.InputFileName, bytes);
    std::int16_t refused = GpkQuarrow(book, messenger);
    check(messenger.messages.size() <= 1, "more than one message for one listing");
    checkCounters(book);
    if (refused != 0) {
        check(messenger.messages.size() == 1, "a listing was refused without a message");
        return;
    }
    checkParsedLists(book);
    saveAndReadBack(book);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    return runGuarded([&] { parseListing(bytes); });
}
