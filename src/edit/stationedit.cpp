#include "edit/stationedit.h"

#include "render/pagelayout.h"
#include "store/bookpages.h"
#include "store/stationnumber.h"
#include "store/textops.h"

namespace quarrow {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kStakeCentreBox = 2;

template <int Columns>
std::string columnText(const CellTable<Columns>& cells, int block, int column, int lines)
{
    std::string text;
    for (int line = 0; line < lines; ++line) {
        text += cells.at(block, column, line);
        text += kLineEnd;
    }
    return text;
}

bool isCentreBox(EditTable table, std::size_t box)
{
    return table == EditTable::Stake && box == kStakeCentreBox;
}

// The hub table's station box shows the station, whose cell never changes.
bool isStationKept(EditTable table, std::size_t box)
{
    return table == EditTable::Hub && box == 0;
}

// A box shows as many lines as the page draws of its column.
int shownLines(BookSide side, EditTable table, std::size_t box)
{
    if (isCentreBox(table, box))
        return 1;
    if (table == EditTable::Stake && box == 0 && side != BookSide::Undivided)
        return layout::kDividedStationLines;
    return layout::kCellLines;
}

int cellChars(EditTable table, std::size_t box)
{
    int column = static_cast<int>(box);
    return table == EditTable::Stake ? layout::stakeCellChars(column)
                                     : layout::hubCellChars(column);
}

std::vector<std::string> boxLines(EditTable table, std::size_t box, std::string_view text)
{
    if (isCentreBox(table, box))
        return {std::string(text)};
    return readBoxLines(text);
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Text on a line the page does not draw, or wider than its cell, would be printed unseen or
// over the next column.
std::optional<std::string> refuseLines(BookSide side, EditTable table, std::size_t box,
                                       const std::vector<std::string>& lines)
{
    int shown = shownLines(side, table, box);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        std::string_view text = trimBlanks(lines[line]);
        if (static_cast<int>(line) >= shown && !text.empty())
            return quoted(text) + " stands on line " + std::to_string(line + 1) +
                   " of its box, but the page shows " + std::to_string(shown) +
                   " lines of it. Please correct.";
        if (!isStationKept(table, box) && static_cast<int>(text.size()) > cellChars(table, box))
            return quoted(text) + " is wider than its cell, which holds " +
                   std::to_string(cellChars(table, box)) + " characters. Please correct.";
    }
    return std::nullopt;
}

template <int Columns>
void writeColumns(CellTable<Columns>& cells, int block, BookSide side, EditTable table,
                  const std::vector<std::string>& boxes)
{
    for (std::size_t box = 0; box < boxes.size() && box < Columns; ++box) {
        auto lines = boxLines(table, box, boxes[box]);
        int column = static_cast<int>(box);
        int shown = shownLines(side, table, box);
        for (int line = 0; line < shown; ++line) {
            if (isStationKept(table, box) && line == 0)
                continue;
            auto at = static_cast<std::size_t>(line);
            cells.set(block, column, line,
                      std::string(trimBlanks(at < lines.size() ? lines[at] : std::string())));
        }
    }
}

} // namespace

std::vector<std::string> FillStationEditForm(const ReportStore& store, EditTable table,
                                             std::int32_t page)
{
    BookSide side = currentSide(store);
    const BookPage& source = pagesOf(store, side).read(page);
    int block = store.BlockIndex;
    std::vector<std::string> boxes;
    if (table == EditTable::Stake) {
        for (int column = 0; column < StakeTable::kColumns; ++column)
            boxes.push_back(column == kStakeCentreBox
                                ? source.StakeCells.at(block, column, 0)
                                : columnText(source.StakeCells, block, column,
                                             shownLines(side, table, column)));
    } else {
        boxes.push_back(store.EditStation);
        for (int column = 1; column < HubTable::kColumns; ++column)
            boxes.push_back(columnText(source.HubCells, block, column, layout::kCellLines));
    }
    return boxes;
}

std::vector<std::string> readBoxLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string_view rest = trimBlanks(text);
    while (!rest.empty()) {
        auto end = rest.find(kLineEnd);
        lines.emplace_back(rest.substr(0, end));
        rest =
            end == std::string_view::npos ? std::string_view{} : rest.substr(end + kLineEnd.size());
    }
    return lines;
}

std::optional<std::string> refuseEdit(const ReportStore& store, EditTable table,
                                      const std::vector<std::string>& boxes)
{
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (contains(boxes[box], ","))
            return "A value cannot hold a comma: the report file could not keep it. "
                   "Please correct.";
        auto lines = boxLines(table, box, boxes[box]);
        for (const std::string& line : lines) {
            if (line.find_first_of("\r\n") != std::string::npos)
                return "A value cannot hold a line break: the report file could not keep it. "
                       "Please correct.";
        }
        if (auto refusal = refuseLines(currentSide(store), table, box, lines))
            return refusal;
    }
    if (table == EditTable::Stake && !boxes.empty()) {
        auto lines = readBoxLines(boxes[0]);
        if (lines.empty() || !isStationNumber(trimBlanks(lines[0])))
            return "The station must be written as hundreds, \"+\" and the rest, in figures "
                   "(for example 10+00). Please correct.";
    }
    return std::nullopt;
}

void applyStationEdit(ReportStore& store, EditTable table, const std::vector<std::string>& boxes)
{
    BookSide side = currentSide(store);
    BookPage& page = pagesOf(store, side).write(store.CurrentPage);
    if (table == EditTable::Stake)
        writeColumns(page.StakeCells, store.BlockIndex, side, table, boxes);
    else
        writeColumns(page.HubCells, store.BlockIndex, side, table, boxes);
    store.ReportState = kReportNotSaved;
    store.UnsavedCorrections = true;
}

} // namespace quarrow
