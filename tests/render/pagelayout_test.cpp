// The page layout as data: every drawing operation of a page, in drawing order, is kept in
// tests/data/pages, one a line. Regenerate with tests/regenerate.sh after a reviewed change.

#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace quarrow::test {
namespace {

// Writes each operation as a line of text.
class LoggingSurface : public DrawingSurface
{
public:
    explicit LoggingSurface(SurfaceKind kind) : m_kind(kind) {}

    SurfaceKind kind() const override { return m_kind; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setFontName(const std::string& name) override { add("font " + name); }
    void setFontSize(double points) override { add("size " + number(points)); }
    void setBold(bool on) override { add(on ? "bold on" : "bold off"); }
    void setItalic(bool on) override { add(on ? "italic on" : "italic off"); }
    void setFontTransparent(bool on) override { add(on ? "transparent on" : "transparent off"); }
    void setFillStyle(int style) override { add("fill " + std::to_string(style)); }
    void printText(const std::string& text) override
    {
        add("text " + number(m_x) + " " + number(m_y) + " |" + text + "|");
    }
    void drawLine(double x, double y, double right, double down) override
    {
        add("line " + number(x) + " " + number(y) + " " + number(right) + " " + number(down));
    }
    void newPage() override { add("new page"); }

    std::string log;

private:
    static std::string number(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", value);
        return text;
    }
    void add(const std::string& line) { log += line + "\n"; }

    SurfaceKind m_kind;
    double m_x = 0.0;
    double m_y = 0.0;
};

std::chrono::year_month_day fixedDate()
{
    using namespace std::chrono;
    return year{2026} / December / 6;
}

class PageLayout : public testing::Test
{
protected:
    void open(const std::string& sample)
    {
        store.InputFileName = sampleFile(sample).string();
        store.ProjectNumber = "104";
        store.ControlNumber = "2207";
        store.ReportFontName = "Lucida Console";
        ASSERT_TRUE(ReadReportFile(store, messenger));
    }

    std::string draw(SurfaceKind kind, const std::string& side, std::int32_t page)
    {
        LoggingSurface surface(kind);
        store.CurrentSide = side;
        store.CurrentPage = page;
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
        return surface.log;
    }

    ReportStore store;
    RecordingMessenger messenger;
    FixedPageMetrics printer;
    PepPrint renderer{store, messenger, printer, fixedDate};
};

// An undivided page on the display window for an A4 printer, whose printable area holds part
// of a column; a divided book's pages on paper when no printer can be queried.
TEST_F(PageLayout, PagesDrawTheirFrameTitlesAndCellsAtTheirPlaces)
{
    open("sr22-undivided.stk");
    printer.setPrintableArea(PrintableArea{95.3, 68.2});
    store.DrawScale = 0.75;
    expectFileContent(testDataFile("pages/undivided-page-2-window.txt"),
                      draw(SurfaceKind::Window, "left", 1));
    store = ReportStore{};
    open("us97-divided.stk");
    printer.setPrintableArea(std::nullopt);
    expectFileContent(testDataFile("pages/divided-left-page-1-printer.txt"),
                      draw(SurfaceKind::Printer, "left", 0));
    expectFileContent(testDataFile("pages/divided-right-page-11-printer.txt"),
                      draw(SurfaceKind::Printer, "right", 10));
    EXPECT_TRUE(messenger.messages.empty());
}

} // namespace
} // namespace quarrow::test
