#pragma once

#include "files.h"
#include "render/pagemetricssource.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace quarrow::test {

class RecordingMessenger : public Messenger
{
public:
    void show(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

std::filesystem::path sampleFile(const std::string& name);
std::filesystem::path testDataFile(const std::string& name);

// A row of a table kept in tests/data: its cells, and the line it stands on.
struct TableRow : std::vector<std::string>
{
    int line = 0;
};
// A test of a table's row is named after the row's line ("line12").
std::string rowName(const testing::TestParamInfo<TableRow>& row);

// The rows of a table: a row a line, its cells separated by "|". Empty lines and lines that
// start with "#" are not rows.
std::vector<TableRow> readTable(const std::string& name);

// Runs a shell command on the build machine and gives its exit status (0 for success). Under
// Wine, which cannot start the build machine's programs (poppler's, CUPS's), the command goes
// to the runner that CTest starts beside the tests (tests/windows/hostcommands.sh), which
// takes Wine's drive letters for the folders they stand for.
int hostCommand(const std::string& command);
// What the command writes on its standard output.
std::string hostOutput(const std::string& command);

// Compares `actual` with the expected file, or writes it there when the test run was asked
// to write its expected files anew (QUARROW_REGENERATE=1); an empty `actual` stands for no
// such output, so the file must not exist.
void expectFileContent(const std::filesystem::path& expected, const std::string& actual);

// The texts of a PDF page as poppler finds them, one "top left [bold] [italic] |text|" each
// (points from the page's top-left corner), sorted.
std::vector<std::string> pdfPageTexts(const std::string& pdf, int page);
// The same for page `page` of the book's current side as the renderer draws it on a printer
// with that printable area, a margin of `margin` points from the page's edges, on the date
// of the tests.
std::vector<std::string> drawnPageTexts(ReportStore& store, PrintableArea area, double left,
                                        double top, std::int32_t page);
// The header of each page of a PDF of the book, in order: the roadway name's side ("",
// "(left)" or "(Right)") and the page number, e.g. "(left)1 (left)2 (Right)1"; "-" for a page
// without a header.
std::string pdfPageHeaders(const std::string& pdf);
std::chrono::year_month_day testDate();

// Generated listings: `stations` stations of two (undivided) or four (divided) data lines.
std::string undividedListing(int stations);
std::string dividedListing(int stations);
// "10+00", "10+50", "11+00", ...
std::string stationText(int index);

} // namespace quarrow::test
