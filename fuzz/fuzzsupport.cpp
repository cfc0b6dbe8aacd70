#include "fuzzsupport.h"

#include "store/reportfile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace quarrow::fuzz {
namespace {

// Writes the book to `name` and returns the file's bytes.
std::string writeBook(ReportStore& book, const std::string& name)
{
    RecordingMessenger messenger;
    book.ReportFileName = scratchFile(name);
    bool written = writeReport(book, messenger);
    checkOutcome(written, messenger, "writeReport");
    check(written, "a book cannot be written");
    return test::readFile(book.ReportFileName);
}

} // namespace

std::string scratchFile(const std::string& name)
{
    static const test::TempDir folder;
    return folder.file(name);
}

void check(bool holds, const std::string& what)
{
    if (holds)
        return;
    std::fprintf(stderr, "==quarrow-fuzz== %s\n", what.c_str());
    std::abort();
}

int runGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        check(false, std::string("exception escaped: ") + error.what());
    } catch (...) {
        check(false, "exception of unknown type escaped");
    }
    return 0;
}

void checkOutcome(bool succeeded, const RecordingMessenger& messenger, const char* routine)
{
    std::string shown;
    for (const std::string& message : messenger.messages)
        shown += "\n  " + message;
    check(messenger.messages.size() == (succeeded ? 0u : 1u),
          std::string(routine) + (succeeded ? " succeeded" : " failed") +
              " with messages:" + shown);
}

std::vector<std::pair<const PageArray*, int>> booksOf(const ReportStore& store)
{
    if (store.RoadwayType == "Undivided")
        return {{&store.UndividedPages, store.LastPage}};
    return {{&store.LeftPages, store.LastLeftPage}, {&store.RightPages, store.LastRightPage}};
}

void checkBook(const ReportStore& store, bool listsEverySide)
{
    std::size_t pages = 0;
    for (auto [book, lastPage] : booksOf(store)) {
        check(lastPage >= 0 && lastPage < book->capacity(),
              "last page outside the page array: " + std::to_string(lastPage));
        pages = (listsEverySide ? pages : 0) + static_cast<std::size_t>(lastPage) + 1;
    }
    check(store.PageItems.size() == pages, "page items: " + std::to_string(store.PageItems.size()) +
                                               " for " + std::to_string(pages) + " pages");
    check(store.PageStationItems.size() == store.StationItems.size(),
          "page/station items differ in number from the station items");
    check(store.StationItems.size() <= 3 * pages, "more than three stations to a page");
}

ReportStore writeAndRead(ReportStore& book, const std::string& name)
{
    writeBook(book, name);
    ReportStore reread;
    RecordingMessenger messenger;
    reread.InputFileName = book.ReportFileName;
    bool read = ReadReportFile(reread, messenger);
    checkOutcome(read, messenger, "ReadReportFile");
    check(read, "a report file written by the program cannot be read back");
    checkBook(reread, true);
    return reread;
}

void checkRoundTrip(ReportStore& book)
{
    ReportStore second = writeAndRead(book, "first.stk");
    ReportStore third = writeAndRead(second, "second.stk");
    check(writeBook(third, "third.stk") == writeBook(second, "second.stk"),
          "a report read back is written differently");
}

} // namespace quarrow::fuzz
