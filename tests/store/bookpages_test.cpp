#include "store/bookpages.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarrow::test {
namespace {

// Paging runs through the undivided book, or from the left book into the right book, and
// stops at either end (tests/data/paging.txt; sides as numbers: 0 undivided, 1 left, 2 right).
using Paging = testing::TestWithParam<TableRow>;
TEST_P(Paging, StopsAtTheEndsOfTheBook)
{
    ReportStore store;
    store.LastPage = 1;
    store.LastLeftPage = 2;
    store.LastRightPage = 1;
    const auto& row = GetParam();
    store.RoadwayType = row[0] == "divided" ? "Divided" : "Undivided";
    std::istringstream shown(row[1]);
    int side = 0;
    PageRef page;
    shown >> side >> page.index;
    page.side = static_cast<BookSide>(side);
    showPage(store, page);
    auto next = row[2] == "forward" ? nextPage(store, currentPage(store))
                                    : previousPage(store, currentPage(store));
    EXPECT_EQ(next
                  ? std::to_string(static_cast<int>(next->side)) + " " + std::to_string(next->index)
                  : "-",
              row[3]);
}
INSTANTIATE_TEST_SUITE_P(BookPages, Paging, testing::ValuesIn(readTable("paging.txt")), rowName);

} // namespace
} // namespace quarrow::test
