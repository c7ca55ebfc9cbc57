// mirevo_bench_scale [output-folder] [scale] [sheets|merges|lastrow]
// Opening time of workbooks that stress the reader's bookkeeping: many sheets (10k, 20k,
// 100k empty sheets) and many merged ranges in one sheet (25k, 50k, 100k); with `lastrow`,
// the time and peak memory of 1,000 sheets that each use row 1,048,576 only. The files are
// written directly with libzip, so the figures cover only the engine's reading.
#include "BenchSupport.h"
#include "spreadsheet/Spreadsheet.h"

#include <zip.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string name;
    std::string data;
};

void writeZip(const std::string& path, const std::vector<Entry>& entries)
{
    int err = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z)
        throw std::runtime_error("cannot create " + path);
    for (const Entry& e : entries) {
        zip_source_t* src = zip_source_buffer(z, e.data.data(), e.data.size(), 0);
        if (!src || zip_file_add(z, e.name.c_str(), src, ZIP_FL_ENC_UTF_8) < 0)
            throw std::runtime_error("cannot add " + e.name);
    }
    if (zip_close(z) < 0)
        throw std::runtime_error("cannot write " + path);
}

const char* kNs = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                  "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A package of `sheets` sheets; sheet 1 holds `body` inside <worksheet>, the others
// `others`.
std::vector<Entry> package(int sheets, const std::string& body, const std::string& others = "<sheetData/>")
{
    std::vector<Entry> e;
    e.push_back(
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"});
    e.push_back(
        {"_rels/.rels",
         std::string(
             "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" Type=\"")
             + kRelNs + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"});
    std::string book = std::string("<?xml version=\"1.0\"?><workbook ") + kNs + "><sheets>";
    std::string rels
        = "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (int i = 1; i <= sheets; ++i) {
        const std::string n = std::to_string(i);
        book += "<sheet name=\"S" + n + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRelNs + "/worksheet\" Target=\"worksheets/sheet" + n
            + ".xml\"/>";
        e.push_back({"xl/worksheets/sheet" + n + ".xml",
                     std::string("<?xml version=\"1.0\"?><worksheet ") + kNs + ">" + (i == 1 ? body : others)
                         + "</worksheet>"});
    }
    e.push_back({"xl/workbook.xml", book + "</sheets></workbook>"});
    e.push_back({"xl/_rels/workbook.xml.rels", rels + "</Relationships>"});
    return e;
}

// `count` two-cell merges in pairs of columns, 1,000 rows at a time.
std::string mergesBody(int count)
{
    std::string body = "<sheetData/><mergeCells count=\"" + std::to_string(count) + "\">";
    for (int i = 0; i < count; ++i) {
        const int row = i % 1000 + 1;
        const int col = (i / 1000) * 2 + 1;
        body += "<mergeCell ref=\"" + mirevo::sheet::cellName(row, col) + ":" + mirevo::sheet::cellName(row, col + 1)
            + "\"/>";
    }
    return body + "</mergeCells>";
}

double openSeconds(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    mirevo::sheet::Application app;
    app.Workbooks().Open(path);
    return mirevo::bench::since(start);
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    const double scale = argc > 2 ? std::stod(argv[2]) : 1.0; // 0.1 for a quick run
    const std::string only = argc > 3 ? argv[3] : "";
    try {
        if (only == "lastrow") {
            const std::string path = (folder / "scale-lastrow.xlsx").string();
            const std::string last
                = "<sheetData><row r=\"1048576\"><c r=\"XFD1048576\" t=\"inlineStr\"><is><t>x</t></is></c></row></sheetData>";
            writeZip(path, package(1000, last, last));
            const double seconds = openSeconds(path);
            std::printf("open 1000 sheets using row 1048576: %.2f s, peak %.0f MB\n", seconds,
                        mirevo::bench::peakKiB() / 1024.0);
            std::filesystem::remove(path);
            return 0;
        }
        for (int sheets : {10000, 20000, 100000}) {
            if (only == "merges")
                break;
            const int n = int(sheets * scale);
            const std::string path = (folder / ("scale-sheets-" + std::to_string(n) + ".xlsx")).string();
            writeZip(path, package(n, "<sheetData/>"));
            std::printf("open %6d sheets:            %7.2f s\n", n, openSeconds(path));
            std::filesystem::remove(path);
        }
        for (int merges : {25000, 50000, 100000}) {
            if (only == "sheets")
                break;
            const int n = int(merges * scale);
            const std::string path = (folder / ("scale-merges-" + std::to_string(n) + ".xlsx")).string();
            writeZip(path, package(1, mergesBody(n)));
            std::printf("open %6d merges in a sheet: %7.2f s\n", n, openSeconds(path));
            std::filesystem::remove(path);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
