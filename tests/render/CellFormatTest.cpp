// Workbooks other programs write, as the spreadsheet programs print them: fonts' lines, indent,
// theme, indexed and tinted colours, rotated and stacked text, pictures and shapes at their
// anchors, manual column breaks, row heights without customHeight.
#include "ForeignBookInputs.h"
#include "RenderTestBooks.h"
#include "render/CellPainter.h"
#include "render/Pagination.h"
#include "render/PdfExport.h"
#include "render/WorkbookPages.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::render::test;

namespace {

struct ForeignSheet {
    sheet::Application app;
    sheet::Worksheet* ws;
    explicit ForeignSheet(const char* kind) : ws(&app.Workbooks().Open(foreignBook(kind).toStdString()).Sheets(1)) { }
};

// Rows (points from the range's top) whose longest dark run is at least `length` points,
// grouped into bands of neighbouring rows: one band for each line drawn across the text. The
// lines of text set at the bottom of a cell may reach a little below it.
std::vector<double> lineBands(const SheetImage& img, const char* range, double length)
{
    const QRectF area = img.cells(range).adjusted(1, 1, -1, 2);
    std::vector<double> bands;
    int last = -10;
    for (int y = int(area.top() * img.scale); y < int(area.bottom() * img.scale); ++y) {
        int run = 0, best = 0;
        for (int x = int(area.left() * img.scale); x < int(area.right() * img.scale); ++x) {
            run = qGray(img.image.pixel(x, y)) < 128 ? run + 1 : 0;
            best = std::max(best, run);
        }
        if (best / img.scale < length)
            continue;
        if (y > last + 1)
            bands.push_back(y / img.scale - area.top());
        last = y;
    }
    return bands;
}

TEST(CellFormat, UnderlineDoubleUnderlineAndStrikeThrough)
{
    ForeignSheet book("fonts");
    const SheetImage img(*book.ws, 8, 6);
    const double text = img.ink("B7").width(); // "ＷＷ" plain: the lines span twice that
    ASSERT_GT(text, 10);
    const auto single = lineBands(img, "B2", 1.5 * text);
    const auto twice = lineBands(img, "B3", 1.5 * text);
    const auto strike = lineBands(img, "B4", 1.5 * text);
    ASSERT_EQ(single.size(), 1u) << "single underline";
    ASSERT_EQ(twice.size(), 2u) << "double underline";
    ASSERT_EQ(strike.size(), 1u) << "strike-through";
    const QRectF glyphs = img.ink("B7");
    const double glyphBottom = glyphs.bottom() - img.cells("B7").top() - 1;
    EXPECT_GE(single[0], glyphBottom - 0.5) << "underline runs through the glyphs";
    EXPECT_LT(strike[0], glyphBottom - 2) << "strike-through below the glyphs";
    EXPECT_GT(strike[0], glyphs.top() - img.cells("B7").top()) << "strike-through above the glyphs";
}

TEST(CellFormat, IndentOnTheSideTheTextIsAlignedTo)
{
    ForeignSheet book("fonts");
    const SheetImage img(*book.ws, 8, 6);
    const double left = img.ink("B7").left();
    EXPECT_NEAR(img.ink("B8").left() - left, 2 * 3 * 2.46, 3.0) << "left, two levels";
    EXPECT_NEAR(img.ink("B5").left(), left, 0.5) << "General ignores the indent";
    const QRectF b6 = img.cells("B6");
    EXPECT_NEAR(b6.right() - 1.5 - img.ink("B6").right(), 2 * 3 * 2.46, 3.0) << "right, two levels";
}

TEST(CellFormat, ThemeIndexedAndTintedColoursPaintAsTheyAre)
{
    ForeignSheet book("fonts");
    const SheetImage img(*book.ws, 8, 6);
    EXPECT_EQ(img.centre("D2"), QColor(0x4F, 0x81, 0xBD)) << "theme accent 1";
    EXPECT_EQ(img.centre("D3"), QColor(0xB9, 0xCD, 0xE5)) << "accent 1 lighter 60 %";
    EXPECT_EQ(img.centre("D4"), QColor(Qt::red)) << "indexed 10";
    EXPECT_EQ(img.centre("D5"), QColor(Qt::green)) << "indexed 30 of the workbook's own palette";
    EXPECT_EQ(img.centre("D6"), QColor(0xD9, 0xD9, 0xD9)) << "background 1 darker 15 %";
    EXPECT_EQ(img.centre("D7"), QColor(0xFF, 0xC0, 0x00)) << "rgb with a system background";
    const QRectF f2 = img.cells("F2");
    bool accent2 = false;
    for (double x = f2.left(); x < f2.right(); x += 0.25)
        accent2 |= img.at(QPointF(x, f2.bottom() - 6)) == QColor(0xC0, 0x50, 0x4D);
    EXPECT_TRUE(accent2) << "font in theme accent 2";
    EXPECT_EQ(img.at(QPointF(img.cells("F4").center().x(), img.cells("F4").bottom())), QColor(Qt::blue))
        << "border in indexed 12";
}

TEST(CellFormat, StackedTextOneCharacterUnderTheOther)
{
    ForeignSheet book("rotation");
    const SheetImage img(*book.ws, 12, 8);
    const QRectF box = img.cells("B2:B8");
    const QRectF ink = img.ink("B2:B8");
    EXPECT_LT(ink.width(), 14) << "one character wide";
    EXPECT_GT(ink.height(), 50) << "four characters high";
    EXPECT_NEAR(ink.center().x(), box.center().x(), 2);
    EXPECT_NEAR(ink.center().y(), box.center().y(), 4);
}

TEST(CellFormat, TextTurnedUpwardsDownwardsAndAslant)
{
    ForeignSheet book("rotation");
    const SheetImage img(*book.ws, 12, 8);
    for (const char* range : {"D2:D8", "F2:F8"}) {
        const QRectF ink = img.ink(range);
        EXPECT_LT(ink.width(), 14) << range;
        EXPECT_GT(ink.height(), 35) << range;
        EXPECT_NEAR(ink.center().y(), img.cells(range).center().y(), 3) << range;
    }
    // "■□□□": turned upwards the filled square is at the bottom, downwards at the top.
    auto lowerShare = [&](const char* range) {
        const QRectF ink = img.ink(range);
        const double upper = img.dark(QRectF(ink.topLeft(), QSizeF(ink.width(), ink.height() / 2)));
        const double lower = img.dark(QRectF(QPointF(ink.left(), ink.center().y()), ink.bottomRight()));
        return lower / (upper + lower);
    };
    EXPECT_GT(lowerShare("D2:D8"), 0.6);
    EXPECT_LT(lowerShare("F2:F8"), 0.4);
    const QRectF slant = img.ink("B10:H12");
    EXPECT_GT(slant.width(), 25);
    EXPECT_GT(slant.height(), 25);
    EXPECT_LT(slant.width(), 50);
}

TEST(Drawings, PicturesAndLinesAtTheirAnchors)
{
    ForeignSheet book("pictures");
    const render::SheetDrawings drawings(*book.ws);
    ASSERT_EQ(drawings.objects().size(), 4u);
    const SheetImage img(*book.ws, 30, 10);
    EXPECT_EQ(img.centre("B2:C4"), QColor(Qt::red)) << "two-cell anchor B2:C4";
    EXPECT_EQ(img.centre("D2"), QColor(Qt::white));
    // One-cell anchor: F2 and 10 points in, 60 x 40 points (a JPEG: colours are near).
    const QPointF f2 = img.cells("F2").topLeft();
    const QColor blue = img.at(f2 + QPointF(40, 20));
    EXPECT_LT(blue.red() + blue.green(), 40);
    EXPECT_GT(blue.blue(), 220);
    EXPECT_EQ(img.at(f2 + QPointF(5, 20)), QColor(Qt::white));
    EXPECT_EQ(img.at(f2 + QPointF(40, 45)), QColor(Qt::white));
    // Absolute anchor at (10, 320) points, 100 x 50.
    EXPECT_EQ(img.at(QPointF(60, 345)), QColor(Qt::red));
    EXPECT_EQ(img.at(QPointF(60, 375)), QColor(Qt::white));
    // The 3-point line along the top of row 26, from B to G.
    const QRectF row26 = img.cells("B26:F26");
    EXPECT_LT(qGray(img.at(QPointF(row26.center().x(), row26.top())).rgb()), 80);
    EXPECT_EQ(img.at(QPointF(row26.center().x(), row26.top() + 4)), QColor(Qt::white));
}

TEST(Drawings, PicturesPrintOnTheirPageAndInThePdf)
{
    ForeignSheet book("pictures");
    const render::SheetPagination pages(*book.ws);
    ASSERT_EQ(pages.pages().size(), 1u);
    EXPECT_GE(pages.pages()[0].cells.r2, 26) << "the line's row is printed";
    QImage image(int(pages.paperPoints().width() * 2), int(pages.paperPoints().height() * 2), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    render::CellPainter cells(*book.ws, pages.geometry(), image.logicalDpiY());
    render::paintPage(p, pages, 0, cells);
    p.end();
    const render::SheetGeometry& g = pages.geometry();
    const QPointF onPaper = pages.pages()[0].origin
        + QPointF((g.colLeft(2) + g.colRight(3)) / 2, (g.rowTop(2) + g.rowBottom(4)) / 2) * pages.scale();
    EXPECT_EQ(image.pixelColor((onPaper * 2).toPoint()), QColor(Qt::red));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pictures.pdf"));
    render::exportPdf(book.ws->Parent(), pdf);
    EXPECT_GE(fileBytes(pdf).count("/Subtype /Image"), 2) << "the PNG and the JPEG";
}

TEST(Drawings, AChartIsNotDrawnButKeepsThePagesItPrintsOn)
{
    ForeignSheet book("chart");
    const render::SheetDrawings drawings(*book.ws);
    ASSERT_EQ(drawings.objects().size(), 1u);
    EXPECT_EQ(drawings.objects()[0].kind, render::DrawingObject::Frame);
    // A4 at 100 %: about 10 columns and 50 rows a page; the chart starts at L60.
    const render::SheetPagination pages(*book.ws);
    ASSERT_EQ(pages.pages().size(), 2u) << "the values' page and the chart's (empty pages between are left out)";
    EXPECT_GE(pages.pages().back().cells.c2, 12);
    EXPECT_GE(pages.pages().back().cells.r2, 60);
}

TEST(Drawings, TextOfATextBoxAndAShapeInItsBox)
{
    ForeignSheet book("textboxes");
    const render::SheetDrawings drawings(*book.ws);
    ASSERT_EQ(drawings.objects().size(), 2u);
    const render::DrawingObject& box = drawings.objects()[0];
    EXPECT_EQ(box.kind, render::DrawingObject::Rectangle);
    EXPECT_EQ(box.fill, QColor(Qt::white)) << "light 1 of the theme";
    EXPECT_EQ(box.line.name(), QStringLiteral("#808080")) << "light 1 at 50 %";
    ASSERT_EQ(box.text.paragraphs.size(), 2u);
    EXPECT_EQ(box.text.paragraphs[0].runs[0].text, QStringLiteral("記入例"));
    EXPECT_EQ(box.text.paragraphs[0].runs[0].size, 14);
    EXPECT_TRUE(box.text.paragraphs[0].runs[0].bold);
    EXPECT_EQ(drawings.objects()[1].kind, render::DrawingObject::Frame) << "a callout: its text only";

    const SheetImage img(*book.ws, 10, 12);
    // The text box B2:F6: two centred lines in its middle, the first red.
    const QRectF area = img.cells("B2:F6");
    const QRectF ink = img.ink("B2:F6");
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), area.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), area.center().y(), 3);
    EXPECT_GT(ink.height(), 14 + 8) << "two lines";
    bool red = false;
    for (double x = ink.left(); x < ink.right() && !red; x += 0.25)
        for (double y = ink.top(); y < ink.top() + 10 && !red; y += 0.25)
            red = img.at(QPointF(x, y)).red() > 200 && img.at(QPointF(x, y)).green() < 60;
    EXPECT_TRUE(red);
    // The callout H2:J6: right-aligned at the bottom, inside its insets.
    const QRectF callout = img.cells("H2:J6");
    const QRectF text = img.ink("H2:J6");
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.right(), callout.right() - 7.2, 2);
    EXPECT_NEAR(text.bottom(), callout.bottom() - 3.6, 3);
}

TEST(Drawings, GroupMembersInTheirPlacesWithinTheGroup)
{
    ForeignSheet book("groups");
    const render::SheetDrawings drawings(*book.ws);
    ASSERT_EQ(drawings.objects().size(), 3u) << "rectangle, ellipse, and the line of the inner group";
    const SheetImage img(*book.ws, 10, 12);
    const QRectF box = img.cells("B2:F6");
    const auto at = [&](double fx, double fy) {
        return img.at(QPointF(box.left() + fx * box.width(), box.top() + fy * box.height()));
    };
    EXPECT_EQ(at(0.25, 0.25), QColor(Qt::red)) << "the rectangle on the left half";
    EXPECT_EQ(at(0.75, 0.4), QColor(Qt::blue)) << "the ellipse on the right half";
    EXPECT_EQ(at(0.52, 0.02), QColor(Qt::white)) << "outside the ellipse, near its top-left";
    EXPECT_EQ(at(0.5, 0.75), QColor(Qt::green)) << "the inner group's line at three quarters";
    EXPECT_EQ(at(0.25, 0.6), QColor(Qt::red));
}

// Drawing parts as a careless or hostile writer leaves them: each is read without a crash and
// gives what it can, and paints.
TEST(Drawings, DamagedDrawingPartsAreReadAsFarAsTheyGo)
{
    const std::string anchor = "<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:row>1</xdr:row></xdr:from>"
                               "<xdr:to><xdr:col>3</xdr:col><xdr:row>3</xdr:row></xdr:to>";
    const std::string rect = "<xdr:sp><xdr:spPr><a:xfrm><a:off x=\"nan\" y=\"-1e308\"/><a:ext cx=\"inf\" cy=\"5\"/>"
                             "</a:xfrm><a:prstGeom prst=\"rect\"/></xdr:spPr>"
                             "<xdr:txBody><a:bodyPr lIns=\"-5\" anchor=\"x\"/><a:p><a:r><a:rPr sz=\"99999999\"/>"
                             "<a:t>字</a:t></a:r></a:p></xdr:txBody></xdr:sp>";
    std::string deep;
    for (int i = 0; i < 2000; ++i)
        deep += "<xdr:grpSp><xdr:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"10\" cy=\"10\"/>"
                "<a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"0\" cy=\"0\"/></a:xfrm></xdr:grpSpPr>";
    deep += rect;
    for (int i = 0; i < 2000; ++i)
        deep += "</xdr:grpSp>";
    const std::string head
        = "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
          "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">";
    const struct {
        const char* what;
        std::string xml;
        size_t objects;
    } parts[] = {
        {"cut off inside a shape", head + anchor + rect.substr(0, 120), 0},
        {"odd numbers and sizes", head + anchor + rect + "<xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>", 1},
        {"2,000 groups in groups without child sizes", head + anchor + deep + "</xdr:twoCellAnchor></xdr:wsDr>", 1},
        {"a member far outside its group",
         head + anchor
             + "<xdr:grpSp><xdr:grpSpPr><a:xfrm><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"10\" cy=\"10\"/></a:xfrm>"
               "</xdr:grpSpPr>"
             + rect + "</xdr:grpSp></xdr:twoCellAnchor></xdr:wsDr>",
         1},
        {"a group without its own place",
         head + anchor + "<xdr:grpSp>" + rect + "</xdr:grpSp></xdr:twoCellAnchor></xdr:wsDr>", 1},
        {"a member without an xfrm after one with it",
         head + anchor
             + "<xdr:grpSp><xdr:grpSpPr><a:xfrm><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"10\" cy=\"10\"/></a:xfrm>"
               "</xdr:grpSpPr><xdr:sp><xdr:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"5\" cy=\"5\"/></a:xfrm>"
               "<a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:sp>"
               "<xdr:sp><xdr:spPr><a:prstGeom prst=\"ellipse\"/></xdr:spPr></xdr:sp>"
               "</xdr:grpSp></xdr:twoCellAnchor></xdr:wsDr>",
         2},
        {"text outside any anchor", head + "<xdr:txBody><a:p><a:r><a:t>x</a:t></a:r></a:p></xdr:txBody></xdr:wsDr>", 0},
        {"not XML", std::string("\0\xff<<&", 5), 0},
    };
    for (const auto& part : parts) {
        SCOPED_TRACE(part.what);
        sheet::Application app;
        sheet::Worksheet& ws = app.Workbooks().Add().Sheets(1);
        auto drawing = std::make_shared<sheet::CarriedPart>();
        drawing->data = part.xml;
        ws.data().extras.rels.push_back({"rId1",
                                         "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing",
                                         "", false, drawing});
        const render::SheetDrawings drawings(ws);
        EXPECT_EQ(drawings.objects().size(), part.objects);
        if (part.objects == 2) { // the member without an xfrm takes the whole group, not the last place
            EXPECT_EQ(drawings.objects()[1].within, QRectF(0, 0, 1, 1));
        }
        const SheetImage img(ws, 6, 6);
        EXPECT_FALSE(img.image.isNull());
    }
}

TEST(Pagination, ManualColumnBreakEndsTheColumnBand)
{
    ForeignSheet book("colbreaks");
    const render::SheetPagination pages(*book.ws);
    ASSERT_EQ(pages.pages().size(), 2u);
    EXPECT_EQ(pages.pages()[0].cells.c2, 3);
    EXPECT_EQ(pages.pages()[1].cells.c1, 4);
}

TEST(Pagination, RowHeightsTheSpreadsheetFittedCount)
{
    ForeignSheet book("heights");
    const render::SheetPagination pages(*book.ws);
    EXPECT_DOUBLE_EQ(pages.geometry().rowTop(3), 80);
    EXPECT_EQ(pages.pages().size(), 3u) << "40 rows of 40 points on A4";
}

TEST(Pagination, RowsWithoutAHeightTakeTheSheetsDefault)
{
    ForeignSheet book("heights");
    const sheet::Worksheet& plain = book.ws->Parent().Sheets("default");
    const render::SheetPagination pages(plain);
    EXPECT_DOUBLE_EQ(pages.geometry().rowTop(3), 30);
    EXPECT_EQ(pages.pages().size(), 3u) << "100 rows of 15 points on A4, as LibreOffice prints them";
}

} // namespace

namespace {

// The machinery checklist's "過巻き防止装置" (ＭＳ Ｐ明朝 9, shrink to fit) lacks 1 % of its box:
// it shrinks by that much, not to the next whole point, also where a device pixel is a point
// (the PDF's fonts are sized so).
TEST(CellFormat, TurnedAndStackedTextShrinksToFitItsBox)
{
    ForeignSheet book("rotation");
    const SheetImage img(*book.ws, 12, 10);
    for (const char* box : {"H2:H4", "J2:J4"}) {
        SCOPED_TRACE(box);
        const QRectF area = img.cells(box);
        const QRectF ink = img.ink(box);
        ASSERT_FALSE(ink.isEmpty());
        // Seven characters of 11 points need 77 points; the box is 45 high.
        // Cut, the text would fill the box at full size; shrunk, its characters are smaller
        // and it still takes most of the box's height.
        EXPECT_LT(ink.width(), 9) << "the characters smaller than 11 points";
        EXPECT_GT(ink.height(), area.height() * 0.6) << "shrunk no more than the box needs";
    }
}

TEST(CellFormat, ShrinkToFitShrinksNoMoreThanTheBoxNeeds)
{
    sheet::Application app;
    sheet::Worksheet& ws = app.Workbooks().Add().Sheets(1);
    ws.Range("B2:I2").setMergeCells(true);
    ws.Range("B2").setValue(QStringLiteral("過巻き防止装置"));
    ws.Range("B2").Font().setName(QStringLiteral("ＭＳ Ｐ明朝"));
    ws.Range("B2").Font().setSize(9);
    ws.Range("B2").setShrinkToFit(true);
    ws.Range("A1:J1").setColumnWidth(0.7);
    const render::SheetGeometry geo(ws.data(), 3, 10, 6.1);
    const double box = geo.colRight(9) - geo.colLeft(2);
    ASSERT_GT(box, 0);
    // Columns chosen so that the text (63 points) needs 1 to 8 % less.
    const double need = 7 * 9 / (box - 3);
    ASSERT_GT(need, 1.0);
    ASSERT_LT(need, 1.08) << box;
    constexpr double k = 8;
    QImage image(int(geo.width() * k), int(geo.height() * k), QImage::Format_RGB32);
    image.setDotsPerMeterX(2835); // 72 dpi: one device pixel a point
    image.setDotsPerMeterY(2835);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(k, k);
    render::CellPainter cells(ws, geo, 72);
    cells.paint(p, sheet::Rect{1, 1, 3, 10});
    p.end();
    int lo = INT_MAX, hi = -1;
    for (int y = int(geo.rowTop(2) * k); y < int(geo.rowBottom(2) * k); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                lo = std::min(lo, x), hi = std::max(hi, x);
    ASSERT_GE(hi, 0);
    EXPECT_GT((hi - lo) / k, (box - 3) * 0.96) << "shrunk more than the box needs";
    EXPECT_LE(hi / k, geo.colRight(9)) << "not shrunk enough";
}

} // namespace

namespace {

// The vehicle notice's "持込会社名　　　　　　　(　　　1　次　）" (centred, wrapped, 7 points, in
// a box narrower than its spaces), as LibreOffice sets it: the first line keeps the spaces that
// fit (centred with them, it keeps its first character), the others begin the second line,
// which then breaks after "1".
TEST(CellFormat, SpacesAtALineBreakSplitBetweenTheLines)
{
    sheet::Application app;
    sheet::Worksheet& ws = app.Workbooks().Add().Sheets(1);
    ws.Range("B2:E3").setMergeCells(true);
    ws.Range("B2").setValue(QStringLiteral("持込会社名　　　　　　　(　　　1　次　）"));
    ws.Range("B2").Font().setName(QStringLiteral("ＭＳ Ｐ明朝"));
    ws.Range("B2").Font().setSize(7);
    ws.Range("B2").setWrapText(true);
    ws.Range("B2").setHorizontalAlignment(sheet::hAlignCenter);
    ws.Range("B2").setVerticalAlignment(sheet::vAlignTop);
    ws.Range("A1:F1").setColumnWidth(2);
    ws.Range("A1:A4").setRowHeight(20);
    const SheetImage img(ws, 4, 6);
    const QRectF box = img.cells("B2:E3");
    const double line = 7 * 1.448; // the substitute's line spacing
    auto inkOf = [&](int k) {
        int x1 = INT_MAX, x2 = -1;
        for (int y = int((box.top() + k * line + 1) * img.scale); y < int((box.top() + (k + 1) * line - 1) * img.scale);
             ++y)
            for (int x = int(box.left() * img.scale); x < int(box.right() * img.scale); ++x)
                if (qGray(img.image.pixel(x, y)) < 128)
                    x1 = std::min(x1, x), x2 = std::max(x2, x);
        return std::pair<double, double>(x1 / img.scale, x2 / img.scale);
    };
    const auto [a1, b1] = inkOf(0);
    ASSERT_GE(b1, 0);
    EXPECT_NEAR(b1 - a1, 5 * 7, 2.5) << "all five characters of 持込会社名";
    EXPECT_LT((a1 + b1) / 2, box.center().x() - 5) << "the spaces that fit are part of the centred line";
    EXPECT_GE(inkOf(2).second, 0) << "次　） on a third line";
}

} // namespace
