#include "SpreadsheetTestSupport.h"
#include "XlsxChecker.h"
#include "ZipParts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

// A workbook touching every feature the writer emits.
void fillRich(Workbook& book)
{
    Worksheet& a = book.Sheets(1);
    a.setName("書類一覧");
    a.Range("A1:Y100").Font().setName("ＭＳ Ｐ明朝");
    a.Range("A1:A100").setRowHeight(16.5);
    a.Range("B1:H1").setColumnWidth(2);
    a.Range("C3:G4").setMergeCells(true);
    a.Range("C3").setValue("事業所の名称");
    a.Range("C3:G4").Borders(borderBottom).setWeight(xlThin);
    a.Range("D8").setValue("'0120");
    a.PageSetup().setPaperSize(8);
    a.PageSetup().setOrientation(2);
    a.HPageBreaks().Add(a.Range("A67"));
    Worksheet& b = a.Copy(After{a});
    b.setName("作業員名簿【A社】");
    b.Range("E14").setValue("ヤマダ");
    b.Range("AW14:AZ15").Borders(borderDiagonalDown).setWeight(xlHairline);
    b.Select();
}

} // namespace

TEST(Package, IdenticalContentGivesIdenticalBytes)
{
    Application app;
    Workbook& one = app.Workbooks().Add();
    Workbook& two = app.Workbooks().Add();
    fillRich(one);
    fillRich(two);
    const std::string first = readFile(saveChecked(one, "_one"));
    EXPECT_EQ(first, readFile(saveChecked(two, "_two")));
    EXPECT_EQ(first, readFile(saveChecked(one, "_one_again")));
}

TEST(Package, WriteReadWriteReproducesTheBytes)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    fillRich(book);
    const std::string path = saveChecked(book, "_first");
    Workbook& reread = app.Workbooks().Open(path);
    const std::string again = saveChecked(reread, "_second");
    EXPECT_EQ(readFile(path), readFile(again));
}

TEST(Package, PartsAndContentTypes)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    fillRich(book);
    const std::string path = saveChecked(book);
    std::vector<std::string> entries = zipEntries(path);
    EXPECT_EQ(entries,
              (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "docProps/app.xml", "docProps/core.xml",
                                        "xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
                                        "xl/worksheets/sheet2.xml", "xl/styles.xml", "xl/sharedStrings.xml"}));
    const std::string sheet = zipEntry(path, "xl/worksheets/sheet2.xml");
    const char* order[] = {"<dimension ref=\"A1:AZ100\"/>",
                           "<sheetViews>",
                           "<sheetFormatPr",
                           "<cols>",
                           "<sheetData>",
                           "<mergeCells count=\"1\">",
                           "<pageMargins",
                           "<pageSetup paperSize=\"8\" orientation=\"landscape\"/>",
                           "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"66\" max=\"16383\" man=\"1\"/>"};
    size_t at = 0;
    for (const char* piece : order) {
        const size_t found = sheet.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece;
        at = found;
    }
}

TEST(Package, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    book.Sheets(1).Range("A1").setValue("new");
    const std::string path = inputPath();
    std::filesystem::create_directories(path); // a folder where the file should go: rename fails
    EXPECT_THROW(book.SaveAs(path), SheetError);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".mirevo-tmp"));
    std::filesystem::remove(path);
    const std::string missingFolder = path + "/no/such/folder/out.xlsx";
    try {
        book.SaveAs(missingFolder);
        FAIL();
    } catch (const SheetError& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder), std::string::npos) << e.what();
    }
}

// The workbook is saved by the program's one rule for replacing a file; these cases are the
// ones where the engine's own save differed from it.
TEST(Package, SavesWriteThroughLinksAndKeepSpecialAndReadOnlyFiles)
{
    namespace fs = std::filesystem;
    Application app;
    Workbook& book = app.Workbooks().Add();
    book.Sheets(1).Range("A1").setValue("new");
    const fs::path folder = inputPath();
    fs::create_directories(folder / "real");
    const fs::path target = folder / "real" / "book.xlsx";
    book.SaveAs(target.string());
    fs::create_symlink("real/book.xlsx", folder / "link.xlsx");
    fs::permissions(target, fs::perms(0640));
    book.SaveAs((folder / "link.xlsx").string());
    EXPECT_TRUE(fs::is_symlink(folder / "link.xlsx"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));

    const fs::path fifo = folder / "fifo.xlsx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(book.SaveAs(fifo.string()), SheetError);
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A name of 255 bytes, the most a folder holds; a file of the fixed temporary name older
    // saves used stays as it is.
    const fs::path longName = folder / (std::string(250, 'a') + ".xlsx");
    book.SaveAs(longName.string());
    book.SaveAs(longName.string());
    EXPECT_EQ(readFile(longName.string()).substr(0, 2), "PK");
    std::ofstream((folder / "o.xlsx.mirevo-tmp").string()) << "someone's";
    book.SaveAs((folder / "o.xlsx").string());
    EXPECT_EQ(readFile((folder / "o.xlsx.mirevo-tmp").string()), "someone's");

    const fs::path readOnly = folder / "ro.xlsx";
    book.SaveAs(readOnly.string());
    fs::permissions(readOnly, fs::perms(0444));
    const std::string before = readFile(readOnly.string());
    book.Sheets(1).Range("A1").setValue("newer");
    EXPECT_THROW(book.SaveAs(readOnly.string()), SheetError);
    EXPECT_EQ(readFile(readOnly.string()), before);
    EXPECT_EQ(fs::status(readOnly).permissions(), fs::perms(0444));
}

TEST(Package, CheckerFindsBrokenPackages)
{
    const std::string path = inputPath();
    const std::string rels
        = "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" Type=\"x/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    writeZip(path,
             {{"[Content_Types].xml", "<Types/>"},
              {"xl/_rels/workbook.xml.rels", rels},
              {"xl/workbook.xml", "<workbook><sheets/><bookViews/></workbook>"},
              {"xl/styles.xml", "<styleSheet/>"},
              {"xl/sharedStrings.xml", "<sst uniqueCount=\"0\"/>"},
              {"xl/worksheets/sheet1.xml", "<worksheet><sheetData/><dimension/></worksheet>"}});
    const auto problems = checkXlsx(path);
    const std::string all = ::testing::PrintToString(problems);
    EXPECT_NE(all.find("no content type"), std::string::npos) << all;
    EXPECT_NE(all.find("out of order"), std::string::npos) << all;
    EXPECT_NE(all.find("activeTab out of range"), std::string::npos) << all;
}

// The exact XML of a small sheet and its styles, as a reference for element order and
// number formatting.
TEST(Package, SmallSheetHasTheExpectedXml)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& ws = book.Sheets(1);
    ws.Range("B2:C2").setMergeCells(true);
    ws.Range("B2").setValue("名簿 & <1>");
    ws.Range("B2").Font().setBold(true);
    ws.Range("B2:C2").Borders(borderBottom).setWeight(xlThin);
    ws.Range("B2").setHorizontalAlignment(hAlignCenter);
    ws.Range("B1").setColumnWidth(3);
    ws.Range("A2").setRowHeight(11.95);
    ws.PageSetup().setLeftMargin(0);
    ws.PageSetup().setPaperSize(9);
    ws.HPageBreaks().Add(ws.Range("A3"));
    const std::string path = saveChecked(book);
    EXPECT_EQ(
        zipEntry(path, "xl/worksheets/sheet1.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<dimension ref=\"B2:C2\"/><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"/></sheetViews>"
        "<sheetFormatPr defaultRowHeight=\"13.5\"/><cols><col min=\"2\" max=\"2\" width=\"3.625\" customWidth=\"1\"/></cols>"
        "<sheetData><row r=\"2\" ht=\"11.95\" customHeight=\"1\"><c r=\"B2\" s=\"4\" t=\"s\"><v>0</v></c><c r=\"C2\" s=\"3\"/></row></sheetData>"
        "<mergeCells count=\"1\"><mergeCell ref=\"B2:C2\"/></mergeCells>"
        "<pageMargins left=\"0\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
        "<pageSetup paperSize=\"9\"/>"
        "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"2\" max=\"16383\" man=\"1\"/></rowBreaks></worksheet>");
    EXPECT_EQ(zipEntry(path, "xl/sharedStrings.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
              "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" uniqueCount=\"1\">"
              "<si><t>名簿 &amp; &lt;1&gt;</t></si></sst>");
    const std::string styles = zipEntry(path, "xl/styles.xml");
    EXPECT_NE(styles.find("<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"ＭＳ Ｐゴシック\"/></font>"
                          "<font><b/><sz val=\"11\"/><name val=\"ＭＳ Ｐゴシック\"/></font></fonts>"),
              std::string::npos)
        << styles;
    EXPECT_NE(styles.find("<borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border>"
                          "<border><left/><right/><top/><bottom style=\"thin\"/><diagonal/></border></borders>"),
              std::string::npos)
        << styles;
    EXPECT_NE(styles.find("<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyFont=\"1\" "
                          "applyBorder=\"1\" applyAlignment=\"1\"><alignment horizontal=\"center\"/></xf>"),
              std::string::npos)
        << styles;
}
