#include "TestSupport.h"
#include "XlsxChecker.h"
#include "ZipParts.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

// A workbook touching every feature the writer emits.
void fillRich(Workbook &book)
{
    Worksheet &a = book.Sheets(1);
    a.setName("書類一覧");
    a.Range("A1:Y100").Font().setName("ＭＳ Ｐ明朝");
    a.Range("A1:A100").setRowHeight(16.5);
    a.Range("B1:H1").setColumnWidth(2);
    a.Range("C3:G4").setMergeCells(true);
    a.Range("C3").setValue("事業所の名称");
    a.Range("C3:G4").Borders(xlEdgeBottom).setWeight(xlThin);
    a.Range("D8").setValue("'0120");
    a.PageSetup().setPaperSize(8);
    a.PageSetup().setOrientation(2);
    a.HPageBreaks().Add(a.Range("A67"));
    Worksheet &b = a.Copy(After{a});
    b.setName("作業員名簿【A社】");
    b.Range("E14").setValue("ヤマダ");
    b.Range("AW14:AZ15").Borders(xlDiagonalDown).setWeight(xlHairline);
    b.Select();
}

} // namespace

TEST(Package, IdenticalContentGivesIdenticalBytes)
{
    Application app;
    Workbook &one = app.Workbooks().Add();
    Workbook &two = app.Workbooks().Add();
    fillRich(one);
    fillRich(two);
    const std::string first = readFile(saveChecked(one, "_one"));
    EXPECT_EQ(first, readFile(saveChecked(two, "_two")));
    EXPECT_EQ(first, readFile(saveChecked(one, "_one_again")));
}

TEST(Package, WriteReadWriteReproducesTheBytes)
{
    Application app;
    Workbook &book = app.Workbooks().Add();
    fillRich(book);
    const std::string path = saveChecked(book, "_first");
    Workbook &reread = app.Workbooks().Open(path);
    const std::string again = saveChecked(reread, "_second");
    EXPECT_EQ(readFile(path), readFile(again));
}

TEST(Package, PartsAndContentTypes)
{
    Application app;
    Workbook &book = app.Workbooks().Add();
    fillRich(book);
    const std::string path = saveChecked(book);
    std::vector<std::string> entries = zipEntries(path);
    EXPECT_EQ(entries, (std::vector<std::string>{
                           "[Content_Types].xml", "_rels/.rels", "docProps/app.xml", "docProps/core.xml",
                           "xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
                           "xl/worksheets/sheet2.xml", "xl/styles.xml", "xl/sharedStrings.xml"}));
    const std::string sheet = zipEntry(path, "xl/worksheets/sheet2.xml");
    const char *order[] = {"<dimension ref=\"A1:AZ100\"/>", "<sheetViews>", "<sheetFormatPr", "<cols>", "<sheetData>",
                           "<mergeCells count=\"1\">", "<pageMargins", "<pageSetup paperSize=\"8\" orientation=\"landscape\"/>",
                           "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"66\" max=\"16383\" man=\"1\"/>"};
    size_t at = 0;
    for (const char *piece : order) {
        const size_t found = sheet.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece;
        at = found;
    }
}

TEST(Package, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    Application app;
    Workbook &book = app.Workbooks().Add();
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
    } catch (const SheetError &e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder), std::string::npos) << e.what();
    }
}

TEST(Package, CheckerFindsBrokenPackages)
{
    const std::string path = inputPath();
    const std::string rels = "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId1\" Type=\"x/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    writeZip(path, {{"[Content_Types].xml", "<Types/>"},
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
