#include "SpreadsheetTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

constexpr int kBlock = 10; // rows of one page block

// Page block rows 1-10: a merged title, bordered worker box, varied row heights.
void drawBlock(Worksheet& sheet)
{
    sheet.Range("A1:A10").setRowHeight(12.5);
    sheet.Range("A3").setRowHeight(7.5);
    sheet.Range("B1:F2").setMergeCells(true);
    sheet.Range("B1").setValue("作業員名簿");
    sheet.Range("B1:F2").setHorizontalAlignment(hAlignCenter);
    sheet.Range("B4:F9").Borders(borderBottom).setWeight(xlHairline);
    sheet.Range("B4:F9").Borders(borderRight).setWeight(xlThin);
    sheet.Range("C4:D5").setMergeCells(true);
    sheet.Range("B10").setValue("'001");
}

// Repeats the block as the document generator does: copy the rows once, then a break and a
// paste per further page, and one more break after the last copy.
void repeatBlock(Worksheet& sheet, int pages)
{
    sheet.Range("A1", "A" + std::to_string(kBlock)).EntireRow().Copy();
    for (int k = 1; k < pages; ++k) {
        const std::string at = "A" + std::to_string(1 + k * kBlock);
        sheet.HPageBreaks().Add(sheet.Range(at));
        sheet.Range(at).EntireRow().PasteSpecial();
    }
    sheet.HPageBreaks().Add(sheet.Range("A" + std::to_string(1 + pages * kBlock)));
}

} // namespace

TEST(RowCopy, PageRepetitionCarriesFormatsMergesHeightsAndBreaks)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    drawBlock(sheet);
    sheet.Range("B25:C26").setMergeCells(true); // overwritten by the third page
    sheet.Range("H24").setValue("old");
    repeatBlock(sheet, 3);
    SavedBook saved(saveChecked(book));
    EXPECT_EQ(saved.breaks(1), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(saved.merges(1),
              (std::vector<std::string>{"B1:F2", "C4:D5", "B11:F12", "C14:D15", "B21:F22", "C24:D25"}));
    for (int page = 1; page < 3; ++page) {
        const int off = page * kBlock;
        for (int r = 1; r <= kBlock; ++r) {
            EXPECT_STREQ(saved.row(1, r + off).attribute("ht").value(), saved.row(1, r).attribute("ht").value())
                << r + off;
            EXPECT_TRUE(saved.row(1, r + off).attribute("customHeight").as_bool());
            for (const char* col : {"B", "C", "F"})
                EXPECT_STREQ(saved.cell(1, col + std::to_string(r + off)).attribute("s").value(),
                             saved.cell(1, col + std::to_string(r)).attribute("s").value())
                    << col << r + off;
        }
        EXPECT_EQ(saved.value(1, "B" + std::to_string(1 + off)), "作業員名簿");
        EXPECT_EQ(saved.value(1, "B" + std::to_string(10 + off)), "001");
        EXPECT_TRUE(saved.format(1, "B" + std::to_string(10 + off)).xf.attribute("quotePrefix").as_bool());
    }
    EXPECT_STREQ(saved.row(1, 23).attribute("ht").value(), "7.5");
    EXPECT_EQ(saved.format(1, "D19").edge("bottom"), "hair");
    EXPECT_EQ(saved.format(1, "D19").edge("right"), "thin");
    EXPECT_FALSE(saved.cell(1, "H24")) << "whole-row paste replaces the target rows";
}

TEST(RowCopy, RectangleCopyPastesAtTopLeftWithoutRowHeights)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    drawBlock(sheet);
    sheet.Range("K30").setValue("kept");
    sheet.Range("H31").setValue("replaced");
    sheet.Range("B1:F10").Copy();
    sheet.Range("H30").PasteSpecial();
    SavedBook saved(saveChecked(book));
    EXPECT_EQ(saved.value(1, "H30"), "作業員名簿");
    EXPECT_EQ(saved.value(1, "H31"), "");
    EXPECT_EQ(saved.value(1, "K30"), "") << "inside the merged title";
    EXPECT_EQ(saved.format(1, "L38").edge("bottom"), "hair");
    EXPECT_FALSE(saved.row(1, 32).attribute("ht")) << "row heights only travel with whole rows";
    const auto merges = saved.merges(1);
    EXPECT_NE(std::find(merges.begin(), merges.end(), "H30:L31"), merges.end());
    EXPECT_NE(std::find(merges.begin(), merges.end(), "I33:J34"), merges.end());
}

TEST(RowCopy, PasteIntoAnotherWorkbookAndWithoutClipboard)
{
    Application app;
    Workbook& first = app.Workbooks().Add();
    drawBlock(first.Sheets(1));
    EXPECT_THROW(first.Sheets(1).Range("A20").PasteSpecial(), SheetError);
    first.Sheets(1).Range("A1:A10").EntireRow().Copy();
    Workbook& second = app.Workbooks().Add();
    second.Sheets(1).Range("A1").Font().setBold(true);
    second.Sheets(1).Range("A5").EntireRow().PasteSpecial();
    first.Close(false);
    SavedBook saved(saveChecked(second));
    EXPECT_EQ(saved.value(1, "B5"), "作業員名簿");
    EXPECT_EQ(saved.format(1, "E12").edge("right"), "thin");
    EXPECT_STREQ(saved.row(1, 7).attribute("ht").value(), "7.5");
    EXPECT_TRUE(saved.format(1, "A1").font.child("b"));
}
