#include "store/reportstore.h"

#include "store/pictureformat.h"

namespace quarrow {

void startNewBook(ReportStore& store)
{
    store.UndividedPages.clear();
    store.LeftPages.clear();
    store.RightPages.clear();
    store.StationItems.clear();
    store.PageStationItems.clear();
    store.PageItems.clear();
    store.Parser = ParserState{};
    store.UnsavedCorrections = false;
}

void resetCounters(ReportStore& store)
{
    store.ReportState = kNoReport;
    store.LastPage = store.LastRightPage = store.LastLeftPage = 0;
    store.PageIndex = store.LeftPageIndex = store.RightPageIndex = 0;
}

std::string listColumn(const std::string& text)
{
    return Format(std::string_view(text), "@@@@@@@@@@@@@@@");
}

std::string listColumn(std::int32_t number)
{
    return listColumn(std::to_string(number));
}

} // namespace quarrow
