#pragma once

#include "store/reportstore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {

// The two station editors: "Edit" corrects a block of the stake table (station column, left
// stake, C.L., right stake), "Add" enters the hub table's values (left hub, left cut/fill,
// C.L., right cut/fill, right hub). An editor has one multi-line box per column of its
// table, lines separated by CR LF; the stake table's C.L. box holds one line, and the hub
// table's station box shows the station and cannot be edited.
enum class EditTable { Stake, Hub };

// The texts of the editor's boxes for block BlockIndex of page `page` of the current book
// (the undivided book, or the side of a divided book that CurrentSide names): each box holds
// lines 0 to 5 of its column, each followed by CR LF; the stake table's C.L. box holds line
// 0 alone; the hub table's station box holds EditStation.
std::vector<std::string> FillStationEditForm(const ReportStore& store, EditTable table,
                                             std::int32_t page);

// The lines a box gives back, seven at most: its text trimmed, cut at CR LF; an empty text
// gives none.
std::vector<std::string> readBoxLines(std::string_view text);

// Why the report file could not keep the boxes' texts, or nothing when it can: its cells are
// separated by commas and its lines by line ends, and it finds each block by the "+" of the
// block's station, so a corrected block must keep a station.
std::optional<std::string> refuseEdit(EditTable table, const std::vector<std::string>& boxes);

// Writes the boxes into block BlockIndex of page CurrentPage of the current book, each line
// trimmed, and marks the book as holding corrections not yet saved (ReportState 2,
// UnsavedCorrections). A line a box shows and no longer holds is emptied; a line it does not
// show (line 6 of every column, lines 1 to 6 of the C.L. column) keeps its text unless one
// was typed there, and the hub table's station cell keeps its text.
void applyStationEdit(ReportStore& store, EditTable table, const std::vector<std::string>& boxes);

} // namespace quarrow
