// Pages a sheet falls onto: paper, orientation, scale, breaks, order and centring.
#include "render/Pagination.h"
#include "RenderTestBooks.h"
#include "render/CellPainter.h"
#include "render/HeaderFooter.h"
#include "render/PrintNames.h"
#include "render/WorkbookPages.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using namespace mirevo;
using namespace mirevo::sheet;
using render::SheetPagination;

namespace {

void rows(Worksheet& ws, int count, int cols = 1)
{
    for (int r = 1; r <= count; ++r)
        for (int c = 1; c <= cols; ++c)
            ws.Cells(r, c).setValue("x");
}

struct Case {
    const char* name;
    std::function<void(Worksheet&)> build;
    int pages;
    double paperWidth; // points
    double paperHeight;
    std::vector<Rect> expected; // cells of the first pages, when given
};

class PaginationCases : public ::testing::TestWithParam<Case> { };

TEST_P(PaginationCases, PagesPaperAndBands)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& ws = book.Sheets(1);
    GetParam().build(ws);
    const SheetPagination p(ws);
    ASSERT_EQ(int(p.pages().size()), GetParam().pages);
    EXPECT_NEAR(p.paperPoints().width(), GetParam().paperWidth, 0.5);
    EXPECT_NEAR(p.paperPoints().height(), GetParam().paperHeight, 0.5);
    for (size_t i = 0; i < GetParam().expected.size(); ++i)
        EXPECT_EQ(p.pages()[i].cells, GetParam().expected[i]) << "page " << i + 1;
}

constexpr double kA4w = 595.28, kA4h = 841.89, kA3w = 841.89, kA3h = 1190.55;

INSTANTIATE_TEST_SUITE_P(
    Sheets, PaginationCases,
    ::testing::Values(
        Case{"A3LandscapeManualBreak",
             [](Worksheet& ws) { render::test::fillA3WithBreak(ws); },
             2,
             kA3h,
             kA3w,
             {Rect{1, 1, 30, 8}, Rect{31, 1, 60, 8}}},
        Case{
            "A4PortraitTable", [](Worksheet& ws) { render::test::fillA4Table(ws); }, 1, kA4w, kA4h, {Rect{1, 1, 8, 5}}},
        Case{"EmptySheetPrintsNothing", [](Worksheet&) {}, 0, kA4w, kA4h, {}},
        // 733.9 printable points hold 54 rows of 13.5.
        Case{"AutomaticRowBreaks",
             [](Worksheet& ws) { rows(ws, 200); },
             4,
             kA4w,
             kA4h,
             {Rect{1, 1, 54, 1}, Rect{55, 1, 108, 1}, Rect{109, 1, 162, 1}, Rect{163, 1, 200, 1}}},
        Case{"ZoomHalfHoldsTwiceTheRows",
             [](Worksheet& ws) {
                 rows(ws, 200);
                 ws.PageSetup().setZoom(50);
             },
             2,
             kA4w,
             kA4h,
             {Rect{1, 1, 108, 1}, Rect{109, 1, 200, 1}}},
        Case{"FitToOnePage",
             [](Worksheet& ws) {
                 rows(ws, 200);
                 ws.data().page.fitToPage = true;
             },
             1,
             kA4w,
             kA4h,
             {Rect{1, 1, 200, 1}}},
        Case{"FitToOnePageIgnoresManualBreaks",
             [](Worksheet& ws) {
                 rows(ws, 40);
                 ws.HPageBreaks().Add(ws.Range("A20"));
                 ws.data().page.fitToPage = true;
             },
             1,
             kA4w,
             kA4h,
             {}},
        // 494.5 printable points hold 9 default columns (of about 52.6 points with the digits of
        // Noto Sans CJK JP); pages go down, then over.
        Case{"ColumnBandsDownThenOver",
             [](Worksheet& ws) { rows(ws, 100, 30); },
             8,
             kA4w,
             kA4h,
             {Rect{1, 1, 54, 9}, Rect{55, 1, 100, 9}, Rect{1, 10, 54, 18}}},
        Case{"HiddenRowsTakeNoSpace",
             [](Worksheet& ws) {
                 rows(ws, 200);
                 ws.Range("A1:A100").setRowHeight(0);
             },
             2,
             kA4w,
             kA4h,
             {Rect{1, 1, 154, 1}, Rect{155, 1, 200, 1}}},
        Case{"EmptyBandIsSkipped",
             [](Worksheet& ws) {
                 ws.Range("A1").setValue("a");
                 ws.Range("A120").setValue("b");
             },
             2,
             kA4w,
             kA4h,
             {Rect{1, 1, 54, 1}, Rect{109, 1, 120, 1}}},
        Case{"BreakAtLastRowAddsNoPage",
             [](Worksheet& ws) {
                 rows(ws, 10);
                 ws.HPageBreaks().Add(ws.Range("A11"));
             },
             1,
             kA4w,
             kA4h,
             {Rect{1, 1, 10, 1}}},
        // Pages come from the cells that show something, not from the sheet's extent.
        Case{"EmptyMergesMakeNoPages",
             [](Worksheet& ws) {
                 ws.Range("A1").setValue("a");
                 for (int i = 0; i < 5000; ++i)
                     ws.data().merge(Rect{3 + 2 * i, 1, 4 + 2 * i, 30});
             },
             1,
             kA4w,
             kA4h,
             {Rect{1, 1, 1, 1}}},
        Case{"CellsAtTheFarCorners",
             [](Worksheet& ws) {
                 ws.Range("XFD1").setValue("a");
                 ws.Range("XFD1048576").setValue("b");
             },
             2,
             kA4w,
             kA4h,
             {}},
        Case{"JisB4Portrait",
             [](Worksheet& ws) {
                 rows(ws, 1);
                 ws.PageSetup().setPaperSize(12);
             },
             1,
             728.5,
             1031.8,
             {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pagination, CentringPlacesTheBlockInTheMiddleOfThePrintableArea)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    render::test::fillA4Table(ws);
    ws.data().page.centerHorizontally = true;
    ws.data().page.centerVertically = true;
    const SheetPagination p(ws);
    ASSERT_EQ(p.pages().size(), 1u);
    const double width = p.geometry().colRight(5), height = p.geometry().rowBottom(8);
    EXPECT_NEAR(p.pages()[0].origin.x(), 0.7 * 72 + (kA4w - 1.4 * 72 - width) / 2, 0.01);
    EXPECT_NEAR(p.pages()[0].origin.y(), 0.75 * 72 + (kA4h - 1.5 * 72 - height) / 2, 0.01);
}

TEST(Pagination, ColumnWidthsAndHiddenColumnsInPoints)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    ws.Range("B1").setColumnWidth(2); // 2 characters: 21 pixels
    ws.Range("C1").setColumnWidth(0); // hidden
    ws.Range("D1").setValue("x");
    // Digits of 6 points: the default column is 8 digits and 5 pixels, B 2 digits and 5 pixels.
    const render::SheetGeometry geo(ws.data(), 1, 4, 6.0);
    EXPECT_DOUBLE_EQ(geo.colLeft(2), 51.75);
    EXPECT_DOUBLE_EQ(geo.colRight(2), 51.75 + 2.625 * 6);
    EXPECT_DOUBLE_EQ(geo.colRight(3), geo.colLeft(3));
    EXPECT_EQ(geo.colAt(60), 2);
}

} // namespace

namespace {

TEST(Pagination, HiddenAndVeryHiddenSheetsAreNotPrinted)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    rows(book.Sheets(1), 10);
    for (int state : {xlSheetHidden, xlSheetVeryHidden, xlSheetVisible}) {
        Worksheet& ws = book.Sheets().Add(After{book.Sheets(book.Sheets().Count())});
        rows(ws, 10);
        ws.setVisible(state);
    }
    const render::WorkbookPages all(book);
    ASSERT_EQ(all.pageCount(), 2);
    EXPECT_EQ(&all.page(1).sheet->sheet(), &book.Sheets(4));
    EXPECT_EQ(render::WorkbookPages(book, {1}).pageCount(), 1) << "a sheet asked for by position is printed";
}

} // namespace

namespace {

void name(Worksheet& ws, const char* n, const char* formula)
{
    ws.Parent().definedNames().push_back(DefinedName{n, &ws, formula, false});
}

TEST(PrintNames, ReferenceListsOfCellsRowsAndColumns)
{
    using render::referenceList;
    EXPECT_EQ(referenceList("Sheet1!$A$1:$H$20"), (std::vector<Rect>{Rect{1, 1, 20, 8}}));
    EXPECT_EQ(referenceList("'名簿, 1'!$B$2,'名簿, 1'!$D$1:$E$5"),
              (std::vector<Rect>{Rect{2, 2, 2, 2}, Rect{1, 4, 5, 5}}));
    EXPECT_EQ(referenceList("Sheet1!$1:$3"), (std::vector<Rect>{Rect{1, 1, 3, kMaxCols}}));
    EXPECT_EQ(referenceList("Sheet1!$A:$B,Sheet1!$2:$2"),
              (std::vector<Rect>{Rect{1, 1, kMaxRows, 2}, Rect{2, 1, 2, kMaxCols}}));
    EXPECT_TRUE(referenceList("#REF!").empty());
    EXPECT_TRUE(referenceList("Sheet1!$A$1:$3").empty());
}

TEST(Pagination, PrintAreaAndTitleRows)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& ws = book.Sheets(1);
    rows(ws, 200, 3);
    name(ws, "_xlnm.Print_Area", "Sheet1!$A$3:$B$120");
    name(ws, "_xlnm.Print_Titles", "Sheet1!$1:$2");
    const SheetPagination p(ws);
    // 54 rows a page; the titles take two of them on every page.
    ASSERT_EQ(p.pages().size(), 3u);
    EXPECT_EQ(p.pages()[0].cells, (Rect{3, 1, 54, 2}));
    EXPECT_EQ(p.pages()[1].cells, (Rect{55, 1, 106, 2}));
    EXPECT_EQ(p.pages()[2].cells, (Rect{107, 1, 120, 2}));
    for (const auto& page : p.pages())
        EXPECT_EQ(page.titleRows, (std::pair<int, int>{1, 2}));

    // Two areas print one after the other; whole columns end with the content.
    book.definedNames().clear();
    name(ws, "_xlnm.Print_Area", "Sheet1!$A$1:$A$10,Sheet1!$C:$C");
    const SheetPagination two(ws);
    ASSERT_EQ(two.pages().size(), 5u);
    EXPECT_EQ(two.pages()[0].cells, (Rect{1, 1, 10, 1}));
    EXPECT_EQ(two.pages()[1].cells, (Rect{1, 3, 54, 3}));
    EXPECT_EQ(two.pages()[4].cells, (Rect{163, 3, 200, 3}));
}

TEST(HeaderFooter, SectionsAndFields)
{
    const render::HeaderFooterFields f{3, 7, QStringLiteral("名簿"), QStringLiteral("安全書類.xlsx"),
                                       QDateTime(QDate(2026, 4, 1), QTime(9, 5))};
    const auto t = render::headerFooterText("&L&\"ＭＳ Ｐゴシック,太字\"&12&A&C&P / &N ページ&R&D &T &F &&", f);
    EXPECT_EQ(t.left, QStringLiteral("名簿"));
    EXPECT_EQ(t.centre, QStringLiteral("3 / 7 ページ"));
    EXPECT_EQ(t.right, QStringLiteral("2026/04/01 9:05 安全書類.xlsx &"));
    EXPECT_EQ(render::headerFooterText("Page &P", f).centre, QStringLiteral("Page 3"));
    EXPECT_TRUE(render::headerFooterText("", f).empty());
    // Each section's font codes.
    EXPECT_EQ(t.leftStyle.family, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_TRUE(t.leftStyle.bold);
    EXPECT_EQ(t.leftStyle.size, 12);
    EXPECT_EQ(t.centreStyle, render::SectionStyle{}) << "codes hold for their own section only";
    const auto u = render::headerFooterText("&L&B太&B細&C&\"-,Bold Italic\"&U&9x&R&\"Arial\"y", f);
    EXPECT_FALSE(u.leftStyle.bold) << "&B twice: on, then off";
    EXPECT_EQ(u.left, QStringLiteral("太細"));
    EXPECT_TRUE(u.centreStyle.bold && u.centreStyle.italic && u.centreStyle.underline);
    EXPECT_TRUE(u.centreStyle.family.isEmpty()) << "- keeps the family";
    EXPECT_EQ(u.centreStyle.size, 9);
    EXPECT_EQ(u.rightStyle.family, QStringLiteral("Arial"));
    EXPECT_FALSE(u.rightStyle.bold);
    EXPECT_EQ(render::headerFooterText("&99999x", f).centreStyle.size, 409) << "sizes are bounded";
}

TEST(HeaderFooter, FirstPageAndEvenPagesTakeTheirOwnTexts)
{
    PageSetupData setup;
    setup.oddHeader = "odd";
    setup.evenHeader = "even";
    setup.firstHeader = "first";
    setup.oddFooter = "&P";
    EXPECT_EQ(render::headerFooterCodes(setup, 1).header, "odd") << "one text for all pages without the flags";
    setup.differentOddEven = true;
    EXPECT_EQ(render::headerFooterCodes(setup, 0).header, "odd");
    EXPECT_EQ(render::headerFooterCodes(setup, 1).header, "even");
    EXPECT_EQ(render::headerFooterCodes(setup, 1).footer, "") << "the even pages' footer, empty";
    setup.differentFirst = true;
    EXPECT_EQ(render::headerFooterCodes(setup, 0).header, "first");
    EXPECT_EQ(render::headerFooterCodes(setup, 2).header, "odd");
    // Odd and even follow the page's printed number.
    setup.firstPageNumber = 2;
    EXPECT_EQ(render::pageNumber(setup, 0), 2);
    EXPECT_EQ(render::headerFooterCodes(setup, 1).header, "odd") << "page 3";
    EXPECT_EQ(render::headerFooterCodes(setup, 2).header, "even") << "page 4";
}

// The sheet's first printed page at one pixel a point.
QImage firstPage(const Worksheet& ws)
{
    const SheetPagination p(ws);
    QImage image(int(p.paperPoints().width()), int(p.paperPoints().height()), QImage::Format_RGB32);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    image.fill(Qt::white);
    QPainter painter(&image);
    render::CellPainter cells(ws, p.geometry(), image.logicalDpiY());
    render::paintPage(painter, p, 0, cells);
    painter.end();
    return image;
}

TEST(HeaderFooter, TextsOfTwoLinesGoDownFromTheHeaderMarginAndUpToTheFooterMargin)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    rows(ws, 3);
    ws.data().page.oddHeader = "&L一行目\n二行目";
    ws.data().page.oddFooter = "&R上\n下";
    const QImage image = firstPage(ws);
    // Rows of pixels with ink in a band of the page.
    const auto inkRows = [&](int x1, int x2, int y1, int y2) {
        std::vector<int> rows;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    const double header = ws.data().page.header * 72, footer = ws.data().page.footer * 72;
    const std::vector<int> top = inkRows(0, image.width() / 3, 0, int(ws.data().page.top * 72));
    ASSERT_FALSE(top.empty());
    EXPECT_GE(top.front(), header - 1);
    EXPECT_GT(top.back() - top.front(), 20) << "two lines";
    const std::vector<int> bottom = inkRows(image.width() * 2 / 3, image.width(), image.height() - 80, image.height());
    ASSERT_FALSE(bottom.empty());
    EXPECT_LE(bottom.back(), image.height() - footer + 1) << "the last line ends at the footer margin";
    EXPECT_GT(bottom.back() - bottom.front(), 20) << "two lines";
}

TEST(HeaderFooter, FooterPrintsInTheBottomMargin)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    rows(ws, 3);
    ws.data().page.oddFooter = "&C&P / &N";
    const QImage image = firstPage(ws);
    int lo = INT_MAX, hi = -1;
    for (int y = image.height() - 54; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                lo = std::min(lo, x), hi = std::max(hi, x);
    ASSERT_GE(hi, 0) << "no footer";
    EXPECT_NEAR((lo + hi) / 2.0, image.width() / 2.0, 3);
}

} // namespace
