#include "store/bookpages.h"

#include <utility>

namespace quarrow {

bool isDivided(const ReportStore& store)
{
    return store.RoadwayType == "Divided";
}

bool isUndivided(const ReportStore& store)
{
    return store.RoadwayType == "Undivided";
}

BookSide currentSide(const ReportStore& store)
{
    if (!isDivided(store))
        return BookSide::Undivided;
    return sideNamed(store.CurrentSide).value_or(BookSide::Right);
}

PageRef currentPage(const ReportStore& store)
{
    return {currentSide(store), store.CurrentPage};
}

void showPage(ReportStore& store, PageRef page)
{
    if (page.side != BookSide::Undivided)
        store.CurrentSide = sideName(page.side);
    store.CurrentPage = page.index;
}

const char* sideName(BookSide side)
{
    return side == BookSide::Left ? "left" : "right";
}

std::optional<BookSide> sideNamed(std::string_view text)
{
    if (text == "left")
        return BookSide::Left;
    if (text == "right")
        return BookSide::Right;
    return std::nullopt;
}

const PageArray& pagesOf(const ReportStore& store, BookSide side)
{
    switch (side) {
    case BookSide::Left:
        return store.LeftPages;
    case BookSide::Right:
        return store.RightPages;
    case BookSide::Undivided:
        break;
    }
    return store.UndividedPages;
}

PageArray& pagesOf(ReportStore& store, BookSide side)
{
    return const_cast<PageArray&>(pagesOf(std::as_const(store), side));
}

std::int32_t lastPageOf(const ReportStore& store, BookSide side)
{
    switch (side) {
    case BookSide::Left:
        return store.LastLeftPage;
    case BookSide::Right:
        return store.LastRightPage;
    case BookSide::Undivided:
        break;
    }
    return store.LastPage;
}

std::optional<PageRef> nextPage(const ReportStore& store, PageRef page)
{
    if (page.side != BookSide::Left && page.index == lastPageOf(store, page.side))
        return std::nullopt;
    if (page.side == BookSide::Left && page.index + 1 > store.LastLeftPage)
        return PageRef{BookSide::Right, 0};
    return PageRef{page.side, page.index + 1};
}

std::optional<PageRef> previousPage(const ReportStore& store, PageRef page)
{
    if (page.side != BookSide::Right && page.index == 0)
        return std::nullopt;
    if (page.side == BookSide::Right && page.index == 0)
        return PageRef{BookSide::Left, store.LastLeftPage};
    return PageRef{page.side, page.index - 1};
}

} // namespace quarrow
