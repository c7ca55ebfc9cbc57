#include "SpreadsheetTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

std::vector<std::string> names(Workbook& book)
{
    std::vector<std::string> out;
    for (int i = 1; i <= book.Sheets().Count(); ++i)
        out.push_back(book.Sheets(i).Name());
    return out;
}

// A small form like a template sheet: fonts, borders, merges, widths, heights, page set-up.
void drawForm(Worksheet& form)
{
    form.Range("A1:Y40").Font().setName("ＭＳ Ｐ明朝");
    form.Range("A1:A40").setRowHeight(16.5);
    form.Range("A1:Y40").setColumnWidth(3);
    form.Range("A1").setColumnWidth(5);
    form.Range("B2:H3").setMergeCells(true);
    form.Range("B2:H3").setHorizontalAlignment(hAlignCenter);
    form.Range("B2:H3").Font().setSize(18);
    form.Range("B2").setValue("施工体制台帳");
    form.Range("B5:Y6").Borders(borderBottom).setWeight(xlThin);
    form.Range("B5").Borders(borderDiagonalDown).setWeight(xlHairline);
    form.Range("C5").Font().setColor(255);
    auto page = form.PageSetup();
    page.setTopMargin(0);
    page.setBottomMargin(0);
    page.setLeftMargin(36);
    page.setRightMargin(0);
    page.setZoom(100);
    page.setPaperSize(8);
    page.setOrientation(2);
    form.HPageBreaks().Add(form.Range("A21"));
}

} // namespace

TEST(Sheets, CollectionByPositionAndNameWithClearErrors)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    EXPECT_EQ(names(book), (std::vector<std::string>{"Sheet1"}));
    book.Sheets().Add(After{book.Sheets(1)});
    book.Worksheets().Add(After{book.Sheets(2)});
    EXPECT_EQ(names(book), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    EXPECT_EQ(&book.WorkSheets()("sheet2"), &book.Sheets(2));
    EXPECT_EQ(book.Sheets(3).Index(), 3);
    struct Bad {
        std::function<void()> call;
        const char* message;
    };
    const Bad bad[] = {
        {[&] { book.Sheets(0); }, "シート番号が範囲外です: 0"},
        {[&] { book.Sheets(4); }, "シート番号が範囲外です: 4"},
        {[&] { book.Sheets("無い"); }, "シートが見つかりません: \"無い\""},
        {[&] { app.Workbooks()(2); }, "ブック番号が範囲外です: 2"},
    };
    for (const Bad& b : bad) {
        try {
            b.call();
            ADD_FAILURE() << "no error for " << b.message;
        } catch (const SheetError& e) {
            EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << e.what();
        }
    }
}

TEST(Sheets, MoveDeleteAndSelectKeepActiveTabConsistent)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& a = book.Sheets(1);
    Worksheet& b = book.Sheets().Add(After{a});
    Worksheet& c = book.Sheets().Add(After{b});
    a.Move(After{c});
    EXPECT_EQ(names(book), (std::vector<std::string>{"Sheet2", "Sheet3", "Sheet1"}));
    b.Select();
    const CellRange kept = c.Range("B2");
    c.Delete();
    EXPECT_EQ(names(book), (std::vector<std::string>{"Sheet2", "Sheet1"}));
    EXPECT_THROW(c.Range("A1"), SheetError) << "a deleted sheet refuses further calls";
    EXPECT_THROW(kept.setValue("x"), SheetError) << "so does a range taken before the delete";
    EXPECT_THROW(kept.Font().setBold(true), SheetError);
    a.Select();
    SavedBook saved(saveChecked(book));
    EXPECT_EQ(saved.workbook().child("bookViews").child("workbookView").attribute("activeTab").as_int(), 1);
    EXPECT_TRUE(saved.sheet(2).child("sheetViews").child("sheetView").attribute("tabSelected").as_bool());
    EXPECT_FALSE(saved.sheet(1).child("sheetViews").child("sheetView").attribute("tabSelected"));
    b.Delete();
    try {
        a.Delete();
        FAIL() << "deleted the last sheet";
    } catch (const SheetError& e) {
        EXPECT_NE(std::string(e.what()).find("最後のシート"), std::string::npos);
    }
}

TEST(Sheets, CopyFromTemplateWorkbookKeepsEverything)
{
    Application app;
    Workbook& tmpl = app.Workbooks().Add();
    drawForm(tmpl.Sheets(1));
    tmpl.Sheets(1).setName("2-1.施工体制台帳");
    const std::string templatePath = saveChecked(tmpl, "_template");
    tmpl.Close(false);

    Workbook& forms = app.Workbooks().Open(templatePath);
    Workbook& out = app.Workbooks().Add();
    out.Sheets(1).Range("A1").Font().setBold(true); // output styles differ from the template's
    for (const char* company : {"A社", "B社"}) {
        Worksheet& copy = forms.Sheets(1).Copy(After{out.Sheets(out.Sheets().Count())});
        copy.setName(std::string("2-1.施工体制台帳【") + company + "】");
        copy.Range("B10").setValue(company);
    }
    out.Sheets(1).Delete();
    forms.Close(false);
    SavedBook saved(saveChecked(out));
    SavedBook source(templatePath);
    for (int sheet : {1, 2}) {
        EXPECT_EQ(saved.merges(sheet), source.merges(1));
        EXPECT_EQ(saved.breaks(sheet), (std::vector<int>{20}));
        EXPECT_EQ(saved.value(sheet, "B2"), "施工体制台帳");
        for (const char* ref : {"B2", "B5", "C5", "Y6"}) {
            const SavedFormat got = saved.format(sheet, ref);
            const SavedFormat want = source.format(1, ref);
            EXPECT_STREQ(got.font.child("name").attribute("val").value(),
                         want.font.child("name").attribute("val").value())
                << ref;
            EXPECT_STREQ(got.font.child("sz").attribute("val").value(), want.font.child("sz").attribute("val").value())
                << ref;
            EXPECT_STREQ(got.font.child("color").attribute("rgb").value(),
                         want.font.child("color").attribute("rgb").value())
                << ref;
            for (const char* edge : {"left", "right", "top", "bottom", "diagonal"})
                EXPECT_EQ(got.edge(edge), want.edge(edge)) << ref << " " << edge;
            EXPECT_STREQ(got.alignment.attribute("horizontal").value(), want.alignment.attribute("horizontal").value())
                << ref;
        }
        const pugi::xml_node ws = saved.sheet(sheet);
        EXPECT_STREQ(ws.child("pageSetup").attribute("paperSize").value(), "8");
        EXPECT_STREQ(ws.child("pageSetup").attribute("orientation").value(), "landscape");
        EXPECT_STREQ(ws.child("pageMargins").attribute("left").value(), "0.5");
        EXPECT_STREQ(ws.child("pageMargins").attribute("top").value(), "0");
        EXPECT_STREQ(saved.row(sheet, 7).attribute("ht").value(), "16.5");
        EXPECT_STREQ(ws.child("cols").child("col").attribute("width").value(), "5.625");
    }
    EXPECT_EQ(saved.value(1, "B10"), "A社");
    EXPECT_EQ(saved.value(2, "B10"), "B社");
    EXPECT_STREQ(saved.format(1, "C5").font.child("color").attribute("rgb").value(), "FFFF0000");
}

TEST(Sheets, PageSetupValuesAndRefusals)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    auto page = sheet.PageSetup();
    page.setTopMargin(72);
    page.setBottomMargin(36);
    page.setLeftMargin(0);
    page.setRightMargin(18);
    page.setZoom(85);
    page.setPaperSize(9);
    page.setOrientation(1);
    SavedBook saved(saveChecked(book));
    const pugi::xml_node margins = saved.sheet(1).child("pageMargins");
    EXPECT_STREQ(margins.attribute("top").value(), "1");
    EXPECT_STREQ(margins.attribute("bottom").value(), "0.5");
    EXPECT_STREQ(margins.attribute("left").value(), "0");
    EXPECT_STREQ(margins.attribute("right").value(), "0.25");
    const pugi::xml_node setup = saved.sheet(1).child("pageSetup");
    EXPECT_STREQ(setup.attribute("scale").value(), "85");
    EXPECT_STREQ(setup.attribute("paperSize").value(), "9");
    EXPECT_STREQ(setup.attribute("orientation").value(), "portrait");
    EXPECT_DOUBLE_EQ(page.TopMargin(), 72);
    EXPECT_THROW(page.setZoom(5), SheetError);
    EXPECT_THROW(page.setOrientation(3), SheetError);
    EXPECT_THROW(page.setPaperSize(0), SheetError);
    EXPECT_THROW(page.setTopMargin(-1), SheetError);
    EXPECT_THROW(sheet.HPageBreaks().Add(sheet.Range("C1")), SheetError);
}

TEST(Sheets, MoveToAnotherWorkbookCarriesTheSheet)
{
    Application app;
    Workbook& from = app.Workbooks().Add();
    Workbook& to = app.Workbooks().Add();
    Worksheet& sheet = from.Sheets().Add(After{from.Sheets(1)});
    sheet.setName("移動");
    sheet.Range("A1").setValue("moved");
    sheet.Range("A1").Font().setBold(true);
    sheet.Move(After{to.Sheets(1)});
    EXPECT_EQ(names(from), (std::vector<std::string>{"Sheet1"}));
    EXPECT_EQ(names(to), (std::vector<std::string>{"Sheet1", "移動"}));
    EXPECT_EQ(to.ActiveSheet().Name(), "移動");
    EXPECT_TRUE(to.Sheets("移動").Range("A1").Font().Bold());
    EXPECT_THROW(from.Sheets(1).Move(After{to.Sheets(1)}), SheetError) << "a workbook keeps one sheet";
    SavedBook saved(saveChecked(to));
    EXPECT_EQ(saved.value(2, "A1"), "moved");
}
