#include "testsupport.h"

#include "recordingsurface.h"
#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <sstream>
#include <thread>

namespace quarrow::test {

std::filesystem::path sampleFile(const std::string& name)
{
    return std::filesystem::path(QUARROW_SAMPLES_DIR) / name;
}

std::filesystem::path testDataFile(const std::string& name)
{
    return std::filesystem::path(QUARROW_TEST_DATA_DIR) / name;
}

std::string rowName(const testing::TestParamInfo<TableRow>& row)
{
    return "line" + std::to_string(row.param.line);
}

std::vector<TableRow> readTable(const std::string& name)
{
    std::istringstream lines(readFile(testDataFile(name)));
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        TableRow& row = rows.emplace_back();
        row.line = number;
        std::istringstream cells(line + "|");
        for (std::string cell; std::getline(cells, cell, '|');)
            row.push_back(cell);
    }
    EXPECT_FALSE(rows.empty()) << name << " holds no rows";
    return rows;
}

void expectFileContent(const std::filesystem::path& expected, const std::string& actual)
{
    bool exists = std::filesystem::exists(expected);
    const char* regenerate = std::getenv("QUARROW_REGENERATE");
    if (regenerate && std::string(regenerate) == "1") {
        if (!actual.empty())
            writeFile(expected, actual);
        else if (exists)
            std::filesystem::remove(expected);
        return;
    }
    EXPECT_EQ(actual, exists ? readFile(expected) : std::string()) << expected.string();
}

int hostCommand(const std::string& command)
{
#ifdef _WIN32
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();
    const char* folder = std::getenv("QUARROW_HOST_COMMANDS");
    std::string request = std::string(folder ? folder : ".") + "/" + std::to_string(run) + "-" +
                          std::to_string(counter++);
    writeFile(pathOf(request + ".new"), command);
    std::filesystem::rename(pathOf(request + ".new"), pathOf(request + ".cmd"));
    auto status = pathOf(request + ".status");
    for (int wait = 0; wait < 1200 && !std::filesystem::exists(status); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    int exit = std::filesystem::exists(status) ? std::stoi(readFile(status)) : -1;
    std::filesystem::remove(status);
    return exit;
#else
    return std::system(command.c_str());
#endif
}

namespace {

// Positions to the nearest 6 points, half a line and one column, on which every cell stands:
// a printer driver may place a text a point or two away from where Qt's PDF writer does.
std::string placed(double left, double top, bool bold, bool italic, const std::string& text)
{
    auto cell = [](double points) { return std::to_string(6 * std::lround(points / 6)); };
    return cell(top) + " " + cell(left) + (bold ? " bold" : "") + (italic ? " italic" : "") + " |" +
           text + "|";
}

} // namespace

std::string hostOutput(const std::string& command)
{
    TempDir dir;
    EXPECT_EQ(hostCommand(command + " > \"" + dir.file("out.txt") + "\""), 0)
        << command << " failed";
    return readFile(dir.file("out.txt"));
}

std::vector<std::string> pdfPageTexts(const std::string& pdf, int page)
{
    std::string xml = hostOutput("pdftohtml -q -xml -i -stdout -zoom 1 -f " + std::to_string(page) +
                                 " -l " + std::to_string(page) + " \"" + pdf + "\"");
    static const std::regex text(R"re(<text top="(\d+)" left="(\d+)"[^>]*>(.*)</text>)re");
    static const std::regex tags("</?[bi]>");
    static const std::regex nbsp("\xC2\xA0");
    static const std::regex shy("\xC2\xAD");
    std::vector<std::string> texts;
    std::istringstream lines(xml);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, text))
            continue;
        std::string content = match[3];
        // A printer driver may give blanks as no-break spaces and minus signs as soft hyphens.
        std::string plain = std::regex_replace(
            std::regex_replace(std::regex_replace(content, tags, ""), nbsp, " "), shy, "-");
        texts.push_back(placed(std::stod(match[2]), std::stod(match[1]),
                               content.find("<b>") != std::string::npos,
                               content.find("<i>") != std::string::npos, plain));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::vector<std::string> drawnPageTexts(ReportStore& store, PrintableArea area, double left,
                                        double top, std::int32_t page)
{
    RecordingSurface recorder(SurfaceKind::Printer);
    FixedPageMetrics printer(area);
    RecordingMessenger messenger;
    PepPrint renderer(store, messenger, printer, testDate);
    store.CurrentPage = page;
    renderer.PrintRDSForm(recorder);
    renderer.ImpPrintRDSForm(recorder, 50);
    std::vector<std::string> texts;
    bool bold = false;
    bool italic = false;
    std::istringstream lines(recorder.log());
    for (std::string line; std::getline(lines, line);) {
        bold = line == "bold on" || (bold && line != "bold off");
        italic = line == "italic on" || (italic && line != "italic off");
        double x = 0.0;
        double y = 0.0;
        std::string text = line.substr(line.find('|') + 1);
        text.erase(text.find_last_not_of(" |") + 1);
        if (std::sscanf(line.c_str(), "text %lf %lf", &x, &y) == 2 && !text.empty())
            texts.push_back(
                placed(left + 6 * x, top + 12 * y, bold, italic, utf8FromWindows1252(text)));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::string pdfPageHeaders(const std::string& pdf)
{
    std::istringstream pages(hostOutput("pdftotext -raw \"" + pdf + "\" -"));
    static const std::regex header(R"re(Roadway Name(\(left\)|\(Right\))?:|Page No: (\d+) of)re");
    std::string headers;
    // pdftotext ends each page with a form feed.
    for (std::string page; std::getline(pages, page, '\f');) {
        std::string found;
        for (std::sregex_iterator it(page.begin(), page.end(), header), end; it != end; ++it)
            found += (*it)[2].matched ? (*it)[2].str() : (*it)[1].str();
        headers += (found.empty() ? "-" : found) + " ";
    }
    return headers.substr(0, headers.size() - 1);
}

std::chrono::year_month_day testDate()
{
    using namespace std::chrono;
    return year{2026} / December / 6;
}

std::string stationText(int index)
{
    return std::to_string(10 + index / 2) + (index % 2 ? "+50" : "+00");
}

namespace {

std::string generatedListing(const char* firstLine, int stations, int linesPerStation,
                             const std::string& fields)
{
    std::string text = std::string(firstLine) + "\r\n";
    for (int i = 0; i < stations; ++i) {
        std::string line = "SR22 PGL," + stationText(i) + "," + fields + "\r\n";
        for (int n = 0; n < linesPerStation; ++n)
            text += line;
    }
    return text;
}

} // namespace

std::string undividedListing(int stations)
{
    return generatedListing("UNDIVIDED,IMPERIAL", stations, 2,
                            "1020.5,2.5,1019.25,12,1.5,4,F,0,6,1016.5,2,8,4,3.25,13,4");
}

std::string dividedListing(int stations)
{
    return generatedListing("DIVIDED,METRIC", stations, 4,
                            "312.5,0.5,311.25,3.6,0.5,1.2,C,0,1.8,310.5,2,2.4,1.2,0.8,3.2,4,0,7.2");
}

} // namespace quarrow::test
