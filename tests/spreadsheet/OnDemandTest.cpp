// Workbooks opened on demand: the sheets other than the active one are parsed when first
// needed, and give the same contents, the same saved bytes and the same copies as a workbook
// read whole at open; a malformed part is refused, naming the file and the part, by whatever
// call first needs it.
#include "SpreadsheetTestSupport.h"
#include "ZipParts.h"
#include "spreadsheet/SheetSource.h"
#include "spreadsheet/XlsxReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";

// Sheets "S1".."Sn" with the given worksheet contents; S1 is active.
std::map<std::string, std::string> package(const std::vector<std::string>& sheets)
{
    std::map<std::string, std::string> p;
    std::string rels, list;
    for (size_t i = 1; i <= sheets.size(); ++i) {
        const std::string n = std::to_string(i);
        rels += "<Relationship Id=\"r" + n + "\" Type=\"" + kRel + "/worksheet\" Target=\"worksheets/sheet" + n
            + ".xml\"/>";
        list += "<sheet name=\"S" + n + "\" sheetId=\"" + n + "\" r:id=\"r" + n + "\"/>";
        p["xl/worksheets/sheet" + n + ".xml"] = "<worksheet xmlns=\"" + kMain + "\">" + sheets[i - 1] + "</worksheet>";
    }
    rels += "<Relationship Id=\"rs\" Type=\"" + kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    p["[Content_Types].xml"] = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    p["_rels/.rels"] = "<Relationships xmlns=\"" + kPkgRel + "\"><Relationship Id=\"r1\" Type=\"" + kRel
        + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    p["xl/_rels/workbook.xml.rels"] = "<Relationships xmlns=\"" + kPkgRel + "\">" + rels + "</Relationships>";
    p["xl/workbook.xml"]
        = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\"><sheets>" + list + "</sheets></workbook>";
    p["xl/sharedStrings.xml"] = "<sst xmlns=\"" + kMain + "\"><si><t>共有</t></si></sst>";
    return p;
}

// Values, a formula with its value, a rich inline string, a merge and a break.
std::string richSheet(int n)
{
    const std::string v = std::to_string(n);
    return "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><v>" + v
        + ".5</v></c>"
          "<c r=\"C1\" t=\"b\"><v>1</v></c><c r=\"D1\"><f>B1*2</f><v>"
        + v
        + "</v></c></row>"
          "<row r=\"3\" ht=\"20\" customHeight=\"1\"><c r=\"A3\" t=\"inlineStr\"><is><r><rPr><b/></rPr><t>太字"
        + v + "</t></r><r><t>と</t></r></is></c><c r=\"B3\" t=\"str\"><v>文字" + v
        + "</v></c></row></sheetData>"
          "<mergeCells count=\"1\"><mergeCell ref=\"A5:C6\"/></mergeCells>"
          "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"4\" max=\"16383\" man=\"1\"/></rowBreaks>";
}

// A workbook built through the object model, saved: five sheets of values, formats, merges.
std::string builtWorkbook()
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& first = book.Sheets(1);
    for (int s = 1; s <= 5; ++s) {
        Worksheet& ws = s == 1 ? first : book.Sheets().Add(After{book.Sheets(s - 1)});
        ws.setName("表" + std::to_string(s));
        ws.Range("A1").setValue("見出し" + std::to_string(s));
        ws.Range("B2").setValue(std::to_string(s * 1.25));
        ws.Range("A3:C4").setMergeCells(true);
        ws.Range("A1:D4").Font().setBold(true);
        ws.HPageBreaks().Add(ws.Range("A10"));
    }
    first.Select();
    return saveChecked(book, "built");
}

std::vector<std::string> values(Worksheet& ws)
{
    std::vector<std::string> out;
    for (const char* ref : {"A1", "B1", "C1", "D1", "A3", "B3", "B2"})
        out.push_back(ws.Range(ref).Value());
    out.push_back(std::to_string(ws.HPageBreaks().Count()));
    out.push_back(ws.Range("A5").MergeCells() ? "merged" : "");
    return out;
}

std::string errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const SheetError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(OnDemand, ContentsAndSavedBytesAreThoseOfAReadAtOpen)
{
    const std::string path = inputPath();
    writeZip(path, package({richSheet(1), richSheet(2), richSheet(3), richSheet(4)}));
    Application app;
    Workbook& whole = app.Workbooks().Open(path);
    Workbook& lazy = app.Workbooks().Open(path, SheetReading::OnDemand);
    EXPECT_EQ(lazy.Sheets(1).source(), nullptr) << "the active sheet is read at open";
    for (int i = 2; i <= 4; ++i)
        EXPECT_NE(lazy.Sheets(i).source(), nullptr) << i;
    EXPECT_EQ(lazy.Sheets(3).Name(), "S3");
    EXPECT_EQ(values(lazy.Sheets(3)), values(whole.Sheets(3)));
    EXPECT_EQ(values(lazy.Sheets(3))[4], "太字3と");
    EXPECT_EQ(lazy.Sheets(3).source(), nullptr);
    EXPECT_NE(lazy.Sheets(2).source(), nullptr) << "only what was asked for is read";
    const std::string fromWhole = saveChecked(whole, "whole");
    const std::string fromLazy = saveChecked(lazy, "lazy");
    EXPECT_EQ(readFile(fromLazy), readFile(fromWhole));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(values(lazy.Sheets(i)), values(whole.Sheets(i))) << i;
}

TEST(OnDemand, AnUntouchedWorkbookSavesToTheBytesItWasReadFrom)
{
    const std::string original = builtWorkbook();
    for (SheetReading reading : {SheetReading::AtOpen, SheetReading::OnDemand}) {
        Application app;
        Workbook& book = app.Workbooks().Open(original, reading);
        const std::string again = saveChecked(book, reading == SheetReading::OnDemand ? "lazy" : "whole");
        EXPECT_EQ(readFile(again), readFile(original)) << int(reading);
    }
}

TEST(OnDemand, CopiesOfUnreadSheetsAreCopiesOfTheirContents)
{
    const std::string original = builtWorkbook();
    std::vector<std::string> saved;
    for (SheetReading reading : {SheetReading::AtOpen, SheetReading::OnDemand}) {
        Application app;
        Workbook& book = app.Workbooks().Open(original, reading);
        Workbook& other = app.Workbooks().Add();
        Worksheet& inBook = book.Sheets(4).Copy(After{book.Sheets(1)});
        Worksheet& inOther = book.Sheets("表5").Copy(After{other.Sheets(1)});
        EXPECT_EQ(inBook.Name(), "表4 (2)");
        EXPECT_EQ(inBook.Range("A1").Value(), "見出し4");
        EXPECT_EQ(inOther.Range("B2").Value(), book.Sheets("表5").Range("B2").Value());
        EXPECT_TRUE(inOther.Range("A3").MergeCells());
        const std::string tag = reading == SheetReading::OnDemand ? "lazy" : "whole";
        saved.push_back(readFile(saveChecked(book, tag + "-book")) + readFile(saveChecked(other, tag + "-other")));
    }
    EXPECT_EQ(saved[0], saved[1]);
}

TEST(OnDemand, AMalformedPartIsRefusedByTheCallThatNeedsIt)
{
    const std::string path = inputPath();
    writeZip(path, package({richSheet(1), "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></sheetData>", richSheet(3)}));
    const std::string where = path + ": xl/worksheets/sheet2.xml: XML が正しくありません";

    Application app;
    EXPECT_NE(errorOf([&] { app.Workbooks().Open(path); }).find(where), std::string::npos)
        << "read at open: the workbook is refused";

    Workbook& book = app.Workbooks().Open(path, SheetReading::OnDemand);
    EXPECT_EQ(book.Sheets(3).Range("B1").Value(), "3.5");
    Worksheet& bad = book.Sheets("S2");
    EXPECT_EQ(bad.Name(), "S2");
    EXPECT_NE(errorOf([&] { bad.Range("A1").Value(); }).find(where), std::string::npos);
    EXPECT_NE(errorOf([&] { bad.data(); }).find(where), std::string::npos) << "and again, every time";
    EXPECT_NE(errorOf([&] { bad.Copy(After{book.Sheets(3)}); }).find(where), std::string::npos);
    EXPECT_EQ(book.Sheets().Count(), 3) << "a refused copy adds no sheet";
    const std::string out = outputPath("refused");
    EXPECT_NE(errorOf([&] { book.SaveAs(out); }).find(where), std::string::npos);
    EXPECT_FALSE(std::ifstream(out).good()) << "nothing written";
    EXPECT_NE(errorOf([&] { book.readSheets(); }).find(where), std::string::npos);
    EXPECT_EQ(book.Sheets(1).Range("A1").Value(), "共有") << "the other sheets stay usable";
    bad.Delete();
    EXPECT_EQ(errorOf([&] { book.SaveAs(outputPath("without")); }), "");

    writeZip(path, package({"<sheetData><row>", richSheet(2)}));
    EXPECT_NE(errorOf([&] {
                  app.Workbooks().Open(path, SheetReading::OnDemand);
              }).find(path + ": xl/worksheets/sheet1.xml: XML が正しくありません"),
              std::string::npos)
        << "the active sheet is read at open";
}

TEST(OnDemand, LimitsAndDroppedContentCountEverySheet)
{
    const std::string cells = "<sheetData><row r=\"1\"><c r=\"A1\"/><c r=\"B1\"/></row></sheetData>"; // 3
    const std::string path = inputPath();
    writeZip(path, package({cells, cells, cells, cells}));
    ReadLimits limits;
    limits.maxCells = 11;
    Application app;
    const std::string over = errorOf([&] {
        Workbook book(app);
        readXlsx(book, path, limits);
    });
    EXPECT_NE(over.find("セルと行の数がブックの上限を超えています"), std::string::npos) << over;
    EXPECT_NE(over.find("xl/worksheets/sheet"), std::string::npos) << over;
    limits.maxCells = 12;
    EXPECT_EQ(errorOf([&] {
                  Workbook book(app);
                  readXlsx(book, path, limits);
              }),
              "");

    writeZip(path, package({cells, cells + "<customSheetViews/>"}));
    Workbook& whole = app.Workbooks().Open(path);
    EXPECT_EQ(whole.droppedOnRead(), std::vector<std::string>{"ユーザー設定のビュー: S2"});
    Workbook& lazy = app.Workbooks().Open(path, SheetReading::OnDemand);
    EXPECT_TRUE(lazy.droppedOnRead().empty()) << "not known before the sheet is read";
    lazy.Sheets(2).data();
    EXPECT_EQ(lazy.droppedOnRead(), std::vector<std::string>{"ユーザー設定のビュー: S2"});
}
