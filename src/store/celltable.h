#pragma once

#include "store/runerror.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrow {

// One table of a page: 4 blocks x Columns columns x 7 lines of text cells. Most cells of a
// book stay empty (the hub values are only typed in by the user), so only the cells that
// hold text are kept; an unwritten or emptied cell reads as the empty string.
template <int Columns>
class CellTable
{
public:
    static constexpr int kBlocks = 4;
    static constexpr int kColumns = Columns;
    static constexpr int kLines = 7;

    // Fails with "Subscript out of range" for an index outside the table.
    const std::string& at(int block, int column, int line) const
    {
        auto slot = slotOf(block, column, line);
        auto it = find(slot);
        return it != m_cells.end() && it->slot == slot ? it->text : emptyText();
    }

    void set(int block, int column, int line, std::string text)
    {
        auto slot = slotOf(block, column, line);
        auto it = find(slot);
        bool present = it != m_cells.end() && it->slot == slot;
        if (text.empty()) {
            if (present)
                m_cells.erase(it);
        } else if (present) {
            it->text = std::move(text);
        } else {
            m_cells.insert(it, Cell{slot, std::move(text)});
        }
    }

    bool operator==(const CellTable&) const = default;

private:
    struct Cell
    {
        std::uint8_t slot;
        std::string text;
        bool operator==(const Cell&) const = default;
    };

    static std::uint8_t slotOf(int block, int column, int line)
    {
        if (block < 0 || block >= kBlocks || column < 0 || column >= kColumns || line < 0 ||
            line >= kLines)
            fail(errors::kSubscriptOutOfRange);
        return static_cast<std::uint8_t>((block * kColumns + column) * kLines + line);
    }

    auto find(std::uint8_t slot) const
    {
        return std::lower_bound(m_cells.begin(), m_cells.end(), slot,
                                [](const Cell& cell, std::uint8_t s) { return cell.slot < s; });
    }
    auto find(std::uint8_t slot)
    {
        return std::lower_bound(m_cells.begin(), m_cells.end(), slot,
                                [](const Cell& cell, std::uint8_t s) { return cell.slot < s; });
    }

    static const std::string& emptyText()
    {
        static const std::string empty;
        return empty;
    }

    std::vector<Cell> m_cells; // ordered by slot
};

using StakeTable = CellTable<4>;
using HubTable = CellTable<6>;

} // namespace quarrow
