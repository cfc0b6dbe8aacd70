// render_bench: the page renderer's cost per page on the recording surface (no window
// system: the layout work alone), and a whole 1000-page book printed to PDF through Qt.

#include "nullsurface.h"
#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#ifdef QUARROW_WITH_QT
#include "cli/output/qtbookoutput.h"
#endif

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace quarrow {
namespace {

class SilentMessenger : public Messenger
{
public:
    void show(const std::string&) override {}
};

// Every cell of blocks 0 to 2 holds text, the most a page can draw.
void fillPage(BookPage& page, int number)
{
    page.RoadwayName = "SR22";
    for (int block = 0; block < 3; ++block) {
        std::string station = std::to_string(10 + number) + "+" + std::to_string(block * 25);
        const char* stake[] = {"C 4.63 @37.18", "TO ELEV 1015.48", "BS = 3.00",
                               "TBS = 23.28",   "2.00 FBD",        "@15.93  @16.42"};
        for (int line = 0; line < 6; ++line) {
            page.StakeCells.set(block, 0, line, line == 0 ? station : "1018.23  1018.23");
            page.StakeCells.set(block, 1, line, stake[line]);
            page.StakeCells.set(block, 2, line, "C -3.91");
            page.StakeCells.set(block, 3, line, stake[5 - line]);
            for (int column = 0; column < 6; ++column)
                page.HubCells.set(block, column, line, column == 0 ? station : "1016.05");
        }
    }
}

void fillBook(ReportStore& store, int pages)
{
    store.RoadwayType = "Undivided";
    store.ProjectNumber = "104";
    store.ControlNumber = "2207";
    store.LastPage = pages - 1;
    for (int page = 0; page < pages; ++page)
        fillPage(store.UndividedPages.write(page), page);
}

void drawOnePage(benchmark::State& state)
{
    ReportStore store;
    fillBook(store, 1);
    SilentMessenger messenger;
    FixedPageMetrics printer(PrintableArea{96, 63});
    PepPrint renderer(store, messenger, printer);
    NullSurface surface;
    for (auto _ : state) {
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
        benchmark::DoNotOptimize(surface.currentY());
    }
}
BENCHMARK(drawOnePage)->Unit(benchmark::kMicrosecond);

#ifdef QUARROW_WITH_QT
void printThousandPagePdf(benchmark::State& state)
{
    ReportStore store;
    fillBook(store, 1000);
    auto path = (std::filesystem::temp_directory_path() / "quarrow-render-bench.pdf").string();
    QtBookOutput output;
    ReportStore warmUp;
    fillBook(warmUp, 1);
    std::ostringstream err;
    if (!output.printPdf(warmUp, path, std::nullopt, err)) // starts Qt and loads the fonts
        throw std::runtime_error(err.str());
    for (auto _ : state) {
        if (!output.printPdf(store, path, std::nullopt, err))
            throw std::runtime_error(err.str());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(printThousandPagePdf)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

} // namespace
} // namespace quarrow
