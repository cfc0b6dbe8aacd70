#include "edit/stationedit.h"

#include "store/bookpages.h"
#include "store/textops.h"

namespace quarrow {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kShownLines = 6;
constexpr int kStakeCentreBox = 2;

template <int Columns>
std::string columnText(const CellTable<Columns>& cells, int block, int column)
{
    std::string text;
    for (int line = 0; line < kShownLines; ++line) {
        text += cells.at(block, column, line);
        text += kLineEnd;
    }
    return text;
}

bool isCentreBox(EditTable table, std::size_t box)
{
    return table == EditTable::Stake && box == kStakeCentreBox;
}

std::vector<std::string> boxLines(EditTable table, std::size_t box, std::string_view text)
{
    if (isCentreBox(table, box))
        return {std::string(text)};
    return readBoxLines(text);
}

template <int Columns>
void writeColumns(CellTable<Columns>& cells, int block, EditTable table,
                  const std::vector<std::string>& boxes)
{
    for (std::size_t box = 0; box < boxes.size() && box < Columns; ++box) {
        auto lines = boxLines(table, box, boxes[box]);
        int column = static_cast<int>(box);
        int shown = isCentreBox(table, box) ? 1 : kShownLines;
        for (int line = 0; line < CellTable<Columns>::kLines; ++line) {
            auto at = static_cast<std::size_t>(line);
            std::string text(trimBlanks(at < lines.size() ? lines[at] : std::string()));
            bool kept = (table == EditTable::Hub && column == 0 && line == 0) ||
                        (line >= shown && text.empty());
            if (!kept)
                cells.set(block, column, line, std::move(text));
        }
    }
}

} // namespace

std::vector<std::string> FillStationEditForm(const ReportStore& store, EditTable table,
                                             std::int32_t page)
{
    const BookPage& source = pagesOf(store, currentSide(store)).read(page);
    int block = store.BlockIndex;
    std::vector<std::string> boxes;
    if (table == EditTable::Stake) {
        for (int column = 0; column < StakeTable::kColumns; ++column)
            boxes.push_back(column == kStakeCentreBox
                                ? source.StakeCells.at(block, column, 0)
                                : columnText(source.StakeCells, block, column));
    } else {
        boxes.push_back(store.EditStation);
        for (int column = 1; column < HubTable::kColumns; ++column)
            boxes.push_back(columnText(source.HubCells, block, column));
    }
    return boxes;
}

std::vector<std::string> readBoxLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string_view rest = trimBlanks(text);
    while (!rest.empty() && lines.size() < StakeTable::kLines) {
        auto end = rest.find(kLineEnd);
        lines.emplace_back(rest.substr(0, end));
        rest =
            end == std::string_view::npos ? std::string_view{} : rest.substr(end + kLineEnd.size());
    }
    return lines;
}

std::optional<std::string> refuseEdit(EditTable table, const std::vector<std::string>& boxes)
{
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (contains(boxes[box], ","))
            return "A value cannot hold a comma: the report file could not keep it. "
                   "Please correct.";
        for (const std::string& line : boxLines(table, box, boxes[box])) {
            if (line.find_first_of("\r\n") != std::string::npos)
                return "A value cannot hold a line break: the report file could not keep it. "
                       "Please correct.";
        }
    }
    if (table == EditTable::Stake && !boxes.empty()) {
        auto lines = readBoxLines(boxes[0]);
        if (lines.empty() || !contains(lines[0], "+"))
            return "The station must be written with a \"+\" (for example 10+00). Please correct.";
    }
    return std::nullopt;
}

void applyStationEdit(ReportStore& store, EditTable table, const std::vector<std::string>& boxes)
{
    BookPage& page = pagesOf(store, currentSide(store)).write(store.CurrentPage);
    if (table == EditTable::Stake)
        writeColumns(page.StakeCells, store.BlockIndex, table, boxes);
    else
        writeColumns(page.HubCells, store.BlockIndex, table, boxes);
    store.ReportState = 2;
    store.UnsavedCorrections = true;
}

} // namespace quarrow
