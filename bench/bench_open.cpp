// mirevo_bench_open [file.xlsx]
// Time to open a large workbook (default: the documents benchmark's output, 727 sheets),
// best of three runs, and the peak memory of the process.
#include "BenchSupport.h"
#include "Spreadsheet.h"

#include <cstdio>
#include <exception>

using namespace mirevo;

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "/tmp/bench_all.xlsx";
    double best = 1e9;
    int sheets = 0;
    try {
        for (int run = 0; run < 3; ++run) {
            sheet::Application app;
            const auto start = std::chrono::steady_clock::now();
            sheet::Workbook &book = app.Workbooks().Open(path);
            best = std::min(best, bench::since(start));
            sheets = book.Sheets().Count();
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("open %s: %d sheets, %.3f s (best of 3), peak %.1f MB\n", path, sheets, best, bench::peakKiB() / 1024.0);
    return 0;
}
