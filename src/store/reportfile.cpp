#include "store/reportfile.h"

#include "store/bookpages.h"
#include "store/runerror.h"
#include "store/textfile.h"
#include "store/textops.h"

#include <array>
#include <optional>

namespace quarrow {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUndividedLabel = "ROADWAY:";
constexpr std::string_view kLeftLabel = "ROADWAY(left):";
constexpr std::string_view kRightLabel = "ROADWAY(right):";
constexpr std::string_view kPageNumberLabel = "Page No:";
// Stake blocks 0 to 2, then hub blocks 0 to 2.
constexpr int kBlocksPerPage = 6;

void appendBlanks(std::string& out, std::size_t count)
{
    out.append(count, ' ');
}

void appendRightAligned(std::string& out, const std::string& text, std::size_t width)
{
    if (text.size() < width)
        appendBlanks(out, width - text.size());
    out += text;
}

bool isEmptyCell(const std::string& text)
{
    return trimBlanks(text).empty();
}

// The station cell keeps a "+" in line 0 of an empty block: the reader finds blocks by it.
void appendStationCell(std::string& out, const std::string& text, std::size_t width, int line)
{
    if (!isEmptyCell(text)) {
        appendRightAligned(out, text, width);
        out += ',';
    } else {
        appendBlanks(out, 16);
        out += line == 0 ? "+," : ",";
    }
}

void appendCell(std::string& out, const std::string& text, std::size_t width)
{
    if (isEmptyCell(text))
        appendBlanks(out, width);
    else
        appendRightAligned(out, text, width);
    out += ',';
}

void appendStakeLine(std::string& out, const StakeTable& cells, int block, int line)
{
    appendStationCell(out, cells.at(block, 0, line), 16, line);
    for (int column = 1; column <= 2; ++column) {
        appendBlanks(out, 10);
        appendCell(out, cells.at(block, column, line), 16);
    }
    appendBlanks(out, 10);
    out += cells.at(block, 3, line);
    out += kLineEnd;
}

void appendHubLine(std::string& out, const HubTable& cells, int block, int line)
{
    appendStationCell(out, cells.at(block, 0, line), 10, line);
    appendBlanks(out, 6);
    for (int column = 1; column <= 4; ++column) {
        appendCell(out, cells.at(block, column, line), 10);
        appendBlanks(out, 6);
    }
    out += cells.at(block, 5, line);
    out += kLineEnd;
}

void appendEmptyLines(std::string& out, int count)
{
    for (int i = 0; i < count; ++i)
        out += kLineEnd;
}

void appendPageSection(std::string& out, const BookPage& page, std::string_view label,
                       int pageNumber)
{
    out += kLineEnd;
    appendBlanks(out, 44);
    out += label;
    out += page.RoadwayName;
    appendBlanks(out, 25);
    out += "Page No: ";
    out += std::to_string(pageNumber);
    out += kLineEnd;
    appendEmptyLines(out, 4);
    for (int block = 0; block <= 2; ++block) {
        for (int line = 0; line < StakeTable::kLines; ++line)
            appendStakeLine(out, page.StakeCells, block, line);
        out += kLineEnd;
    }
    appendEmptyLines(out, 13);
    for (int block = 0; block <= 2; ++block) {
        for (int line = 0; line < HubTable::kLines; ++line)
            appendHubLine(out, page.HubCells, block, line);
        out += kLineEnd;
    }
    out += '\f';
    out += kLineEnd;
}

struct BookPart
{
    const PageArray& pages;
    int lastPage;
    std::string_view label;
};

bool writeParts(const ReportStore& store, Messenger& messenger,
                std::initializer_list<BookPart> parts)
{
    try {
        SafeFileWriter file(store.ReportFileName);
        std::string section;
        for (const BookPart& part : parts) {
            for (int index = 0; index <= part.lastPage; ++index) {
                section.clear();
                appendPageSection(section, part.pages.read(index), part.label, index + 1);
                file.write(section);
            }
        }
        file.commit();
        return true;
    } catch (const RunError& error) {
        messenger.show(withReason(std::string(" Program Error : ") + error.what() +
                                      " occured in WriteItTothePage",
                                  error));
        return false;
    }
}

// Cuts a line into `N` cells at its commas, each trimmed; the last cell is the rest.
template <std::size_t N>
std::array<std::string_view, N> cutCells(std::string_view line)
{
    std::array<std::string_view, N> cells;
    line = trimBlanks(line);
    for (std::size_t i = 0; i + 1 < N; ++i) {
        auto comma = line.find(',');
        if (comma == std::string_view::npos)
            fail(errors::kInvalidArgument);
        cells[i] = trimBlanks(line.substr(0, comma));
        line = trimBlanks(line.substr(comma + 1));
    }
    cells[N - 1] = line;
    return cells;
}

// The roadway name of a header line: its first word after the label. A page whose name
// is empty has "Page No:" right after the label.
std::string headerName(std::string_view line)
{
    std::string_view rest = trimBlanks(after(line, ':'));
    if (rest.substr(0, kPageNumberLabel.size()) == kPageNumberLabel)
        return {};
    auto blank = rest.find(' ');
    std::size_t length = blank == std::string_view::npos ? 1 : blank + 2;
    return std::string(trimBlanks(rest.substr(0, length)));
}

class ReportReader
{
public:
    explicit ReportReader(ReportStore& store) : s(store) {}

    void run()
    {
        LineReader reader(s.InputFileName);
        std::string line;
        while (reader.next(line)) {
            if (!takeHeader(line) && contains(line, "+"))
                readBlock(reader, line);
        }
        finish();
    }

private:
    bool takeHeader(std::string_view line)
    {
        if (!contains(line, kPageNumberLabel))
            return false;
        if (contains(line, kLeftLabel))
            startPage(line, BookSide::Left);
        else if (contains(line, kRightLabel))
            startPage(line, BookSide::Right);
        else if (contains(line, kUndividedLabel))
            startPage(line, BookSide::Undivided);
        else
            return false;
        return true;
    }

    void startPage(std::string_view line, BookSide side)
    {
        checkPageOrder(side);
        if (side == BookSide::Right && m_side == BookSide::Left) {
            s.LastLeftPage = m_page - 1;
            m_page = 0;
        }
        ++m_page;
        m_block = 0;
        s.InputError = 0;
        m_side = side;
        s.RoadwayType = side == BookSide::Undivided ? "Undivided" : "Divided";
        if (side != BookSide::Undivided)
            s.CurrentSide = sideName(side);
        pagesOf(s, side).write(m_page - 1).RoadwayName = headerName(line);
    }

    // Every page holds six blocks, and a divided book's left pages come before its right
    // pages; anything else would put the cells that follow into the wrong blocks.
    void checkPageOrder(BookSide side) const
    {
        bool pageOpen = m_page > 0 && m_block != kBlocksPerPage;
        bool inOrder =
            !m_side || m_side == side || (m_side == BookSide::Left && side == BookSide::Right);
        if (pageOpen || !inOrder || (!m_side && side == BookSide::Right))
            fail(errors::kInvalidFileFormat);
    }

    void readBlock(LineReader& reader, std::string& line)
    {
        // A seventh block is a page whose header line is missing: it would overwrite this one.
        if (m_block == kBlocksPerPage)
            fail(errors::kInvalidFileFormat);
        StoreReportLine(s, line, *m_side, m_page, m_block, 0);
        for (int index = 1; index < StakeTable::kLines; ++index) {
            if (!reader.next(line))
                fail(errors::kInputPastEnd);
            StoreReportLine(s, line, *m_side, m_page, m_block, index);
        }
        if (++m_block == kBlocksPerPage)
            addListItems();
    }

    void addListItems()
    {
        const BookPage& page = pagesOf(s, *m_side).read(m_page - 1);
        for (int block = 2; block >= 0; --block) {
            const std::string& station = page.StakeCells.at(block, 0, 0);
            if (trimBlanks(station) == "+")
                continue;
            s.StationItems.push_back(station);
            s.PageStationItems.push_back(listColumn(m_page) + listColumn(station));
        }
        s.PageItems.push_back(listColumn(m_page) + listColumn(page.FirstStation) +
                              listColumn(page.LastStation));
    }

    // The book ends with a complete page, and a divided book with a right page.
    void finish()
    {
        if (m_block != kBlocksPerPage || m_side == BookSide::Left)
            fail(errors::kInvalidFileFormat);
        if (m_side == BookSide::Undivided)
            s.LastPage = m_page - 1;
        else
            s.LastRightPage = m_page - 1;
    }

    ReportStore& s;
    int m_page = 0;
    std::optional<BookSide> m_side; // none before the first header
    int m_block = 0;                // blocks read on the current page
};

} // namespace

bool WriteItTothePage(const ReportStore& store, Messenger& messenger)
{
    return writeParts(store, messenger, {{store.UndividedPages, store.LastPage, kUndividedLabel}});
}

bool WriteItTothePageDivided(const ReportStore& store, Messenger& messenger)
{
    return writeParts(store, messenger,
                      {{store.LeftPages, store.LastLeftPage, kLeftLabel},
                       {store.RightPages, store.LastRightPage, kRightLabel}});
}

bool writeReport(const ReportStore& store, Messenger& messenger)
{
    if (isUndivided(store))
        return WriteItTothePage(store, messenger);
    if (isDivided(store))
        return WriteItTothePageDivided(store, messenger);
    return false;
}

bool ReadReportFile(ReportStore& store, Messenger& messenger)
{
    startNewBook(store);
    try {
        ReportReader(store).run();
        return true;
    } catch (const RunError& error) {
        messenger.show(std::string(" Program Error: ") + error.what() +
                       " Error occured while reading *.stk file");
        return false;
    }
}

void StoreReportLine(ReportStore& store, std::string_view line, BookSide side, int page, int block,
                     int lineIndex)
{
    BookPage& target = pagesOf(store, side).write(page - 1);
    if (block <= 2) {
        auto cells = cutCells<StakeTable::kColumns>(line);
        for (int column = 0; column < StakeTable::kColumns; ++column)
            target.StakeCells.set(block, column, lineIndex, std::string(cells[column]));
        if (lineIndex == 0 && cells[0] != "+") {
            if (block == 2)
                target.FirstStation = std::string(cells[0]);
            else if (block == 0)
                target.LastStation = std::string(cells[0]);
        }
    } else {
        auto cells = cutCells<HubTable::kColumns>(line);
        for (int column = 0; column < HubTable::kColumns; ++column)
            target.HubCells.set(block - 3, column, lineIndex, std::string(cells[column]));
    }
}

} // namespace quarrow
