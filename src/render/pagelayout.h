#pragma once

#include <array>
#include <string_view>

// Where everything on a page stands, in character cells counted from the bottom-right corner
// of the printable area: a position (W - a, H - b) is written as a and b. The windows and the
// command-line tool take from here how much text a header box or a cell can show.
namespace quarrow::layout {

// A rule from (W - a, H - b), `right` columns long or `down` lines long.
struct Rule
{
    int a;
    int b;
    int right;
    int down;
};

inline constexpr std::array<Rule, 4> kFrameRules{{
    {91, 63, 84, 0},
    {91, 63, 0, 58},
    {7, 63, 0, 58},
    {91, 5, 84, 0},
}};

inline constexpr std::array<Rule, 13> kTableRules{{
    {91, 58, 84, 0}, // stake-table title row
    {91, 57, 84, 0},
    {71, 58, 0, 53}, // column rules of both tables, down to the frame's bottom
    {44, 58, 0, 53},
    {35, 58, 0, 53},
    {91, 49, 84, 0}, // between stake blocks
    {91, 40, 84, 0},
    {91, 31, 84, 0}, // hub-table title row
    {91, 30, 84, 0},
    {61, 31, 0, 26}, // hub-table column rules
    {17, 31, 0, 26},
    {91, 22, 84, 0}, // between hub blocks
    {91, 14, 84, 0},
}};

struct Title
{
    int a;
    const char* text;
};

inline constexpr int kStakeTitleLine = 58;
inline constexpr std::array<Title, 4> kStakeTitles{{
    {90, "Station"},
    {68, "Lt.Cut/Lt.Fill Stake"},
    {42, "C.L"},
    {33, "Rt.Cut/Rt.Fill Stake"},
}};

inline constexpr int kHubTitleLine = 31;
inline constexpr std::array<Title, 6> kHubTitles{{
    {90, "Station"},
    {70, "Lt. Hub"},
    {60, "Cut/Fill Stake"},
    {42, "C.L"},
    {33, "Cut/Fill Stake"},
    {16, "Rt. Hub"},
}};

// The header: project and control number on the left, date and page number on the right.
inline constexpr int kHeaderLeft = 89;
inline constexpr int kHeaderRight = 35;
inline constexpr int kProjectLine = 62;
inline constexpr int kControlLine = 61;
inline constexpr int kRoadwayLine = 60;
inline constexpr std::string_view kProjectLabel = "Project No: ";
inline constexpr std::string_view kControlLabel = "Control Number: ";

// Cells: a column's W - a, and each block's first line as H - b (block 0 at the top).
inline constexpr std::array<int, 4> kStakeColumns{89, 70, 43, 33};
inline constexpr std::array<int, 3> kStakeBlockLines{56, 48, 39};
inline constexpr std::array<int, 6> kHubColumns{89, 70, 61, 43, 33, 16};
inline constexpr std::array<int, 3> kHubBlockLines{29, 21, 13};
inline constexpr int kDrawnBlocks = 3;
inline constexpr int kCellLines = 6;
// A divided book's station column also shows line 6.
inline constexpr int kDividedStationLines = 7;

// The characters of a header value after `label` that stop a blank short of the text on the
// right of its line.
constexpr int headerValueChars(std::string_view label)
{
    return kHeaderLeft - kHeaderRight - 1 - static_cast<int>(label.size());
}

inline constexpr int kProjectNumberChars = headerValueChars(kProjectLabel);
inline constexpr int kControlNumberChars = headerValueChars(kControlLabel);

// The columns from a cell's start at W - a on line H - b to the first upright rule on its
// right: a text no wider stays clear of the next column.
constexpr int cellChars(int a, int b)
{
    int edge = 0;
    auto take = [&](const Rule& rule) {
        bool crosses = rule.down > 0 && b <= rule.b && b > rule.b - rule.down;
        if (crosses && rule.a < a && rule.a > edge)
            edge = rule.a;
    };
    for (const Rule& rule : kFrameRules)
        take(rule);
    for (const Rule& rule : kTableRules)
        take(rule);
    return a - edge;
}

constexpr int stakeCellChars(int column)
{
    return cellChars(kStakeColumns[static_cast<std::size_t>(column)], kStakeBlockLines[0]);
}

constexpr int hubCellChars(int column)
{
    return cellChars(kHubColumns[static_cast<std::size_t>(column)], kHubBlockLines[0]);
}

} // namespace quarrow::layout
