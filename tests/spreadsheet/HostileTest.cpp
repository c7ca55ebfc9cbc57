// Hostile and broken packages: damaged data, lying directories, zip bombs, malformed numbers
// and sizes beyond the limits are refused with a message naming what and where.
#include "SpreadsheetTestSupport.h"
#include "ZipParts.h"
#include "spreadsheet/ReaderCommon.h"
#include "spreadsheet/XlsxReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";

// One sheet "S" with `sheetXml` inside <worksheet>, shared strings `strings` (<si> items).
std::map<std::string, std::string> package(const std::string& sheetXml,
                                           const std::string& strings = "<si><t>一</t></si>")
{
    std::map<std::string, std::string> p;
    p["[Content_Types].xml"] = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    p["_rels/.rels"] = "<Relationships xmlns=\"" + kPkgRel + "\"><Relationship Id=\"r1\" Type=\"" + kRel
        + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    p["xl/_rels/workbook.xml.rels"] = "<Relationships xmlns=\"" + kPkgRel + "\"><Relationship Id=\"r1\" Type=\"" + kRel
        + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"r2\" Type=\"" + kRel
        + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
    p["xl/workbook.xml"] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel
        + "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"r1\"/></sheets></workbook>";
    p["xl/sharedStrings.xml"] = "<sst xmlns=\"" + kMain + "\">" + strings + "</sst>";
    p["xl/worksheets/sheet1.xml"] = "<worksheet xmlns=\"" + kMain + "\">" + sheetXml + "</worksheet>";
    return p;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Sets the uncompressed size the central directory gives for `entry`.
void claimSize(const std::string& path, const std::string& entry, uint32_t size)
{
    std::string bytes = fileBytes(path);
    for (size_t at = bytes.find("PK\x01\x02"); at != std::string::npos; at = bytes.find("PK\x01\x02", at + 4)) {
        const auto nameLength = uint16_t(uint8_t(bytes[at + 28]) | uint8_t(bytes[at + 29]) << 8);
        if (bytes.compare(at + 46, nameLength, entry) == 0) {
            for (int i = 0; i < 4; ++i)
                bytes[at + 24 + size_t(i)] = char(size >> (8 * i));
            writeFile(path, bytes);
            return;
        }
    }
    FAIL() << entry << " not in the directory";
}

// The message of the SheetError that opening `path` throws ("" when it opens).
std::string openError(const std::string& path, const ReadLimits& limits = {})
{
    Application app;
    Workbook book(app);
    try {
        readXlsx(book, path, limits);
    } catch (const SheetError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(Hostile, DamagedDataFailsItsCrc)
{
    const std::string path = inputPath();
    writeZip(path, package("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData>"), true);
    std::string bytes = fileBytes(path);
    const size_t at = bytes.find("一");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 2] = char(0x81); // 一 (E4 B8 80) becomes 丁 (E4 B8 81)
    writeFile(path, bytes);
    const std::string error = openError(path);
    EXPECT_NE(error.find("xl/sharedStrings.xml"), std::string::npos) << error;
    EXPECT_NE(error.find("CRC"), std::string::npos) << error;
}

TEST(Hostile, DirectoryClaimsAreCheckedBeforeInflating)
{
    const std::string path = inputPath();
    writeZip(path, package("<sheetData/>"));
    claimSize(path, "xl/worksheets/sheet1.xml", 0xFFFFFFF0u); // about 4 GiB
    const std::string error = openError(path);
    EXPECT_NE(error.find("展開後の大きさが上限 (1024 MiB)"), std::string::npos) << error;
}

TEST(Hostile, EntryLongerThanItsClaimIsRefused)
{
    const std::string path = inputPath();
    writeZip(path, package("<sheetData/>" + std::string(4000, ' ')));
    claimSize(path, "xl/worksheets/sheet1.xml", 100);
    const std::string error = openError(path);
    EXPECT_NE(error.find("xl/worksheets/sheet1.xml"), std::string::npos) << error;
    EXPECT_NE(error.find("壊れています"), std::string::npos) << error;
}

TEST(Hostile, ZipBombsAreRefusedBySizeAndRatio)
{
    struct Case {
        const char* label;
        PackageLimits limits;
        const char* expected;
    };
    const std::string filler(3 << 20, ' '); // 3 MiB of spaces deflate to a few KiB
    const std::vector<Case> cases = {
        {"total", {2 << 20, 100000, 0}, "展開後の大きさが上限 (2 MiB)"},
        {"ratio", {1 << 30, 50, 1 << 20}, "圧縮率が異常です"},
    };
    const std::string path = inputPath();
    writeZip(path, package("<sheetData/>" + filler));
    for (const Case& c : cases) {
        const std::string claimed = openError(path, ReadLimits{c.limits});
        EXPECT_NE(claimed.find(c.expected), std::string::npos) << c.label << ": " << claimed;
    }
    EXPECT_EQ(openError(path), "") << "ordinary limits";
    // A directory that understates the size: inflating stops one byte past the claim.
    claimSize(path, "xl/worksheets/sheet1.xml", 1000);
    const std::string understated = openError(path, ReadLimits{cases[0].limits});
    EXPECT_NE(understated.find("xl/worksheets/sheet1.xml: データの長さが目録と一致しません"), std::string::npos)
        << understated;
}

TEST(Hostile, MalformedNumbersAreRefused)
{
    struct Case {
        const char* label;
        std::string sheet;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"string index with tail", "<sheetData><row r=\"1\"><c r=\"B1\" t=\"s\"><v>0abc</v></c></row></sheetData>",
         "B1: 共有文字列の番号が正しくありません: \"0abc\""},
        {"nan width", "<cols><col min=\"1\" max=\"1\" width=\"nan\" customWidth=\"1\"/></cols>", "width=\"nan\""},
        {"infinite height", "<sheetData><row r=\"1\" ht=\"inf\" customHeight=\"1\"/></sheetData>", "ht=\"inf\""},
        {"nan margin", "<pageMargins left=\"nan\" right=\"1\" top=\"1\" bottom=\"1\" header=\"0\" footer=\"0\"/>",
         "left=\"nan\""},
        {"row beyond int", "<sheetData><row r=\"4294967297\"/></sheetData>", "行番号が範囲外です: 4294967297"},
    };
    for (const Case& c : cases) {
        const std::string path = inputPath("_bad");
        writeZip(path, package(c.sheet));
        const std::string error = openError(path);
        EXPECT_NE(error.find("xl/worksheets/sheet1.xml"), std::string::npos) << c.label << ": " << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.label << ": " << error;
    }
}

TEST(Hostile, SizesNoSpreadsheetCanShowAreIgnored)
{
    const std::string path = inputPath();
    writeZip(
        path,
        package(
            "<cols><col min=\"1\" max=\"1\" width=\"-1e308\" customWidth=\"1\"/>"
            "<col min=\"2\" max=\"2\" width=\"1e308\" customWidth=\"1\"/><col min=\"3\" max=\"3\" width=\"20\" customWidth=\"1\"/></cols>"
            "<sheetData><row r=\"1\" ht=\"-5\" customHeight=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
            "<row r=\"2\" ht=\"1e308\" customHeight=\"1\"/></sheetData>"));
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    Worksheet& sheet = book.Sheets(1);
    EXPECT_DOUBLE_EQ(sheet.Range("A1").RowHeight(), 13.5);
    EXPECT_DOUBLE_EQ(sheet.Range("A2").RowHeight(), 13.5);
    SavedBook saved(saveChecked(book));
    std::vector<std::string> widths;
    for (pugi::xml_node col : saved.sheet(1).child("cols").children("col"))
        widths.push_back(std::string(col.attribute("min").value()) + ":" + col.attribute("width").value());
    EXPECT_EQ(widths, (std::vector<std::string>{"3:20"}));
}

TEST(Hostile, SheetAndCellLimits)
{
    std::string sheets;
    for (int i = 1; i <= 4; ++i)
        sheets += "<sheet name=\"S" + std::to_string(i) + "\" sheetId=\"" + std::to_string(i) + "\" r:id=\"r1\"/>";
    auto p = package(
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"/></row><row r=\"9\"/></sheetData>");
    const std::string path = inputPath();
    writeZip(path, p);
    ReadLimits limits;
    limits.maxCells = 3; // two cells and one row fit, the second row does not
    EXPECT_NE(openError(path, limits).find("xl/worksheets/sheet1.xml: セルと行の数がブックの上限を超えています"),
              std::string::npos)
        << openError(path, limits);
    limits.maxCells = 4;
    EXPECT_EQ(openError(path, limits), "");

    p["xl/workbook.xml"]
        = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\"><sheets>" + sheets + "</sheets></workbook>";
    writeZip(path, p);
    limits.maxSheets = 3;
    EXPECT_NE(openError(path, limits).find("xl/workbook.xml: シートの数 (4) がブックの上限 (3) を超えています"),
              std::string::npos)
        << openError(path, limits);
}

// The limit holds while the sheet is inflated: what comes after it is never parsed, so here
// the broken XML behind the fourth cell goes unnoticed.
TEST(Hostile, CellLimitStopsTheReadBeforeTheSheetIsParsed)
{
    const std::string cells = "<c r=\"A1\"/><x:c r=\"B1\"/><c r=\"C1\"/><c r=\"D1\"/>";
    auto p
        = package("<cols><col min=\"1\" max=\"1\"/></cols><sheetData><row r=\"1\">" + cells + "<<<broken</sheetData>");
    const std::string path = inputPath();
    writeZip(path, p);
    ReadLimits limits;
    limits.maxCells = 4; // one row and three cells
    EXPECT_NE(openError(path, limits).find("xl/worksheets/sheet1.xml: セルと行の数がブックの上限を超えています"),
              std::string::npos)
        << openError(path, limits);
    limits.maxCells = 5;
    EXPECT_EQ(openError(path, limits).find("セルと行の数"), std::string::npos) << openError(path, limits);
}

TEST(Hostile, CellCounterFindsEveryCellHoweverTheTextIsCut)
{
    const std::string xml = "<row r=\"1\"><c r=\"A1\"><v>1</v></c><x:c/><cfRule/><col/><rows/><c>"
                            "<is><t>c</t></is></c></row><row/>";
    const PartContext ctx{"book.xlsx", "sheet.xml"};
    for (size_t cut = 0; cut <= xml.size(); ++cut) {
        CellCounter fits(5, ctx); // 2 rows, 3 cells
        EXPECT_NO_THROW({
            fits.feed(std::string_view(xml).substr(0, cut));
            fits.feed(std::string_view(xml).substr(cut));
        }) << cut;
        CellCounter over(4, ctx);
        EXPECT_THROW(
            {
                over.feed(std::string_view(xml).substr(0, cut));
                over.feed(std::string_view(xml).substr(cut));
            },
            SheetError)
            << cut;
    }
}

// Sheets that each use only the last row keep their values; storage is by used pages.
TEST(Hostile, LastRowOfManySheets)
{
    std::string sheets, rels;
    auto p = package("");
    for (int i = 1; i <= 50; ++i) {
        const std::string n = std::to_string(i);
        sheets += "<sheet name=\"S" + n + "\" sheetId=\"" + n + "\" r:id=\"w" + n + "\"/>";
        rels
            += "<Relationship Id=\"w" + n + "\" Type=\"" + kRel + "/worksheet\" Target=\"worksheets/s" + n + ".xml\"/>";
        p["xl/worksheets/s" + n + ".xml"] = "<worksheet xmlns=\"" + kMain
            + "\"><sheetData><row r=\"1048576\"><c r=\"XFD1048576\" t=\"s\"><v>0</v></c></row></sheetData></worksheet>";
    }
    p["xl/workbook.xml"]
        = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\"><sheets>" + sheets + "</sheets></workbook>";
    p["xl/_rels/workbook.xml.rels"] = "<Relationships xmlns=\"" + kPkgRel + "\">" + rels
        + "<Relationship Id=\"r2\" Type=\"" + kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
    const std::string path = inputPath();
    writeZip(path, p);
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    ASSERT_EQ(book.Sheets().Count(), 50);
    for (const auto& sheet : book.sheets()) {
        EXPECT_EQ(sheet->Range("XFD1048576").Value(), "一");
        EXPECT_EQ(sheet->data().findRow(1), nullptr);
        int visited = 0;
        sheet->data().rows.forEach([&](int, const Row&) { ++visited; });
        EXPECT_EQ(visited, RowStore::kPageRows) << "one page of rows";
    }
}

// The merge index finds ranges of every height, and a new merge replaces those it overlaps.
TEST(Hostile, MergesOfEveryHeight)
{
    SheetData data;
    const std::vector<Rect> ranges
        = {{1, 1, 1, 2}, {2, 1, 3, 1}, {5, 1, 1048576, 1}, {4, 3, 4000, 9}, {70000, 2, 70100, 2}};
    for (const Rect& r : ranges)
        data.merge(r, true);
    EXPECT_EQ(data.merges.list(), (std::vector<Rect>{ranges[0], ranges[1], ranges[3], ranges[2], ranges[4]}));
    const struct {
        int r, c;
        const Rect* expected;
    } probes[] = {{1, 2, &ranges[0]},      {3, 1, &ranges[1]},    {1048576, 1, &ranges[2]},
                  {600000, 1, &ranges[2]}, {3999, 9, &ranges[3]}, {70050, 2, &ranges[4]},
                  {4, 1, nullptr},         {4001, 3, nullptr},    {69999, 2, nullptr}};
    for (const auto& p : probes) {
        const Rect* found = data.mergeAt(p.r, p.c);
        EXPECT_EQ(found ? *found : Rect{}, p.expected ? *p.expected : Rect{}) << p.r << "," << p.c;
    }
    data.merge(Rect{3, 1, 4, 3}); // overlaps the second and the fourth
    EXPECT_EQ(data.merges.list(), (std::vector<Rect>{ranges[0], {3, 1, 4, 3}, ranges[2], ranges[4]}));
    data.dropMergesIn(Rect{1, 1, kMaxRows, 1});
    EXPECT_EQ(data.merges.list(), (std::vector<Rect>{ranges[4]}));
}

TEST(Hostile, MergeSetAndRowStoreIterateLikeVectors)
{
    SheetData data;
    data.merge(Rect{1, 1, 1, 2}, true);
    data.merge(Rect{10, 1, 300, 1}, true);
    data.cell(300, 2).str = 7;
    std::vector<Rect> seen(data.merges.begin(), data.merges.end());
    std::sort(seen.begin(), seen.end(), [](const Rect& a, const Rect& b) { return a.r1 < b.r1; });
    EXPECT_EQ(seen, data.merges.list());
    ASSERT_EQ(data.rows.size(), 300u);
    EXPECT_TRUE(data.rows[0].cells.empty()) << "a row on a page never used";
    EXPECT_EQ(data.rows[299].cells.at(0).str, 7u);
}
