#pragma once

#include "store/reportstore.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarrow {

// Which book a page belongs to: the undivided roadway's, or the left or the right book of a
// divided roadway.
enum class BookSide { Undivided, Left, Right };

// A page of the book: its book and its index there, from 0.
struct PageRef
{
    BookSide side = BookSide::Undivided;
    std::int32_t index = 0;

    bool operator==(const PageRef&) const = default;
};

// RoadwayType: "Divided", "Undivided", or another text, which names no book.
bool isDivided(const ReportStore& store);
bool isUndivided(const ReportStore& store);

// The book CurrentSide names in a divided book ("left" the left book, any other text the
// right book); the undivided book in any other.
BookSide currentSide(const ReportStore& store);
// The page the windows show: CurrentPage of the current side.
PageRef currentPage(const ReportStore& store);
// Makes `page` the one the windows show: CurrentPage and, in a divided book, CurrentSide.
void showPage(ReportStore& store, PageRef page);
// CurrentSide's text for a book of a divided roadway: "left" or "right".
const char* sideName(BookSide side);
// The book of a divided roadway that a text names, "left" or "right"; nothing for any other
// text.
std::optional<BookSide> sideNamed(std::string_view text);

// A book's pages and the index of its last page.
const PageArray& pagesOf(const ReportStore& store, BookSide side);
PageArray& pagesOf(ReportStore& store, BookSide side);
std::int32_t lastPageOf(const ReportStore& store, BookSide side);

// Paging through the book: a divided roadway's left book runs into its right book, and
// nothing lies before the first page or after the last.
std::optional<PageRef> nextPage(const ReportStore& store, PageRef page);
std::optional<PageRef> previousPage(const ReportStore& store, PageRef page);

} // namespace quarrow
