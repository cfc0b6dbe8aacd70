#pragma once

#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "render/recordingsurface.h"
#include "testsupport.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quarrow::test {

inline std::chrono::year_month_day dateOf(int y, unsigned m, unsigned d)
{
    return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

// Text "<prefix><block><column><line>" in every cell of both tables, block 3 and line 6
// included, so that each drawn cell tells where it came from.
inline void fillCells(BookPage& page, const std::string& prefix)
{
    for (int block = 0; block < 4; ++block) {
        for (int line = 0; line < 7; ++line) {
            auto key = [&](int column) {
                return std::to_string(block) + std::to_string(column) + std::to_string(line);
            };
            for (int column = 0; column < 4; ++column)
                page.StakeCells.set(block, column, line, prefix + "S" + key(column));
            for (int column = 0; column < 6; ++column)
                page.HubCells.set(block, column, line, prefix + "H" + key(column));
        }
    }
}

inline std::vector<const RecordedText*> textsNamed(const RecordingSurface& surface,
                                                   const std::string& text)
{
    std::vector<const RecordedText*> found;
    for (const RecordedText& drawn : surface.texts())
        if (drawn.text == text)
            found.push_back(&drawn);
    return found;
}

// The page renderer on the reference printer (96 by 63), with the date fixed.
class PageFixture : public testing::Test
{
protected:
    PageFixture()
    {
        store.ProjectNumber = "104";
        store.ControlNumber = "2207";
        store.ReportFontName = "Lucida Console";
        store.RoadwayType = "Undivided";
        store.CurrentSide = "left";
    }

    void drawPage(DrawingSurface& surface)
    {
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
    }

    // The one text drawn as `text`; fails the test when there is not exactly one.
    RecordedText drawnOnce(const RecordingSurface& surface, const std::string& text)
    {
        auto found = textsNamed(surface, text);
        EXPECT_EQ(found.size(), 1u) << '"' << text << '"';
        return found.empty() ? RecordedText{} : *found.front();
    }

    ReportStore store;
    RecordingMessenger messenger;
    FixedPageMetrics printer{PrintableArea{96.0, 63.0}};
    std::chrono::year_month_day today = dateOf(2001, 10, 16);
    PepPrint renderer{store, messenger, printer, [this] { return today; }};
    RecordingSurface paper{SurfaceKind::Printer};
    RecordingSurface window{SurfaceKind::Window};
};

} // namespace quarrow::test
