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
        auto it = find(slotOf(block, column, line));
        return it != m_cells.end() ? it->text : emptyText();
    }

    void set(int block, int column, int line, std::string text)
    {
        auto slot = slotOf(block, column, line);
        auto it = find(slot);
        if (it != m_cells.end()) {
            if (!text.empty()) {
                it->text = std::move(text);
                return;
            }
            *it = std::move(m_cells.back());
            m_cells.pop_back();
        } else if (!text.empty()) {
            m_cells.push_back(Cell{slot, std::move(text)});
        }
    }

    // Tables are equal when they hold the same texts in the same cells.
    bool operator==(const CellTable& other) const
    {
        return m_cells.size() == other.m_cells.size() &&
               std::all_of(m_cells.begin(), m_cells.end(), [&](const Cell& cell) {
                   auto it = other.find(cell.slot);
                   return it != other.m_cells.end() && it->text == cell.text;
               });
    }

private:
    struct Cell
    {
        std::uint8_t slot;
        std::string text;
    };

    static std::uint8_t slotOf(int block, int column, int line)
    {
        if (block < 0 || block >= kBlocks || column < 0 || column >= kColumns || line < 0 ||
            line >= kLines)
            fail(errors::kSubscriptOutOfRange);
        return static_cast<std::uint8_t>((block * kColumns + column) * kLines + line);
    }

    // A page holds a few dozen texts: a scan of them is faster than keeping them ordered.
    auto find(std::uint8_t slot) const
    {
        return std::find_if(m_cells.begin(), m_cells.end(),
                            [slot](const Cell& cell) { return cell.slot == slot; });
    }
    auto find(std::uint8_t slot)
    {
        return std::find_if(m_cells.begin(), m_cells.end(),
                            [slot](const Cell& cell) { return cell.slot == slot; });
    }

    static const std::string& emptyText()
    {
        static const std::string empty;
        return empty;
    }

    std::vector<Cell> m_cells; // the cells that hold text, in no order
};

using StakeTable = CellTable<4>;
using HubTable = CellTable<6>;

} // namespace quarrow
