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
// the lines the page draws of its column (six; seven for a divided book's station), each
// followed by CR LF; the stake table's C.L. box holds line 0 alone; the hub table's station
// box holds EditStation.
std::vector<std::string> FillStationEditForm(const ReportStore& store, EditTable table,
                                             std::int32_t page);

// The lines a box gives back: its text trimmed, cut at CR LF; an empty text gives none.
std::vector<std::string> readBoxLines(std::string_view text);

// Why the boxes' texts cannot go into the book, or nothing when they can. The report file
// separates cells by commas and lines by line ends, and finds each block by the "+" of its
// station; every text must be drawn where the page shows it: within the lines the page draws
// of its column and no wider than its cell. The station must stay a station number, or no
// station could be searched for again.
std::optional<std::string> refuseEdit(const ReportStore& store, EditTable table,
                                      const std::vector<std::string>& boxes);

// Writes the boxes into block BlockIndex of page CurrentPage of the current book, each line
// trimmed, and marks the book as holding corrections not yet saved (kReportNotSaved,
// UnsavedCorrections). A line a box shows and no longer holds is emptied; a line it does not
// show (line 6 of the columns the page draws six lines of, lines 1 to 6 of the C.L. column)
// keeps its text, and so does the hub table's station cell.
void applyStationEdit(ReportStore& store, EditTable table, const std::vector<std::string>& boxes);

} // namespace quarrow
