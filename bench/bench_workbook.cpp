// mirevo_bench_workbook [output-folder] [--engine-only]
// Builds a large site's document set with the workbook engine and saves it, then writes the
// same cells, merges and formats with libxlsxwriter. Each side runs in its own child process
// so that its peak memory (ru_maxrss) is its own. --engine-only runs the engine side in the
// process itself (for a profiler).
#include "BenchSupport.h"
#include "SiteWorkbook.h"
#include "XlsxwriterReplica.h"
#include "spreadsheet/XlsxWriter.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

using namespace mirevo;

namespace {

struct Result {
    double seconds = 0;      // timed part
    double buildSeconds = 0; // engine: building the workbook, part of `seconds`
    long cells = 0;
    long peakKiB = 0;
};

long countCells(const sheet::Workbook& book)
{
    long n = 0;
    for (const auto& s : book.sheets())
        s->data().rows.forEach([&](int, const sheet::Row& row) { n += long(row.cells.size()); });
    return n;
}

// Engine: build through the object model, then save.
Result runEngine(const std::string& path, int deflateLevel = 1)
{
    Result r;
    const auto start = std::chrono::steady_clock::now();
    sheet::Application app;
    sheet::Workbook& book = bench::buildSiteWorkbook(app, {});
    r.buildSeconds = bench::since(start);
    if (deflateLevel == 1)
        book.SaveAs(path);
    else
        sheet::writeXlsx(book, path, deflateLevel);
    r.seconds = bench::since(start);
    r.cells = countCells(book);
    return r;
}

// libxlsxwriter: the same final cells written cell by cell (model built untimed).
Result runXlsxwriter(const std::string& path, bool constantMemory = false)
{
    sheet::Application app;
    sheet::Workbook& book = bench::buildSiteWorkbook(app, {});
    Result r;
    r.cells = countCells(book);
    const auto start = std::chrono::steady_clock::now();
    bench::writeWithXlsxwriter(book, path, constantMemory);
    r.seconds = bench::since(start);
    return r;
}

Result inChild(const std::function<Result()>& run)
{
    Result r{};
    const bench::ChildExit child = bench::inChild(r, run, [](const Result&) { return true; });
    if (child.started && !child.succeeded)
        std::exit(1);
    r.peakKiB = child.peakKiB;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    const std::string ours = (folder / "bench-engine.xlsx").string();
    const std::string theirs = (folder / "bench-xlsxwriter.xlsx").string();
    if (argc > 2 && std::string(argv[2]) == "--engine-only") {
        const Result r = runEngine(ours);
        std::printf("engine: %.2f s (build %.2f s), %ld cells\n", r.seconds, r.buildSeconds, r.cells);
        return 0;
    }
    const Result engine = inChild([&] { return runEngine(ours); });
    const Result lxw = inChild([&] { return runXlsxwriter(theirs); });
    const std::string oursAt6 = (folder / "bench-engine-level6.xlsx").string();
    const std::string theirsLow = (folder / "bench-xlsxwriter-constant-memory.xlsx").string();
    const Result engine6 = inChild([&] { return runEngine(oursAt6, 6); });
    const Result lxwLow = inChild([&] { return runXlsxwriter(theirsLow, true); });
    std::printf("workbook: 600 sheets from 18 forms, 1200 worker blocks, %ld cells\n", engine.cells);
    std::printf("engine:        %.2f s (build %.2f s, save %.2f s), peak %.0f MB, %.1f MB file\n", engine.seconds,
                engine.buildSeconds, engine.seconds - engine.buildSeconds, engine.peakKiB / 1024.0,
                std::filesystem::file_size(ours) / 1048576.0);
    std::printf("libxlsxwriter: %.2f s (cells, merges, formats and save), peak %.0f MB incl. the model, %.1f MB file\n",
                lxw.seconds, lxw.peakKiB / 1024.0, std::filesystem::file_size(theirs) / 1048576.0);
    std::printf("ratio engine/libxlsxwriter: %.2f (goal <= 1.0); engine peak goal < 500 MB: %s\n",
                engine.seconds / lxw.seconds, engine.peakKiB < 500 * 1024 ? "met" : "NOT met");
    std::printf("engine at libxlsxwriter's deflate level (6): %.2f s, peak %.0f MB, %.1f MB file; ratio %.2f\n",
                engine6.seconds, engine6.peakKiB / 1024.0, std::filesystem::file_size(oursAt6) / 1048576.0,
                engine6.seconds / lxw.seconds);
    std::printf(
        "libxlsxwriter constant_memory: %.2f s, peak %.0f MB incl. the model, %.1f MB file; ratio engine/it %.2f, "
        "at equal compression %.2f\n",
        lxwLow.seconds, lxwLow.peakKiB / 1024.0, std::filesystem::file_size(theirsLow) / 1048576.0,
        engine.seconds / lxwLow.seconds, engine6.seconds / lxwLow.seconds);
    return 0;
}
