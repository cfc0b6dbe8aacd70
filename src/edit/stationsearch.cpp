#include "edit/stationsearch.h"

#include "store/bookpages.h"
#include "store/runerror.h"
#include "store/stationnumber.h"

#include <cmath>
#include <optional>

namespace quarrow {
namespace {

struct StationPlace
{
    std::int32_t page;
    std::int32_t block;
};

std::optional<StationPlace> searchPages(const PageArray& pages, std::int32_t lastPage,
                                        std::string_view station, Messenger& messenger)
{
    double wanted = ConvertInDouble(station, messenger);
    if (std::isnan(wanted))
        return std::nullopt;
    for (std::int32_t page = 0; page <= lastPage; ++page) {
        for (std::int32_t block = 0; block <= 2; ++block) {
            if (ConvertInDouble(pages.read(page).StakeCells.at(block, 0, 0), messenger) == wanted)
                return StationPlace{page, block};
        }
    }
    return std::nullopt;
}

// A run-time failure inside a search is reported, and the search matches nothing.
std::optional<StationPlace> trappedSearch(const PageArray& pages, std::int32_t lastPage,
                                          std::string_view station, Messenger& messenger)
{
    try {
        return searchPages(pages, lastPage, station, messenger);
    } catch (const RunError& error) {
        messenger.show(std::string(" Program Error : ") + error.what() +
                       " occured in SearchStation()");
        return std::nullopt;
    }
}

bool takePlace(ReportStore& store, const std::optional<StationPlace>& place, std::int16_t& page)
{
    if (!place)
        return false;
    page = static_cast<std::int16_t>(place->page);
    store.BlockIndex = place->block;
    return true;
}

} // namespace

bool SearchStation(ReportStore& store, std::string_view station, std::int16_t& page,
                   Messenger& messenger)
{
    return takePlace(store, trappedSearch(store.UndividedPages, store.LastPage, station, messenger),
                     page);
}

bool SearchStationDivided(ReportStore& store, std::string_view station, std::int16_t& page,
                          Messenger& messenger)
{
    BookSide side = currentSide(store);
    auto place = trappedSearch(pagesOf(store, side), lastPageOf(store, side), station, messenger);
    if (!place && side == BookSide::Right)
        store.BlockIndex = 3;
    return takePlace(store, place, page);
}

bool searchBook(ReportStore& store, std::string_view station, std::int16_t& page,
                Messenger& messenger)
{
    if (isUndivided(store))
        return SearchStation(store, station, page, messenger);
    if (isDivided(store))
        return SearchStationDivided(store, station, page, messenger);
    return false;
}

std::string notInBook(std::string_view station)
{
    return "Station " + std::string(station) + " is not in this book.";
}

} // namespace quarrow
