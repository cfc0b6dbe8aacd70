// Measures the book engine on generated listings. quarrow-book runs as a child process, so
// each figure has its own peak resident memory: building the book from the listing, building
// it and writing the report file (the write is the difference), and reading the report file
// back. Drawing page 1 of the book read is timed in this process on a recording surface.
//
//   book_bench [STATIONS...]     undivided listings of these sizes (default: 1000 10000 30002)
//   book_bench --divided N...    divided listings
//   book_bench --print PRINTER   a book of 1000 pages printed on PRINTER: the time until the
//                                job is sent, and until the print system has printed it
//                                (make bench-print uses the tests' own print system)
//
// Without arguments it measures the default undivided sizes and a divided listing of
// 15002 stations, the capacities of the two kinds of book.

#include "main/inputdriver.h"
#include "nullsurface.h"
#include "render/fixedpagemetrics.h"
#include "render/pepprint.h"
#include "store/reportfile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Measure
{
    double milliseconds;
    long peakKilobytes;
    int status;
};

Measure runTool(const std::vector<std::string>& args)
{
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        std::string tool = QUARROW_BOOK_PATH;
        argv.push_back(tool.data());
        std::vector<std::string> copies(args);
        for (auto& arg : copies)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    auto elapsed = std::chrono::steady_clock::now() - start;
    return {std::chrono::duration<double, std::milli>(elapsed).count(), usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string station(int index)
{
    int feet = 1000 + index * 50;
    std::string remainder = std::to_string(feet % 100);
    return std::to_string(feet / 100) + "+" + (remainder.size() < 2 ? "0" : "") + remainder;
}

// One side of a station: realistic values, stake types and median codes in turn.
std::string side(int index, int line, bool divided)
{
    static const char* codes[] = {"F", "C", "CNBS", "F"};
    static const char* medians[] = {"SSTOGRD", "BBSTOGRD", "SSTOV",
                                    "BBSTOV",  "SSTOFBD",  "BBSTOFBD"};
    bool median = divided && (line == 1 || line == 2) && index % 2 == 0;
    double elevation = 1012.0 + (index % 400) * 0.05;
    char text[512];
    std::snprintf(text, sizeof text,
                  "%.3f,%.3f,%.3f,12.000,%s,4.500,%s,0.000,6.250,%.3f,2.00,8.400,4.000,3.250,"
                  "13.000,4.00,%s,%.3f",
                  elevation, (index % 7) - 3.25, elevation - 0.24,
                  index % 5 == 0 ? "999.000" : "1.750", median ? "M" : codes[(index + line) % 4],
                  elevation - 2.5, median ? medians[index % 6] : "0", line < 2 ? 7.2 : 14.4);
    return text;
}

void writeListing(const std::string& path, int stations, bool divided)
{
    std::ofstream out(path, std::ios::binary);
    out << (divided ? "DIVIDED,METRIC\r\n" : "UNDIVIDED,IMPERIAL\r\n");
    int lines = divided ? 4 : 2;
    for (int i = 0; i < stations; ++i) {
        for (int line = 0; line < lines; ++line)
            out << "SR22 PGL," << station(i) << "," << side(i, line, divided) << "\r\n";
    }
}

class SilentMessenger : public quarrow::Messenger
{
public:
    void show(const std::string&) override {}
};

// Page 1 of the report file drawn on the printer's recording surface, mean of many draws.
double drawPageMicroseconds(const std::string& book)
{
    quarrow::ReportStore store;
    SilentMessenger messenger;
    store.InputFileName = book;
    quarrow::ReadReportFile(store, messenger);
    store.CurrentSide = "left";
    quarrow::FixedPageMetrics printer(quarrow::PrintableArea{96.0, 63.0});
    quarrow::PepPrint renderer(store, messenger, printer);
    constexpr int kDraws = 2000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kDraws; ++i) {
        quarrow::NullSurface surface;
        renderer.PrintRDSForm(surface);
        renderer.ImpPrintRDSForm(surface, 50);
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::micro>(elapsed).count() / kDraws;
}

void printRow(const char* kind, int stations, const Measure& build, const Measure& write,
              const Measure& read, double drawMicroseconds)
{
    bool failed = build.status != 0 || write.status != 0 || read.status != 0;
    std::printf("%-9s %6d %9.1f %9.1f %9.1f %10.1f %7.1f %7.1f %7.1f %8.2f%s\n", kind, stations,
                build.milliseconds, write.milliseconds - build.milliseconds, read.milliseconds,
                drawMicroseconds, static_cast<double>(build.peakKilobytes) / 1024.0,
                static_cast<double>(write.peakKilobytes) / 1024.0,
                static_cast<double>(read.peakKilobytes) / 1024.0,
                1000.0 * (write.milliseconds + read.milliseconds) / stations,
                failed ? "  (FAILED)" : "");
}

void measure(int stations, bool divided, const std::filesystem::path& dir)
{
    std::string listing = (dir / "bench.txt").string();
    std::string book = (dir / "bench.stk").string();
    writeListing(listing, stations, divided);
    Measure build = runTool({listing});
    Measure write = runTool({listing, "--stk", book});
    Measure read = runTool({book});
    printRow(divided ? "divided" : "undivided", stations, build, write, read,
             drawPageMicroseconds(book));
}

// Times quarrow-book printing a book of 1000 pages, then waits for the print system to have
// no job left on the printer.
void measurePrinting(const std::string& printer, const std::filesystem::path& dir)
{
    std::string listing = (dir / "print.txt").string();
    writeListing(listing, 2999, false);
    auto start = std::chrono::steady_clock::now();
    Measure sent = runTool({listing, "--print", printer});
    std::string pending = "lpstat -o '" + printer + "' 2>/dev/null | grep -q .";
    while (std::system(pending.c_str()) == 0)
        usleep(20000);
    auto printed = std::chrono::steady_clock::now() - start;
    std::printf("1000 pages on %s: %.0f ms until sent (%.1f MB), %.0f ms until printed%s\n",
                printer.c_str(), sent.milliseconds, static_cast<double>(sent.peakKilobytes) / 1024,
                std::chrono::duration<double, std::milli>(printed).count(),
                sent.status != 0 ? "  (FAILED)" : "");
}

} // namespace

int main(int argc, char** argv)
{
    auto dir =
        std::filesystem::temp_directory_path() / ("quarrow-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    if (argc == 3 && std::string(argv[1]) == "--print") {
        measurePrinting(argv[2], dir);
        std::filesystem::remove_all(dir);
        return 0;
    }
    std::printf("%-9s %6s %9s %9s %9s %10s %7s %7s %7s %8s\n", "book", "sta.", "build ms",
                "write ms", "read ms", "draw us/pg", "MB bld", "MB b+w", "MB read", "us/sta.");
    bool divided = false;
    bool any = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--divided") {
            divided = true;
            continue;
        }
        measure(std::atoi(arg.c_str()), divided, dir);
        any = true;
    }
    if (!any) {
        for (int stations : {1000, 10000, 30002})
            measure(stations, false, dir);
        measure(15002, true, dir);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
