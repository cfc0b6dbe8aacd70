// The page layout as data: every drawing operation of a page, in drawing order, is kept in
// tests/data/pages, one a line. Regenerate with tests/regenerate.sh after a reviewed change.

#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdio>

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

struct RecordedPage
{
    const char* sample;
    SurfaceKind kind;
    std::optional<PrintableArea> printer; // nothing: none can be queried
    const char* side;
    std::int32_t page;
    const char* file;
};

// An undivided page on the display window for an A4 printer, whose printable area holds part
// of a column; a divided book's pages on paper when no printer can be queried.
TEST(PageLayout, PagesDrawTheirFrameTitlesAndCellsAtTheirPlaces)
{
    const RecordedPage pages[] = {
        {"sr22-undivided.stk", SurfaceKind::Window, PrintableArea{95.3, 68.2}, "left", 1,
         "undivided-page-2-window.txt"},
        {"us97-divided.stk", SurfaceKind::Printer, std::nullopt, "left", 0,
         "divided-left-page-1-printer.txt"},
        {"us97-divided.stk", SurfaceKind::Printer, std::nullopt, "right", 10,
         "divided-right-page-11-printer.txt"},
    };
    for (const RecordedPage& page : pages) {
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = sampleFile(page.sample).string();
        ASSERT_TRUE(ReadReportFile(store, messenger));
        store.ProjectNumber = "104";
        store.ControlNumber = "2207";
        store.ReportFontName = "Lucida Console";
        store.DrawScale = 0.75;
        store.CurrentSide = page.side;
        store.CurrentPage = page.page;
        FixedPageMetrics printer;
        printer.setPrintableArea(page.printer);
        PepPrint renderer(store, messenger, printer, testDate);
        LoggingSurface surface(page.kind);
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
        expectFileContent(testDataFile(std::string("pages/") + page.file), surface.log);
        EXPECT_TRUE(messenger.messages.empty());
    }
}

} // namespace
} // namespace quarrow::test
