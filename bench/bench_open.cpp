// mirevo_bench_open [file.xlsx] [runs]
// Time to open a large workbook (default: the documents benchmark's output, 727 sheets), each
// run in a fresh child process as the program opens it: the whole read (every sheet parsed
// before Open returns), and the open on demand (Open returns with the active sheet read, as
// the workbook window shows it), then the rest read at once (as saving or printing needs
// them). Median and best of the runs (default 5), and the peak memory of the children.
#include "BenchSupport.h"
#include "spreadsheet/Spreadsheet.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace mirevo;

namespace {

struct Run {
    double seconds = -1;
    double rest = -1; // on demand: reading the other sheets afterwards
    int sheets = 0;
};

Run whole(const char* path)
{
    sheet::Application app;
    const auto start = std::chrono::steady_clock::now();
    sheet::Workbook& book = app.Workbooks().Open(path);
    return {bench::since(start), 0, book.Sheets().Count()};
}

Run onDemand(const char* path)
{
    sheet::Application app;
    const auto start = std::chrono::steady_clock::now();
    sheet::Workbook& book = app.Workbooks().Open(path, sheet::SheetReading::OnDemand);
    book.ActiveSheet().data();
    const double first = bench::since(start);
    const auto rest = std::chrono::steady_clock::now();
    book.readSheets();
    return {first, bench::since(rest), book.Sheets().Count()};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char* what, const std::vector<double>& v)
{
    std::printf("  %-28s median %.3f s, best %.3f s\n", what, median(v), *std::min_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "/tmp/bench_all.xlsx";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> all, first, rest;
    long peak = 0;
    int sheets = 0;
    const auto ok = [](const Run& r) { return r.seconds >= 0; };
    for (int i = 0; i < runs; ++i) {
        Run a, b;
        const bench::ChildExit ea = bench::inChild(
            a, [&] { return whole(path); }, ok);
        const bench::ChildExit eb = bench::inChild(
            b, [&] { return onDemand(path); }, ok);
        if (!ea.succeeded || !eb.succeeded)
            return 1;
        all.push_back(a.seconds);
        first.push_back(b.seconds);
        rest.push_back(b.rest);
        peak = std::max({peak, ea.peakKiB, eb.peakKiB});
        sheets = a.sheets;
    }
    std::printf("open %s: %d sheets, %d runs, each in a fresh process\n", path, sheets, runs);
    report("whole read:", all);
    report("on demand, the first sheet:", first);
    report("then the other sheets:", rest);
    std::printf("  peak %.1f MB\n", double(peak) / 1024.0);
    return 0;
}
