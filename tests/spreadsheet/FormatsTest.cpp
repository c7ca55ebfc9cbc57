#include "SpreadsheetTestSupport.h"

#include <gtest/gtest.h>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

struct Fixture {
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
};

} // namespace

// Borders(i) acts on every cell of the range, inner boundaries included.
TEST(Formats, BordersLandOnEveryCellOfTheRange)
{
    struct Case {
        int index;
        int weight;
        const char* edge;
        const char* style;
    };
    const Case cases[] = {
        {1, 2, "left", "thin"},   {2, 3, "right", "medium"},  {3, 1, "top", "hair"},
        {4, 2, "bottom", "thin"}, {5, 1, "diagonal", "hair"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.sheet.Range("B2:D4").Borders(c.index).setLineStyle(xlContinuous);
        f.sheet.Range("B2:D4").Borders(c.index).setWeight(c.weight);
        SavedBook saved(saveChecked(f.book, "_" + std::to_string(c.index)));
        for (const char* ref : {"B2", "C2", "D2", "B3", "C3", "D3", "B4", "C4", "D4"}) {
            const SavedFormat fmt = saved.format(1, ref);
            EXPECT_EQ(fmt.edge(c.edge), c.style) << ref << " Borders(" << c.index << ")";
            for (const char* other : {"left", "right", "top", "bottom", "diagonal"}) {
                if (std::string(other) != c.edge) {
                    EXPECT_EQ(fmt.edge(other), "") << ref << " " << other;
                }
            }
            EXPECT_EQ(fmt.border.attribute("diagonalDown").as_bool(), c.index == 5) << ref;
            EXPECT_FALSE(fmt.border.attribute("diagonalUp").as_bool()) << ref;
        }
        EXPECT_FALSE(saved.cell(1, "E3")) << "outside the range";
        EXPECT_FALSE(saved.cell(1, "A3"));
    }
}

TEST(Formats, LineStyleAloneGivesThinAndEdgesCombine)
{
    Fixture f;
    f.sheet.Range("A1").Borders(borderTop).setLineStyle(xlContinuous);
    f.sheet.Range("A1").Borders(borderBottom).setWeight(xlMedium);
    f.sheet.Range("A1").Borders(borderBottom).setLineStyle(-4115); // xlDash keeps the weight
    f.sheet.Range("A1").Borders(borderLeft).setWeight(-4138);      // the spreadsheet's xlMedium
    f.sheet.Range("A1").Borders(borderRight).setWeight(xlThick);
    f.sheet.Range("A1").Borders(borderRight).setLineStyle(xlLineStyleNone);
    SavedBook saved(saveChecked(f.book));
    const SavedFormat fmt = saved.format(1, "A1");
    EXPECT_EQ(fmt.edge("left"), "medium");
    EXPECT_EQ(fmt.edge("right"), "");
    EXPECT_EQ(fmt.edge("top"), "thin");
    EXPECT_EQ(fmt.edge("bottom"), "mediumDashed");
    EXPECT_THROW(f.sheet.Range("A1").Borders(7), SheetError);
    EXPECT_THROW(f.sheet.Range("A1").Borders(1).setWeight(5), SheetError);
    EXPECT_THROW(f.sheet.Range("A1").Borders(1).setLineStyle(99), SheetError);
}

TEST(Formats, AlignmentCodesMapToTheirMeaning)
{
    struct Case {
        int horizontal;
        int vertical;
        const char* h;
        const char* v;
    };
    const Case cases[] = {
        {2, 2, "left", "center"},
        {3, 3, "center", ""},
        {4, 2, "right", "center"},
        {6, 3, "justify", ""},
        {7, 2, "centerContinuous", "center"},
        {-4108, -4160, "center", "top"},
    };
    Fixture f;
    int row = 1;
    for (const Case& c : cases) {
        CellRange r = f.sheet.Cells(row++, 1);
        r.setHorizontalAlignment(c.horizontal);
        r.setVerticalAlignment(c.vertical);
    }
    SavedBook saved(saveChecked(f.book));
    row = 1;
    for (const Case& c : cases) {
        const SavedFormat fmt = saved.format(1, "A" + std::to_string(row++));
        EXPECT_STREQ(fmt.alignment.attribute("horizontal").value(), c.h) << c.horizontal;
        EXPECT_STREQ(fmt.alignment.attribute("vertical").value(), c.v) << c.vertical;
    }
    EXPECT_THROW(f.sheet.Range("A1").setHorizontalAlignment(9), SheetError);
    EXPECT_THROW(f.sheet.Range("A1").setVerticalAlignment(0), SheetError);
}

TEST(Formats, FontColourIsBlueGreenRedAndOtherFontAttributes)
{
    struct Case {
        long bgr;
        const char* argb;
    };
    const Case cases[]
        = {{0x0000FF, "FFFF0000"}, {0xFF0000, "FF0000FF"}, {0x00FF00, "FF00FF00"}, {0x123456, "FF563412"}};
    Fixture f;
    int row = 1;
    for (const Case& c : cases)
        f.sheet.Cells(row++, 2).Font().setColor(c.bgr);
    f.sheet.Range("A1:A3").Font().setName("ＭＳ Ｐ明朝");
    f.sheet.Range("A2").Font().setSize(48);
    f.sheet.Range("A3").Font().setBold(true);
    f.sheet.Range("A3").Cells().setWrapText(true);
    f.sheet.Range("A3").setShrinkToFit(true);
    SavedBook saved(saveChecked(f.book));
    row = 1;
    for (const Case& c : cases)
        EXPECT_STREQ(saved.format(1, "B" + std::to_string(row++)).font.child("color").attribute("rgb").value(), c.argb);
    EXPECT_STREQ(saved.format(1, "A1").font.child("name").attribute("val").value(), "ＭＳ Ｐ明朝");
    EXPECT_STREQ(saved.format(1, "A2").font.child("sz").attribute("val").value(), "48");
    EXPECT_STREQ(saved.format(1, "A2").font.child("name").attribute("val").value(), "ＭＳ Ｐ明朝");
    const SavedFormat a3 = saved.format(1, "A3");
    EXPECT_TRUE(a3.font.child("b"));
    EXPECT_TRUE(a3.alignment.attribute("wrapText").as_bool());
    EXPECT_TRUE(a3.alignment.attribute("shrinkToFit").as_bool());
    EXPECT_FALSE(saved.format(1, "A1").font.child("b"));
    EXPECT_EQ(f.sheet.Range("B1").Font().Color(), 0x0000FF);
}

TEST(Formats, ColumnWidthsAndRowHeightsCoverEveryTouchedColumnAndRow)
{
    Fixture f;
    f.sheet.Range("A1:H97").setColumnWidth(2);
    f.sheet.Range("O1:Q97").setColumnWidth(0);
    f.sheet.Columns(9).setColumnWidth(6);
    f.sheet.Range("A1:A8").setRowHeight(12.5);
    f.sheet.Range("A3:BP3").setRowHeight(7.5);
    f.sheet.Range("C10:D11").setRowHeight(11.95);
    SavedBook saved(saveChecked(f.book));
    const pugi::xml_node cols = saved.sheet(1).child("cols");
    std::vector<std::string> spans;
    for (pugi::xml_node c : cols.children("col"))
        spans.push_back(std::string(c.attribute("min").value()) + "-" + c.attribute("max").value() + ":"
                        + c.attribute("width").value() + (c.attribute("hidden").as_bool() ? " hidden" : ""));
    EXPECT_EQ(spans, (std::vector<std::string>{"1-8:2.625", "9-9:6.625", "15-17:0 hidden"}));
    for (int r : {1, 2, 4, 8})
        EXPECT_STREQ(saved.row(1, r).attribute("ht").value(), "12.5") << r;
    EXPECT_STREQ(saved.row(1, 3).attribute("ht").value(), "7.5");
    for (int r : {10, 11}) {
        EXPECT_STREQ(saved.row(1, r).attribute("ht").value(), "11.95");
        EXPECT_TRUE(saved.row(1, r).attribute("customHeight").as_bool());
    }
    EXPECT_FALSE(saved.row(1, 9));
    EXPECT_DOUBLE_EQ(f.sheet.Range("B5").ColumnWidth(), 2);
    EXPECT_DOUBLE_EQ(f.sheet.Range("P5").ColumnWidth(), 0);
    EXPECT_THROW(f.sheet.Range("A1").setColumnWidth(-1), SheetError);
    EXPECT_THROW(f.sheet.Range("A1").setRowHeight(410), SheetError);
}

TEST(Formats, MergesReplaceWhatTheyOverlap)
{
    Fixture f;
    f.sheet.Range("A1:C2").setMergeCells(true);
    f.sheet.Range("E1:F1").setMergeCells(true);
    f.sheet.Range("H1:I9").setMergeCells(true);
    f.sheet.Range("B2:E3").setMergeCells(true); // overlaps the first two
    f.sheet.Range("K1").setMergeCells(true);    // one cell: nothing to merge
    f.sheet.Range("H1:I9").setMergeCells(false);
    f.sheet.Range("A5", "D6").setValue("top-left");
    f.sheet.Range("A5:D6").setMergeCells(true);
    SavedBook saved(saveChecked(f.book));
    EXPECT_EQ(saved.merges(1), (std::vector<std::string>{"E1:F1", "B2:E3", "A5:D6"}));
    EXPECT_EQ(saved.value(1, "A5"), "top-left");
    EXPECT_EQ(saved.value(1, "B5"), "") << "the merged range keeps only the top-left value";
    EXPECT_TRUE(f.sheet.Range("A5:D6").MergeCells());
    EXPECT_FALSE(f.sheet.Range("A5:E6").MergeCells());
}

TEST(Formats, InteriorColourIsASolidFill)
{
    Fixture f;
    f.sheet.Range("A1:B2").Interior().setColor(0x00FFFF); // yellow in blue-green-red
    f.sheet.Range("B2").Interior().setColor(0xFF0000);
    SavedBook saved(saveChecked(f.book));
    for (const char* ref : {"A1", "B1", "A2"}) {
        const pugi::xml_node fill = saved.fill(1, ref);
        EXPECT_STREQ(fill.child("patternFill").attribute("patternType").value(), "solid") << ref;
        EXPECT_STREQ(fill.child("patternFill").child("fgColor").attribute("rgb").value(), "FFFFFF00") << ref;
    }
    EXPECT_STREQ(saved.fill(1, "B2").child("patternFill").child("fgColor").attribute("rgb").value(), "FF0000FF");
    EXPECT_EQ(f.sheet.Range("B2").Interior().Color(), 0xFF0000);
    EXPECT_EQ(f.sheet.Range("C3").Interior().Color(), 0xFFFFFF);
}

// A page formatted attribute by attribute derives its styles through the cache: the style
// table holds the distinct combinations, not one entry per cell or per call.
TEST(Formats, ThousandsOfFormattedCellsShareFewStyles)
{
    Fixture f;
    for (int block = 0; block < 40; ++block) {
        const std::string top = std::to_string(1 + block * 6);
        const std::string bottom = std::to_string(6 + block * 6);
        f.sheet.Range("A" + top + ":BU" + bottom).Font().setName("ＭＳ Ｐ明朝");
        f.sheet.Range("A" + top + ":BU" + bottom).Borders(borderRight).setWeight(xlThin);
        f.sheet.Range("A" + bottom + ":BU" + bottom).Borders(borderBottom).setWeight(xlThin);
        f.sheet.Range("C" + top + ":D" + bottom).setHorizontalAlignment(hAlignCenter);
    }
    SavedBook saved(saveChecked(f.book));
    const pugi::xml_node cellXfs = saved.styles().child("cellXfs");
    EXPECT_LE(cellXfs.attribute("count").as_int(), 12) << "17,520 formatted cells";
    EXPECT_EQ(saved.format(1, "C240").edge("bottom"), "thin");
    EXPECT_STREQ(saved.format(1, "C240").alignment.attribute("horizontal").value(), "center");
}

TEST(Formats, RangesTooLargeToHoldAreRefused)
{
    Fixture f;
    EXPECT_THROW(f.sheet.Range("A1:XFD1048576").setValue("x"), SheetError);
    EXPECT_THROW(f.sheet.Range("A1:XFD1048576").Font().setBold(true), SheetError);
    f.sheet.Range("A1:C3").setValue("x");
    f.sheet.Range("A1:XFD1048576").setColumnWidth(4); // widths need no cells
    f.sheet.Columns(2).Font().setBold(true);          // whole columns touch existing cells only
    SavedBook saved(saveChecked(f.book));
    EXPECT_TRUE(saved.format(1, "B3").font.child("b"));
    EXPECT_FALSE(saved.format(1, "A3").font.child("b"));
    EXPECT_FALSE(saved.row(1, 4));
}
