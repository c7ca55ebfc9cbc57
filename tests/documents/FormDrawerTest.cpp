#include "documents/FormDrawer.h"
#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;
using namespace mirevo::sheet;

namespace {

TEST(FormDrawer, BoxCodes)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    const Box boxes[] = {
        {"C8:D13", "番号", "M C"},
        {"E8:I9", "ふりがな", "M R S 9"},
        {"J8:L13", "", "M W B T"},
        {"B2", "左", "L 16"},
    };
    drawBoxes(ws, boxes, 2); // drawn two rows lower
    EXPECT_EQ(value(ws, "C10"), QStringLiteral("番号"));
    EXPECT_TRUE(ws.Range("D15").MergeCells());
    EXPECT_FALSE(ws.Range("C8").MergeCells());
    EXPECT_EQ(ws.Range("C10").HorizontalAlignment(), hAlignCenter);
    EXPECT_EQ(ws.Range("C10").VerticalAlignment(), vAlignCenter);
    EXPECT_EQ(ws.Range("E10").HorizontalAlignment(), hAlignRight);
    EXPECT_TRUE(ws.Range("E10").ShrinkToFit());
    EXPECT_EQ(ws.Range("E10").Font().Size(), 9);
    EXPECT_TRUE(ws.Range("J10").WrapText());
    EXPECT_TRUE(ws.Range("J10").Font().Bold());
    EXPECT_EQ(ws.Range("J10").VerticalAlignment(), vAlignTop);
    EXPECT_EQ(value(ws, "J10"), QString());
    EXPECT_EQ(ws.Range("B4").HorizontalAlignment(), hAlignLeft);
    EXPECT_FALSE(ws.Range("B4").MergeCells());
}

TEST(FormDrawer, LineCodes)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    const documents::Line lines[] = {
        {"B2:D4", "O"},   // outline only
        {"F2:G3", "G H"}, // every edge, hairline
        {"I2:J2", "B K"}, // bottom, heavier
        {"L2:L3", "D"},   // diagonal
    };
    drawLines(ws, lines);
    EXPECT_EQ(ws.Range("C2").Borders(borderTop).Weight(), xlThin);
    EXPECT_EQ(ws.Range("C4").Borders(borderBottom).Weight(), xlThin);
    EXPECT_EQ(ws.Range("B3").Borders(borderLeft).Weight(), xlThin);
    EXPECT_EQ(ws.Range("D3").Borders(borderRight).Weight(), xlThin);
    EXPECT_NE(ws.Range("C3").Borders(borderTop).LineStyle(), xlContinuous); // no inner lines
    EXPECT_EQ(ws.Range("G3").Borders(borderLeft).Weight(), xlHairline);
    EXPECT_EQ(ws.Range("F2").Borders(borderBottom).Weight(), xlHairline);
    EXPECT_EQ(ws.Range("J2").Borders(borderBottom).Weight(), xlMedium);
    EXPECT_EQ(ws.Range("L3").Borders(borderDiagonalDown).LineStyle(), xlContinuous);
}

TEST(FormDrawer, PageSetUpFitsThePaper)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    constexpr Size heights[] = {{"A1:A93", 12.5}, {"A3", 7.5}};
    constexpr Size widths[] = {{"B1:BU97", 4}, {"O1:Q97", 0}, {"A1", 3}};
    preparePage(ws, {Paper::A3Landscape, "A1:BR300", 10, heights, widths, "A1:BU93"});
    EXPECT_EQ(ws.PageSetup().PaperSize(), 8);
    EXPECT_EQ(ws.PageSetup().Orientation(), 2);
    EXPECT_EQ(ws.PageSetup().TopMargin(), 0);
    EXPECT_EQ(ws.Range("BR300").Font().Name(), "ＭＳ Ｐ明朝");
    EXPECT_EQ(ws.Range("A3").RowHeight(), 7.5);
    EXPECT_EQ(ws.Range("P5").ColumnWidth(), 0); // hidden columns take no room
    const int zoom = ws.PageSetup().Zoom();
    EXPECT_LT(zoom, 100); // 70 columns of 4 characters are wider than A3
    EXPECT_GE(zoom, 10);
    EXPECT_EQ(zoom, fittingZoom(ws, "A1:BU93", Paper::A3Landscape));
    // A small page prints at 100 %.
    Worksheet& small = ws.Parent().Sheets().Add();
    constexpr Size none[] = {{"A1", 8}};
    preparePage(small, {Paper::A4Portrait, "A1:C3", 0, none, none, "A1:C3"});
    EXPECT_EQ(small.PageSetup().Zoom(), 100);
}

// The roster page-block rule: 13 workers give a second page from row 94.
TEST(FormDrawer, PageBlocksRepeatBelowWithBreaks)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    ws.Range("C14").setValue("1");
    ws.Range("C14:D19").setMergeCells(true);
    ws.Range("A93").setRowHeight(20);
    repeatPageBlock(ws, 1, 93, extraPages(13, 12));
    EXPECT_EQ(value(ws, "C107"), "1");
    EXPECT_TRUE(ws.Range("D112").MergeCells());
    EXPECT_EQ(ws.Range("A186").RowHeight(), 20);
    EXPECT_EQ(ws.HPageBreaks().Count(), 2); // above rows 94 and 187
    repeatPageBlock(ws, 1, 93, 0);
    EXPECT_EQ(ws.HPageBreaks().Count(), 2); // nothing to repeat
    saveChecked(ws.Parent(), "page_blocks");
}

TEST(Generator, CompanyNamesNeverStopARun)
{
    TestSite site;
    site.add(QStringLiteral("株式会社[東京]建設/工業:本社*?"), "1");
    site.add(QStringLiteral("とても長い会社名の株式会社とても長い会社名の株式会社"), "1");
    site.add(QStringLiteral("ＡＢＣ"), "1");
    site.add(QStringLiteral("ａｂｃ"), "1"); // the same name to the spreadsheet, ignoring case
    Application app;
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    EXPECT_EQ(convert(site.view, {"2-1"}, {}, forms, out).sheets, 4);
    EXPECT_EQ(QString::fromStdString(out.Sheets(1).Name()),
              QStringLiteral("2-1.施工体制台帳【株式会社_東京_建設_工業_本社__】"));
    EXPECT_EQ(QString::fromStdString(out.Sheets(2).Name()).size(), 31);
    EXPECT_TRUE(QString::fromStdString(out.Sheets(2).Name()).endsWith(u'】'));
    EXPECT_EQ(QString::fromStdString(out.Sheets(4).Name()), QStringLiteral("2-1.施工体制台帳【ａｂｃ(2)】"));
    saveChecked(out, "awkward_names");
}

} // namespace
