// Measures quarrow-book on generated listings: the time to turn a listing into a report file
// and to read that report file back, with the peak resident memory of each run.
//
//   book_bench [STATIONS...]     undivided listings of these sizes (default: 1000 10000 30002)
//   book_bench --divided N...    divided listings
//
// Without arguments it measures the default undivided sizes and a divided listing of
// 15002 stations, the capacities of the two kinds of book.

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

void report(const char* what, int stations, const Measure& m)
{
    std::printf("%-28s %6d stations  %8.1f ms  %6.1f MB peak%s\n", what, stations, m.milliseconds,
                static_cast<double>(m.peakKilobytes) / 1024.0, m.status == 0 ? "" : "  (FAILED)");
}

void measure(int stations, bool divided, const std::filesystem::path& dir)
{
    std::string listing = (dir / "bench.txt").string();
    std::string book = (dir / "bench.stk").string();
    writeListing(listing, stations, divided);
    const char* kind = divided ? "divided" : "undivided";
    report((std::string(kind) + " listing -> report").c_str(), stations,
           runTool({listing, "--stk", book}));
    report((std::string(kind) + " report read").c_str(), stations, runTool({book}));
}

} // namespace

int main(int argc, char** argv)
{
    auto dir =
        std::filesystem::temp_directory_path() / ("quarrow-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
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
