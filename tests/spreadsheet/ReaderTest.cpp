#include "SpreadsheetTestSupport.h"
#include "ZipParts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string rels(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        + body + "</Relationships>";
}

std::string relationship(const std::string& id, const std::string& type, const std::string& target)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRel + "/" + type + "\" Target=\"" + target + "\"/>";
}

// A package as another program writes it: prefixed elements, a drawing and a theme the
// engine does not model, rich text with phonetic runs, inline strings and numbers.
std::map<std::string, std::string> foreignPackage()
{
    std::map<std::string, std::string> p;
    p["[Content_Types].xml"] = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    p["_rels/.rels"] = rels(relationship("rId1", "officeDocument", "/xl/workbook.xml"));
    p["xl/_rels/workbook.xml.rels"] = rels(
        relationship("R1", "worksheet", "worksheets/s.xml") + relationship("R2", "styles", "styles.xml")
        + relationship("R3", "sharedStrings", "sharedStrings.xml") + relationship("R4", "theme", "theme/theme1.xml"));
    p["xl/workbook.xml"] = "<x:workbook xmlns:x=\"" + kMain + "\" xmlns:rel=\"" + kRel
        + "\"><x:bookViews><x:workbookView activeTab=\"0\"/></x:bookViews>"
          "<x:sheets><x:sheet name=\"名簿\" sheetId=\"7\" rel:id=\"R1\"/></x:sheets>"
          "<x:definedNames><x:definedName name=\"_xlnm.Print_Area\">名簿!$A$1:$B$2</x:definedName></x:definedNames></x:workbook>";
    p["xl/theme/theme1.xml"] = "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"/>";
    p["xl/styles.xml"] = "<styleSheet xmlns=\"" + kMain
        + "\"><fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
          "<font><b val=\"true\"/><sz val=\"9.5\"/><color rgb=\"FF0000FF\"/><name val=\"ＭＳ 明朝\"/></font></fonts>"
          "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
          "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FFFFFF00\"/><bgColor indexed=\"64\"/></patternFill></fill></fills>"
          "<borders count=\"2\"><border/><border diagonalDown=\"1\"><left style=\"medium\"><color rgb=\"FF000000\"/></left>"
          "<diagonal style=\"hair\"/></border></borders>"
          "<cellXfs count=\"2\"><xf fontId=\"0\" borderId=\"0\"/><xf fontId=\"1\" fillId=\"1\" borderId=\"1\" quotePrefix=\"1\">"
          "<alignment horizontal=\"centerContinuous\" vertical=\"center\" wrapText=\"true\"/></xf></cellXfs></styleSheet>";
    p["xl/sharedStrings.xml"] = "<sst xmlns=\"" + kMain
        + "\" count=\"2\" uniqueCount=\"2\"><si><t xml:space=\"preserve\"> 前後 </t></si>"
          "<si><r><t>山田</t></r><r><rPr><b/></rPr><t>太郎</t></r><rPh sb=\"0\" eb=\"2\"><t>ヤマダ</t></rPh></si></sst>";
    p["xl/worksheets/_rels/s.xml.rels"] = rels(relationship("d1", "drawing", "../drawings/drawing1.xml"));
    p["xl/drawings/drawing1.xml"]
        = "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\"/>";
    p["xl/worksheets/s.xml"] = "<worksheet xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel
        + "\"><sheetPr><tabColor rgb=\"FFFF0000\"/><pageSetUpPr fitToPage=\"1\"/></sheetPr><cols><col min=\"2\" max=\"3\" width=\"4.5\" customWidth=\"1\"/>"
          "<col min=\"5\" max=\"5\" width=\"9\" hidden=\"1\"/></cols><sheetData>"
          "<row r=\"2\" ht=\"20.25\" customHeight=\"1\"><c r=\"A2\" t=\"s\"><v>0</v></c><c r=\"B2\" s=\"1\" t=\"s\"><v>1</v></c>"
          "<c t=\"inlineStr\"><is><t>inline</t></is></c><c r=\"E2\"><v>00123</v></c><c r=\"F2\" t=\"b\"><v>1</v></c>"
          "<c r=\"G2\" t=\"str\"><f>A1</f><v>calc</v></c></row>"
          "<row ht=\"15\"><c r=\"A3\"><v>1.5E-3</v></c></row></sheetData>"
          "<mergeCells count=\"1\"><mergeCell ref=\"B2:C3\"/></mergeCells>"
          "<printOptions horizontalCentered=\"1\"/>"
          "<pageMargins left=\"0.25\" right=\"0.25\" top=\"0\" bottom=\"0\" header=\"0\" footer=\"0\"/>"
          "<pageSetup paperSize=\"9\" scale=\"90\" fitToHeight=\"0\" orientation=\"portrait\" r:id=\"rId9\"/>"
          "<headerFooter><oddFooter>&amp;P / &amp;N</oddFooter></headerFooter>"
          "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"2\" max=\"16383\" man=\"1\"/></rowBreaks>"
          "<drawing r:id=\"d1\"/></worksheet>";
    return p;
}

} // namespace

TEST(Reader, LoadsWhatOtherProgramsWriteAndNamesWhatItDrops)
{
    const std::string path = inputPath("_foreign");
    writeZip(path, foreignPackage());
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    Worksheet& sheet = book.Sheets("名簿");
    EXPECT_EQ(sheet.Range("A2").Value(), " 前後 ");
    EXPECT_EQ(sheet.Range("B2").Value(), "山田太郎") << "rich runs joined, phonetic run left out";
    EXPECT_EQ(sheet.Range("C2").Value(), "inline") << "a cell without r follows the previous one";
    EXPECT_EQ(sheet.Range("E2").Value(), "00123") << "numbers are kept as their text";
    EXPECT_EQ(sheet.Range("F2").Value(), "TRUE");
    EXPECT_EQ(sheet.Range("G2").Value(), "calc");
    EXPECT_EQ(sheet.Range("A3").Value(), "1.5E-3");
    EXPECT_EQ(sheet.Range("B2").PrefixCharacter(), "'");
    EXPECT_TRUE(sheet.Range("B2").Font().Bold());
    EXPECT_DOUBLE_EQ(sheet.Range("B2").Font().Size(), 9.5);
    EXPECT_EQ(sheet.Range("B2").Font().Color(), 0xFF0000) << "blue";
    EXPECT_EQ(sheet.Range("B2").Font().Name(), "ＭＳ 明朝");
    EXPECT_EQ(sheet.Range("B2").Interior().Color(), 0x00FFFF) << "yellow";
    EXPECT_EQ(sheet.Range("B2").Borders(borderLeft).Weight(), xlMedium);
    EXPECT_EQ(sheet.Range("B2").Borders(borderDiagonalDown).Weight(), xlHairline);
    EXPECT_EQ(sheet.Range("B2").HorizontalAlignment(), hAlignCenterAcross);
    EXPECT_EQ(sheet.Range("B2").VerticalAlignment(), vAlignCenter);
    EXPECT_TRUE(sheet.Range("B2").WrapText());
    EXPECT_TRUE(sheet.Range("B2:C3").MergeCells());
    EXPECT_DOUBLE_EQ(sheet.Range("A2").RowHeight(), 20.25);
    EXPECT_DOUBLE_EQ(sheet.Range("A3").RowHeight(), 13.5) << "ht without customHeight is automatic";
    EXPECT_DOUBLE_EQ(sheet.Range("E1").ColumnWidth(), 0);
    EXPECT_EQ(sheet.PageSetup().Zoom(), 90);
    EXPECT_DOUBLE_EQ(sheet.PageSetup().LeftMargin(), 18);
    EXPECT_EQ(sheet.HPageBreaks().Count(), 1);

    const std::string again = saveChecked(book);
    const auto entries = zipEntries(again);
    EXPECT_NE(std::find(entries.begin(), entries.end(), "xl/theme/theme1.xml"), entries.end());
    EXPECT_NE(std::find(entries.begin(), entries.end(), "xl/drawings/drawing1.xml"), entries.end());
    SavedBook saved(again);
    EXPECT_TRUE(saved.sheet(1).child("drawing"));
    EXPECT_STREQ(saved.workbook().child("definedNames").child("definedName").text().get(), "名簿!$A$1:$B$2");
    EXPECT_EQ(book.droppedOnRead(), std::vector<std::string>{}) << "the drawing and the theme are carried";
    EXPECT_EQ(saved.breaks(1), (std::vector<int>{2}));
    EXPECT_STREQ(saved.sheet(1).child("cols").child("col").attribute("width").value(), "4.5");
    EXPECT_TRUE(saved.sheet(1).child("sheetPr").child("pageSetUpPr").attribute("fitToPage").as_bool());
    EXPECT_STREQ(saved.sheet(1).child("sheetPr").child("tabColor").attribute("rgb").value(), "FFFF0000");
    EXPECT_STREQ(saved.sheet(1).child("pageSetup").attribute("fitToHeight").value(), "0");
    EXPECT_TRUE(saved.sheet(1).child("printOptions").attribute("horizontalCentered").as_bool());
    EXPECT_STREQ(saved.sheet(1).child("headerFooter").child("oddFooter").text().get(), "&P / &N");
    sheet.PageSetup().setZoom(100);
    EXPECT_FALSE(SavedBook(saveChecked(book, "_zoomed")).sheet(1).child("sheetPr").child("pageSetUpPr"))
        << "a zoom ends fit-to-page";
}

TEST(Reader, MalformedPackagesFailNamingThePart)
{
    struct Case {
        const char* label;
        std::function<void(std::map<std::string, std::string>&)> damage;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"no workbook", [](auto& p) { p.erase("xl/workbook.xml"); }, "xl/workbook.xml"},
        {"no root rels", [](auto& p) { p.erase("_rels/.rels"); }, "_rels/.rels"},
        {"broken sheet xml", [](auto& p) { p["xl/worksheets/s.xml"] = "<worksheet><sheetData>"; },
         "xl/worksheets/s.xml: XML"},
        {"string index",
         [](auto& p) {
             p["xl/worksheets/s.xml"]
                 = "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>9</v></c></row></sheetData></worksheet>";
         },
         "xl/worksheets/s.xml: A1: 共有文字列"},
        {"style index",
         [](auto& p) {
             p["xl/worksheets/s.xml"]
                 = "<worksheet><sheetData><row r=\"1\"><c r=\"B1\" s=\"5\"/></row></sheetData></worksheet>";
         },
         "xl/worksheets/s.xml: B1: 書式"},
        {"cell in wrong row",
         [](auto& p) {
             p["xl/worksheets/s.xml"]
                 = "<worksheet><sheetData><row r=\"1\"><c r=\"B2\"/></row></sheetData></worksheet>";
         },
         "セル B2"},
        {"bad merge",
         [](auto& p) {
             p["xl/worksheets/s.xml"] = "<worksheet><mergeCells><mergeCell ref=\"A1:ZZZZ2\"/></mergeCells></worksheet>";
         },
         "xl/worksheets/s.xml: セル参照"},
        {"bad font id",
         [](auto& p) { p["xl/styles.xml"] = "<styleSheet><cellXfs><xf fontId=\"3\"/></cellXfs></styleSheet>"; },
         "xl/styles.xml: fontId"},
        {"bad sheet name",
         [](auto& p) {
             p["xl/workbook.xml"]
                 = "<workbook xmlns:r=\"r\"><sheets><sheet name=\"a/b\" r:id=\"R1\"/></sheets></workbook>";
         },
         "xl/workbook.xml: シート名に使えない文字"},
        {"bad height",
         [](auto& p) {
             p["xl/worksheets/s.xml"]
                 = "<worksheet><sheetData><row r=\"1\" ht=\"x\" customHeight=\"1\"/></sheetData></worksheet>";
         },
         "ht=\"x\""},
    };
    for (const Case& c : cases) {
        auto package = foreignPackage();
        c.damage(package);
        const std::string path = inputPath("_broken");
        writeZip(path, package);
        Application app;
        try {
            app.Workbooks().Open(path);
            ADD_FAILURE() << c.label << ": opened";
        } catch (const SheetError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << c.label << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << c.label << ": " << e.what();
        }
        EXPECT_EQ(app.Workbooks().Count(), 0) << c.label;
    }
}

TEST(Reader, NotAZipFileIsRefused)
{
    const std::string path = inputPath("_text");
    {
        std::ofstream(path) << "just text";
    }
    Application app;
    EXPECT_THROW(app.Workbooks().Open(path), SheetError);
    EXPECT_THROW(app.Workbooks().Open(path + ".missing"), SheetError);
}

// Damaged parts either load or fail with SheetError; nothing else escapes and nothing crashes.
TEST(Reader, DamagedPartsNeverCrash)
{
    const auto intact = foreignPackage();
    std::mt19937 random(20240401);
    int refused = 0;
    int loaded = 0;
    for (const auto& [name, text] : intact) {
        for (int round = 0; round < 24; ++round) {
            auto package = intact;
            std::string& part = package[name];
            if (round % 3 == 0)
                part.resize(random() % (part.size() + 1)); // truncated
            else
                for (int flips = 0; flips < 4; ++flips)
                    part[random() % part.size()] = "<>\"=/0123456789x:AZ\xff"[random() % 20];
            const std::string path = inputPath("_damaged");
            writeZip(path, package);
            Application app;
            try {
                Workbook& book = app.Workbooks().Open(path);
                book.SaveAs(outputPath("_damaged_resaved"));
                ++loaded;
            } catch (const SheetError&) {
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(loaded, 0);
}

TEST(Reader, OpensAFileSavedByOpenpyxl)
{
    const std::string path = inputPath("_openpyxl");
    const std::string command = std::string(MIREVO_PYTHON) + " " + MIREVO_OPENPYXL_MAKER + " '" + path + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Application app;
    Workbook& book = app.Workbooks().Open(path);
    ASSERT_EQ(book.Sheets().Count(), 2);
    EXPECT_EQ(book.ActiveSheet().Name(), "二枚目");
    Worksheet& sheet = book.Sheets("作業員名簿");
    EXPECT_EQ(sheet.Range("A1").Value(), "氏名");
    EXPECT_EQ(sheet.Range("B1").Value(), "0012");
    EXPECT_EQ(sheet.Range("C1").Value(), "42");
    EXPECT_EQ(sheet.Range("D1").Value(), "1.5");
    EXPECT_EQ(sheet.Range("A1").Font().Name(), "ＭＳ Ｐ明朝");
    EXPECT_DOUBLE_EQ(sheet.Range("A1").Font().Size(), 14);
    EXPECT_TRUE(sheet.Range("A1").Font().Bold());
    EXPECT_EQ(sheet.Range("A1").Font().Color(), 0x0000FF);
    EXPECT_EQ(sheet.Range("A1").HorizontalAlignment(), hAlignCenter);
    EXPECT_EQ(sheet.Range("A1").VerticalAlignment(), vAlignCenter);
    EXPECT_TRUE(sheet.Range("A1").WrapText());
    EXPECT_EQ(sheet.Range("B2").Borders(borderLeft).Weight(), xlThin);
    EXPECT_EQ(sheet.Range("B2").Borders(borderBottom).Weight(), xlHairline);
    EXPECT_EQ(sheet.Range("B2").Borders(borderDiagonalDown).Weight(), xlHairline);
    EXPECT_EQ(sheet.Range("C2").Interior().Color(), 0x00FF00);
    EXPECT_TRUE(sheet.Range("A3:C4").MergeCells());
    EXPECT_EQ(sheet.Range("A3").Value(), "結合");
    EXPECT_DOUBLE_EQ(sheet.Range("A2").RowHeight(), 11.95);
    EXPECT_DOUBLE_EQ(sheet.Range("B1").ColumnWidth(), 3.88);
    EXPECT_DOUBLE_EQ(sheet.PageSetup().LeftMargin(), 18);
    EXPECT_EQ(sheet.PageSetup().PaperSize(), 8);
    EXPECT_EQ(sheet.PageSetup().Orientation(), 2);
    EXPECT_EQ(sheet.PageSetup().Zoom(), 90);
    EXPECT_EQ(sheet.HPageBreaks().Count(), 1);
    const std::string again = saveChecked(book);
    EXPECT_EQ(SavedBook(again).breaks(1), (std::vector<int>{10}));
}
