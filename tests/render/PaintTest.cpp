// What the cell painter puts on an image: fills, borders by style, text placement.
#include "render/CellPainter.h"
#include "render/WorkbookPages.h"
#include "spreadsheet/Spreadsheet.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using namespace mirevo;
using namespace mirevo::sheet;

namespace {

constexpr double kScale = 4; // image pixels per point

// A sheet of 6 rows by 6 columns of 30 points by 40 points (53.33 characters would be odd;
// the widths are chosen through the file unit directly).
struct Canvas {
    Application app;
    Worksheet* ws = &app.Workbooks().Add().Sheets(1);
    QImage image;

    Canvas() { ws->Range("A1:F6").setRowHeight(30); }
    QImage& paint()
    {
        const render::SheetGeometry geo(ws->data(), 6, 6);
        image = QImage(int(geo.width() * kScale), int(geo.height() * kScale), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(kScale, kScale);
        render::CellPainter cells(*ws, geo, image.logicalDpiY());
        cells.paint(p, Rect{1, 1, 6, 6});
        p.end();
        geometry = std::make_unique<render::SheetGeometry>(ws->data(), 6, 6);
        return image;
    }
    // Pixel at a point position.
    QColor at(double x, double y) const { return image.pixelColor(int(x * kScale), int(y * kScale)); }
    // Horizontal extent, in points, of the non-white pixels inside a cell block.
    std::pair<double, double> inkColumns(const Rect& cells) const
    {
        const int x1 = int(geometry->colLeft(cells.c1) * kScale) + 3,
                  x2 = int(geometry->colRight(cells.c2) * kScale) - 3;
        const int y1 = int(geometry->rowTop(cells.r1) * kScale) + 3,
                  y2 = int(geometry->rowBottom(cells.r2) * kScale) - 3;
        int lo = INT_MAX, hi = -1;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    lo = std::min(lo, x);
                    hi = std::max(hi, x);
                }
        return {lo / kScale, hi / kScale};
    }
    // Dark runs crossing a horizontal edge at row boundary y, sampled downwards at x.
    std::vector<int> runsAcross(double x, double y) const
    {
        std::vector<int> runs;
        bool inRun = false;
        for (int py = int((y - 6) * kScale); py < int((y + 6) * kScale); ++py) {
            const bool dark = qGray(image.pixel(int(x * kScale), py)) < 128;
            if (dark && !inRun)
                runs.push_back(0);
            if (dark)
                ++runs.back();
            inRun = dark;
        }
        return runs;
    }
    std::unique_ptr<render::SheetGeometry> geometry;
};

struct EdgeCase {
    const char* name;
    int lineStyle;
    int weight;
    int runs;     // dark runs across the edge
    int minWidth; // pixels of the widest run
    int maxWidth;
    bool gapsAlong; // a dashed or dotted line has light pixels along it
};

class BorderStyles : public ::testing::TestWithParam<EdgeCase> { };

TEST_P(BorderStyles, DrawnWithTheirWeightAndPattern)
{
    Canvas canvas;
    const EdgeCase& e = GetParam();
    canvas.ws->Range("B2:D2").Borders(borderBottom).setLineStyle(e.lineStyle);
    canvas.ws->Range("B2:D2").Borders(borderBottom).setWeight(e.weight);
    canvas.paint();
    const double y = canvas.geometry->rowBottom(2);
    const auto runs = canvas.runsAcross(canvas.geometry->colLeft(3) + 10, y);
    bool anyGap = false;
    for (double x = canvas.geometry->colLeft(3); x < canvas.geometry->colRight(3); x += 0.25)
        anyGap |= qGray(canvas.at(x, y).rgb()) > 200 && (e.runs == 1);
    if (e.runs == 1 && !e.gapsAlong) {
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_GE(runs[0], e.minWidth);
        EXPECT_LE(runs[0], e.maxWidth);
    }
    if (e.runs == 2) {
        EXPECT_EQ(runs.size(), 2u);
    }
    EXPECT_EQ(anyGap, e.gapsAlong);
}

INSTANTIATE_TEST_SUITE_P(Styles, BorderStyles,
                         ::testing::Values(EdgeCase{"Hairline", 1, xlHairline, 1, 1, 2, false},
                                           EdgeCase{"Thin", 1, xlThin, 1, 2, 4, false},
                                           EdgeCase{"Medium", 1, xlMedium, 1, 5, 7, false},
                                           EdgeCase{"Thick", 1, xlThick, 1, 8, 10, false},
                                           EdgeCase{"Double", -4119, xlThick, 2, 1, 3, false},
                                           EdgeCase{"Dashed", -4115, xlThin, 1, 2, 4, true},
                                           EdgeCase{"Dotted", -4118, xlThin, 1, 2, 4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CellPaint, SolidFillCoversTheCellOnly)
{
    Canvas canvas;
    canvas.ws->Range("B2").Interior().setColor(255); // red
    canvas.paint();
    const auto& g = *canvas.geometry;
    EXPECT_EQ(canvas.at((g.colLeft(2) + g.colRight(2)) / 2, 45), QColor(Qt::red));
    EXPECT_EQ(canvas.at((g.colLeft(3) + g.colRight(3)) / 2, 45), QColor(Qt::white));
}

TEST(CellPaint, MergedBorderHasNoInnerEdgeAndMergedTextIsCentred)
{
    Canvas canvas;
    for (int i = 1; i <= 4; ++i)
        canvas.ws->Range("B2:D2").Borders(i).setWeight(xlThick);
    canvas.ws->Range("B2:D2").setMergeCells(true);
    canvas.ws->Range("B2").setValue("WW");
    canvas.ws->Range("B2").setHorizontalAlignment(hAlignCenter);
    canvas.paint();
    const auto& g = *canvas.geometry;
    EXPECT_EQ(canvas.at(g.colLeft(3), 40), QColor(Qt::white)) << "inner edge drawn";
    EXPECT_LT(qGray(canvas.at(g.colLeft(2), 40).rgb()), 100) << "outer edge missing";
    const auto [lo, hi] = canvas.inkColumns(Rect{2, 2, 2, 4});
    EXPECT_NEAR((lo + hi) / 2, (g.colLeft(2) + g.colRight(4)) / 2, 2.0);
}

struct AlignCase {
    const char* name;
    std::function<void(Worksheet&)> setUp;
    // Check on the ink's extent [lo, hi] (points) against the geometry.
    std::function<void(const render::SheetGeometry&, double lo, double hi)> check;
    Rect inkArea{2, 1, 2, 6};
};

class Alignments : public ::testing::TestWithParam<AlignCase> { };

TEST_P(Alignments, PlaceTheTextWhereTheCellSays)
{
    Canvas canvas;
    GetParam().setUp(*canvas.ws);
    canvas.paint();
    const auto [lo, hi] = canvas.inkColumns(GetParam().inkArea);
    ASSERT_GE(hi, 0) << "nothing drawn";
    GetParam().check(*canvas.geometry, lo, hi);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Alignments,
    ::testing::Values(AlignCase{"LeftByDefault", [](Worksheet& ws) { ws.Range("C2").setValue("ab"); },
                                [](const auto& g, double lo, double) { EXPECT_NEAR(lo, g.colLeft(3) + 1.5, 1.5); }},
                      AlignCase{"Right",
                                [](Worksheet& ws) {
                                    ws.Range("C2").setValue("ab");
                                    ws.Range("C2").setHorizontalAlignment(hAlignRight);
                                },
                                [](const auto& g, double, double hi) { EXPECT_NEAR(hi, g.colRight(3) - 1.5, 1.5); }},
                      AlignCase{"OverflowsIntoEmptyNeighbours",
                                [](Worksheet& ws) { ws.Range("B2").setValue("ABCDEFGHIJKLMNOPQRSTUVWXYZ"); },
                                [](const auto& g, double, double hi) { EXPECT_GT(hi, g.colRight(3)); }},
                      AlignCase{"ClippedByAFilledNeighbour",
                                [](Worksheet& ws) {
                                    ws.Range("B2").setValue("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
                                    ws.Range("C2").setValue(" ");
                                },
                                [](const auto& g, double, double hi) { EXPECT_LE(hi, g.colRight(2) + 0.5); },
                                Rect{2, 1, 2, 2}},
                      AlignCase{"ShrinkToFitStaysInside",
                                [](Worksheet& ws) {
                                    ws.Range("B2").setValue("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
                                    ws.Range("B2").setShrinkToFit(true);
                                },
                                [](const auto& g, double lo, double hi) {
                                    EXPECT_GE(lo, g.colLeft(2));
                                    EXPECT_LE(hi, g.colRight(2));
                                    EXPECT_GT(hi - lo, (g.colRight(2) - g.colLeft(2)) * 0.7);
                                }},
                      AlignCase{"CentreAcrossSelection",
                                [](Worksheet& ws) {
                                    ws.Range("B2").setValue("W");
                                    ws.Range("B2:D2").setHorizontalAlignment(hAlignCenterAcross);
                                },
                                [](const auto& g, double lo, double hi) {
                                    EXPECT_NEAR((lo + hi) / 2, (g.colLeft(2) + g.colRight(4)) / 2, 2.0);
                                }},
                      AlignCase{"DistributedSpreadsToBothEdges",
                                [](Worksheet& ws) {
                                    ws.Range("B2").setValue("WWW");
                                    ws.Range("B2").setHorizontalAlignment(hAlignDistributed);
                                },
                                [](const auto& g, double lo, double hi) {
                                    EXPECT_NEAR(lo, g.colLeft(2) + 1.5, 1.5);
                                    EXPECT_NEAR(hi, g.colRight(2) - 1.5, 1.5);
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellPaint, WrappedTextTakesSeveralLinesInsideTheCell)
{
    Canvas canvas;
    canvas.ws->Range("B2").setValue("あいうえおかきくけこさしすせそ");
    canvas.ws->Range("B2").setWrapText(true);
    canvas.paint();
    const auto [lo, hi] = canvas.inkColumns(Rect{2, 1, 2, 6});
    const auto& g = *canvas.geometry;
    EXPECT_GE(lo, g.colLeft(2));
    EXPECT_LE(hi, g.colRight(2));
    int inkRows = 0;
    for (int y = int(g.rowTop(2) * kScale); y < int(g.rowBottom(2) * kScale); ++y)
        for (int x = int(g.colLeft(2) * kScale); x < int(g.colRight(2) * kScale); ++x)
            if (qGray(canvas.image.pixel(x, y)) < 128) {
                ++inkRows;
                break;
            }
    EXPECT_GT(inkRows / kScale, 15.0) << "one line only";
}

// Ink extent, in points, of the dark pixels of one band of a cell's rows (fractions of its height).
std::pair<double, double> inkInBand(const Canvas& canvas, int r, int c, double from, double to)
{
    const auto& g = *canvas.geometry;
    const double top = g.rowTop(r) + from * (g.rowBottom(r) - g.rowTop(r));
    const double bottom = g.rowTop(r) + to * (g.rowBottom(r) - g.rowTop(r));
    int lo = INT_MAX, hi = -1;
    for (int y = int(top * kScale); y < int(bottom * kScale); ++y)
        for (int x = int(g.colLeft(c) * kScale); x < int(g.colRight(c + 1) * kScale); ++x)
            if (qGray(canvas.image.pixel(x, y)) < 128)
                lo = std::min(lo, x), hi = std::max(hi, x);
    return {lo / kScale, hi / kScale};
}

TEST(CellPaint, JustifiedLinesReachBothSidesButAParagraphsLast)
{
    Canvas canvas;
    canvas.ws->Range("A2").setRowHeight(60);
    for (const char* cell : {"B2", "D2"}) {
        canvas.ws->Range(cell).setValue("あいうえおかきくけこ"); // lines of 4, 4 and 2
        canvas.ws->Range(cell).setWrapText(true);
        canvas.ws->Range(cell).setVerticalAlignment(vAlignTop);
    }
    canvas.ws->Range("B2").setHorizontalAlignment(hAlignJustify);
    canvas.ws->Range("D2").setHorizontalAlignment(hAlignLeft);
    canvas.paint();
    const auto& g = *canvas.geometry;
    const double shift = g.colLeft(4) - g.colLeft(2); // D2 lies this far right of B2
    const auto [justLeft, justRight] = inkInBand(canvas, 2, 2, 0.02, 0.25);
    const auto [leftLeft, leftRight] = inkInBand(canvas, 2, 4, 0.02, 0.25);
    EXPECT_NEAR(justLeft, leftLeft - shift, 0.5) << "both begin at the left";
    EXPECT_GT(justRight, leftRight - shift + 2) << "the justified line reaches the right side";
    EXPECT_LE(justRight, g.colRight(2));
    // The last line (of three lines of about 16 points) stays at the left with its spacing.
    const auto [lastLeft, lastRight] = inkInBand(canvas, 2, 2, 0.56, 0.78);
    const auto [plainLeft, plainRight] = inkInBand(canvas, 2, 4, 0.56, 0.78);
    EXPECT_NEAR(lastRight, plainRight - shift, 0.5);
}

TEST(CellPaint, FillRepeatsTheTextAcrossItsCellOnly)
{
    Canvas canvas;
    canvas.ws->Range("B2").setValue("ab");
    canvas.ws->Range("B2").setHorizontalAlignment(hAlignFill);
    canvas.paint();
    const auto& g = *canvas.geometry;
    const auto [lo, hi] = inkInBand(canvas, 2, 2, 0.0, 1.0);
    EXPECT_LT(lo, g.colLeft(2) + 4);
    EXPECT_GT(hi, g.colRight(2) - 14) << "repeated to the right side";
    EXPECT_LE(hi, g.colRight(2)) << "nothing runs into the empty neighbour";
}

TEST(CellPaint, FontColourAndDiagonal)
{
    Canvas canvas;
    canvas.ws->Range("B2").setValue("■■");
    canvas.ws->Range("B2").Font().setColor(255);
    canvas.ws->Range("D4").Borders(borderDiagonalDown).setWeight(xlThick);
    canvas.paint();
    const auto& g = *canvas.geometry;
    bool red = false;
    for (double x = g.colLeft(2); x < g.colRight(2); x += 0.5)
        red |= canvas.at(x, (g.rowTop(2) + g.rowBottom(2)) / 2 + 5) == QColor(Qt::red);
    EXPECT_TRUE(red);
    EXPECT_LT(qGray(canvas.at((g.colLeft(4) + g.colRight(4)) / 2, (g.rowTop(4) + g.rowBottom(4)) / 2).rgb()), 100);
}

} // namespace

namespace {

// A page ends at its manual break: the text of the next page's first row, set in a font taller
// than that row, reaches up into this page's last rows but is not drawn there.
TEST(PagePaint, NothingBelowAManualBreakShowsOnThePageBefore)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    ws.Range("A1").setValue("top");
    ws.Range("A1:D10").setRowHeight(12);
    ws.Range("A6").setValue(QStringLiteral("全建統一様式第５号"));
    ws.Range("A6:D6").setMergeCells(true);
    ws.Range("A6").Font().setSize(28);
    ws.Range("A6").setVerticalAlignment(vAlignCenter);
    ws.HPageBreaks().Add(ws.Range("A6"));
    const render::SheetPagination pages(ws);
    ASSERT_EQ(pages.pages().size(), 2u);
    QImage image(int(pages.paperPoints().width() * 2), int(pages.paperPoints().height() * 2), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    render::CellPainter cells(ws, pages.geometry(), image.logicalDpiY());
    render::paintPage(p, pages, 0, cells);
    p.end();
    const double top = pages.pages()[0].origin.y() + pages.geometry().rowTop(2) * pages.scale();
    const double bottom = pages.pages()[0].origin.y() + pages.geometry().rowBottom(5) * pages.scale();
    int ink = 0;
    for (int y = int(top * 2); y < int(bottom * 2) + 8; ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    EXPECT_EQ(ink, 0) << "row 6 drawn on page 1";
}

} // namespace

namespace {

// The crane checklist's notes ("1.\t持込機械の届出は…"): a tab moves to the next stop and the
// note stays on the line of its number.
TEST(CellPaint, TabMovesToTheNextStopAndDoesNotBreakTheLine)
{
    Canvas canvas;
    canvas.ws->Range("A2:F2").setMergeCells(true);
    canvas.ws->Range("A2").setValue(QStringLiteral("1.\t持込機械の届出"));
    canvas.ws->Range("A2").setWrapText(true);
    canvas.ws->Range("A2").setVerticalAlignment(vAlignTop);
    canvas.ws->Range("A2").Font().setSize(8);
    canvas.paint();
    const auto& g = *canvas.geometry;
    int top = INT_MAX, bottom = -1;
    for (int y = int(g.rowTop(2) * kScale); y < int(g.rowBottom(2) * kScale); ++y)
        for (int x = 0; x < int(g.colRight(6) * kScale); ++x)
            if (qGray(canvas.image.pixel(x, y)) < 128)
                top = std::min(top, y), bottom = std::max(bottom, y);
    ASSERT_GE(bottom, 0);
    EXPECT_LT((bottom - top) / kScale, 10.0) << "the note went onto a second line";

    const QFont font(QStringLiteral("Noto Sans CJK JP"), 10);
    const QFontMetricsF metrics(font);
    const QString expanded = render::expandTabs(QStringLiteral("1.\tA\n22.\tB"), metrics);
    EXPECT_FALSE(expanded.contains(u'\t'));
    const QStringList lines = expanded.split(u'\n');
    const double em = metrics.horizontalAdvance(u'\u3000');
    EXPECT_NEAR(metrics.horizontalAdvance(lines[0].left(lines[0].size() - 1)), 2 * em, metrics.horizontalAdvance(u' '));
    EXPECT_NEAR(metrics.horizontalAdvance(lines[1].left(lines[1].size() - 1)), 2 * em, metrics.horizontalAdvance(u' '));
}

} // namespace
