#include "fuzzsupport.h"

#include "store/reportfile.h"
#include "store/textops.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace quarrow::fuzz {
namespace {

class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quarrow-fuzz-XXXXXX").string();
        check(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The station cell of a block's first line in the stake or the hub table.
bool hasEmptyStationCell(const BookPage& page)
{
    for (int block = 0; block <= 2; ++block) {
        if (trimBlanks(page.StakeCells.at(block, 0, 0)).empty() ||
            trimBlanks(page.HubCells.at(block, 0, 0)).empty())
            return true;
    }
    return false;
}

bool hasEmptyStationCell(const PageArray& pages, int lastPage)
{
    for (int index = 0; index <= lastPage; ++index) {
        if (hasEmptyStationCell(pages.read(index)))
            return true;
    }
    return false;
}

bool hasEmptyStationCell(const ReportStore& book)
{
    if (book.RoadwayType == "Undivided")
        return hasEmptyStationCell(book.UndividedPages, book.LastPage);
    return hasEmptyStationCell(book.LeftPages, book.LastLeftPage) ||
           hasEmptyStationCell(book.RightPages, book.LastRightPage);
}

bool inRange(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high;
}

// Writes the book to `name` and returns the file's bytes.
std::string writeBook(ReportStore& book, const std::string& name)
{
    RecordingMessenger messenger;
    book.ReportFileName = scratchFile(name);
    bool written = writeReport(book, messenger);
    checkOutcome(written, messenger, "writeReport");
    check(written, "a book read from a report file cannot be written again");
    return readBytes(book.ReportFileName);
}

// Reads the report file `name` into a new book, which must succeed.
ReportStore readBook(const std::string& name)
{
    ReportStore book;
    RecordingMessenger messenger;
    book.InputFileName = scratchFile(name);
    bool read = ReadReportFile(book, messenger);
    checkOutcome(read, messenger, "ReadReportFile");
    check(read, "a report file written by the program cannot be read back");
    checkCounters(book);
    checkReadLists(book);
    return book;
}

} // namespace

std::string scratchFile(const std::string& name)
{
    static const ScratchFolder folder;
    return (folder.path() / name).string();
}

void writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    check(static_cast<bool>(out), "cannot write " + path);
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    check(static_cast<bool>(in), "cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
    std::size_t expected = succeeded ? 0 : 1;
    std::string shown;
    for (const std::string& message : messenger.messages)
        shown += "\n  " + message;
    check(messenger.messages.size() == expected,
          std::string(routine) + (succeeded ? " succeeded" : " failed") + " with " +
              std::to_string(messenger.messages.size()) + " messages:" + shown);
}

void checkCounters(const ReportStore& store)
{
    check(inRange(store.LastPage, 0, ReportStore::kUndividedCapacity - 1),
          "LastPage outside the page array: " + std::to_string(store.LastPage));
    check(inRange(store.LastLeftPage, 0, ReportStore::kSideCapacity - 1),
          "LastLeftPage outside the page array: " + std::to_string(store.LastLeftPage));
    check(inRange(store.LastRightPage, 0, ReportStore::kSideCapacity - 1),
          "LastRightPage outside the page array: " + std::to_string(store.LastRightPage));
}

void checkParsedLists(const ReportStore& store)
{
    bool divided = store.RoadwayType == "Divided";
    std::int32_t lastPage = divided ? store.LastRightPage : store.LastPage;
    std::size_t pages = static_cast<std::size_t>(lastPage) + 1;
    if (divided)
        check(store.LastLeftPage == store.LastRightPage,
              "the two books of a divided roadway differ in length");
    check(store.PageItems.size() == pages, "page items: " + std::to_string(store.PageItems.size()) +
                                               " for " + std::to_string(pages) + " pages");
    check(store.PageStationItems.size() == store.StationItems.size(),
          "page/station items differ in number from the station items");
    check(store.StationItems.size() <= 3 * pages, "more than three stations to a page");
}

void checkReadLists(const ReportStore& store)
{
    std::size_t pages = store.RoadwayType == "Undivided"
                            ? static_cast<std::size_t>(store.LastPage) + 1
                            : static_cast<std::size_t>(store.LastLeftPage) + 1 +
                                  static_cast<std::size_t>(store.LastRightPage) + 1;
    check(store.PageItems.size() == pages, "page items: " + std::to_string(store.PageItems.size()) +
                                               " for " + std::to_string(pages) + " pages");
    check(store.PageStationItems.size() == store.StationItems.size(),
          "page/station items differ in number from the station items");
    check(store.StationItems.size() <= 3 * pages, "more than three stations to a page");
}

void checkRoundTrip(ReportStore& book)
{
    std::string first = writeBook(book, "first.stk");
    ReportStore second = readBook("first.stk");
    std::string secondBytes = writeBook(second, "second.stk");
    if (!hasEmptyStationCell(book)) {
        check(secondBytes == first, "a report read back is written differently");
        return;
    }
    ReportStore third = readBook("second.stk");
    check(writeBook(third, "third.stk") == secondBytes,
          "a report read back is written differently");
}

} // namespace quarrow::fuzz
