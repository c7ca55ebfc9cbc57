// mirevo_bench_pdf [folder] [--sheets N] [--no-libreoffice]
// Builds a large site's document set with the workbook engine (730 sheets of A3 forms by
// default) and saves it as .xlsx; then, in one run, turns that file into PDF twice: with our
// renderer (reading the file included) and with `soffice --headless --convert-to pdf`.
// Each side runs in a child process so that its time and peak memory are its own.
// LibreOffice gets our font substitutes through libreoffice-fonts.conf.
#include "BenchSupport.h"
#include "SiteWorkbook.h"
#include "render/PdfExport.h"

#include <QGuiApplication>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

using namespace mirevo;
namespace fs = std::filesystem;

namespace {

struct Result {
    double seconds = 0;
    double readSeconds = 0;
    int pages = 0;
    long peakKiB = 0;
    bool ok = false;
};

Result inChild(const std::function<Result()>& run)
{
    Result r{};
    const bench::ChildExit child = bench::inChild(r, run, [](const Result& done) { return done.ok; });
    r.peakKiB = std::max(r.peakKiB, child.peakKiB);
    return r;
}

Result buildBook(const std::string& xlsx, int sheets)
{
    sheet::Application app;
    sheet::Workbook& book = bench::buildSiteWorkbook(app, bench::SiteShape{sheets, 18, sheets * 2});
    book.SaveAs(xlsx);
    return Result{0, 0, 0, 0, true};
}

Result ours(const std::string& xlsx, const std::string& pdf)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "mirevo_bench_pdf";
    char* argv[] = {name, nullptr};
    QGuiApplication gui(argc, argv);
    Result r;
    const auto start = std::chrono::steady_clock::now();
    sheet::Application app;
    sheet::Workbook& book = app.Workbooks().Open(xlsx);
    r.readSeconds = bench::since(start);
    r.pages = render::exportPdf(book, QString::fromStdString(pdf));
    r.seconds = bench::since(start);
    r.ok = true;
    return r;
}

int pdfPages(const std::string& pdf)
{
    const std::string command = "pdfinfo '" + pdf + "' 2>/dev/null";
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return -1;
    char line[512];
    int pages = -1;
    while (std::fgets(line, sizeof line, p))
        if (std::strncmp(line, "Pages:", 6) == 0)
            pages = std::atoi(line + 6);
    pclose(p);
    return pages;
}

Result libreOffice(const std::string& xlsx, const fs::path& folder)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string profile = "-env:UserInstallation=file://" + (folder / "lo-profile").string();
    // Our font substitutes for LibreOffice too (libreoffice-fonts.conf), so both measure the
    // forms' columns with the same digits.
    const std::string command = "FONTCONFIG_FILE='" MIREVO_LO_FONTS "' soffice '" + profile
        + "' --headless --convert-to pdf --outdir '" + folder.string() + "' '" + xlsx + "' >/dev/null 2>&1";
    Result r;
    r.ok = std::system(command.c_str()) == 0;
    r.seconds = bench::since(start);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children); // the largest process soffice started
    r.peakKiB = children.ru_maxrss;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    fs::path folder = fs::temp_directory_path();
    int sheets = 730;
    bool withLibreOffice = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sheets" && i + 1 < argc)
            sheets = std::atoi(argv[++i]);
        else if (a == "--no-libreoffice")
            withLibreOffice = false;
        else
            folder = a;
    }
    const std::string xlsx = (folder / "bench-pdf.xlsx").string();
    const std::string pdf = (folder / "bench-pdf-mirevo.pdf").string();
    if (!inChild([&] { return buildBook(xlsx, sheets); }).ok)
        return 1;
    std::printf("workbook: %d sheets from 18 A3 forms, %.1f MB .xlsx\n", sheets, fs::file_size(xlsx) / 1048576.0);
    const Result mine = inChild([&] { return ours(xlsx, pdf); });
    if (!mine.ok)
        return 1;
    std::printf("mirevo:      %.2f s (read %.2f s, render %.2f s), %d pages, peak %.0f MB, %.1f MB PDF\n", mine.seconds,
                mine.readSeconds, mine.seconds - mine.readSeconds, mine.pages, mine.peakKiB / 1024.0,
                fs::file_size(pdf) / 1048576.0);
    if (!withLibreOffice)
        return 0;
    fs::path loPdf = folder / "bench-pdf.pdf";
    fs::remove(loPdf);
    const Result lo = inChild([&] { return libreOffice(xlsx, folder); });
    if (!lo.ok || !fs::exists(loPdf)) {
        std::printf("libreoffice: conversion failed or soffice missing\n");
        return 0;
    }
    std::printf("libreoffice: %.2f s, %d pages, peak %.0f MB\n", lo.seconds, pdfPages(loPdf.string()),
                lo.peakKiB / 1024.0);
    std::printf("ratio libreoffice/mirevo: %.1f (goal >= 10); mirevo peak goal <= 500 MB: %s\n",
                lo.seconds / mine.seconds, mine.peakKiB <= 500 * 1024 ? "met" : "NOT met");
    return 0;
}
