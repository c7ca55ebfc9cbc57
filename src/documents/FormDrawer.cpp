#include "FormDrawer.h"

#include "common/Error.h"
#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/Spreadsheet.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

// Splits "M C 10" into its codes.
template <typename F> void forEachCode(std::string_view codes, F&& f)
{
    size_t i = 0;
    while (i < codes.size()) {
        while (i < codes.size() && codes[i] == ' ')
            ++i;
        size_t j = i;
        while (j < codes.size() && codes[j] != ' ')
            ++j;
        if (j > i)
            f(codes.substr(i, j - i));
        i = j;
    }
}

CellRange shifted(Worksheet& ws, std::string_view cells, int rowOffset)
{
    Rect r = parseRect(cells);
    r.r1 += rowOffset;
    r.r2 += rowOffset;
    return ws.Range(rectName(r));
}

// A font size code: a whole or decimal number of points.
double fontSize(std::string_view code, std::string_view cells)
{
    bool ok = false;
    const double points = QString::fromUtf8(code.data(), qsizetype(code.size())).toDouble(&ok);
    if (!ok || points <= 0)
        throw Error(QStringLiteral("様式の表の %1 に知らない書式コード「%2」があります")
                        .arg(QString::fromUtf8(cells.data(), qsizetype(cells.size())),
                             QString::fromUtf8(code.data(), qsizetype(code.size()))));
    return points;
}

void applyCode(const CellRange& range, std::string_view code, std::string_view cells)
{
    if (code == "M")
        range.setMergeCells(true), range.setVerticalAlignment(vAlignCenter);
    else if (code == "C")
        range.setHorizontalAlignment(hAlignCenter);
    else if (code == "L")
        range.setHorizontalAlignment(hAlignLeft);
    else if (code == "R")
        range.setHorizontalAlignment(hAlignRight);
    else if (code == "T")
        range.setVerticalAlignment(vAlignTop);
    else if (code == "S")
        range.setShrinkToFit(true);
    else if (code == "W")
        range.Cells().setWrapText(true);
    else if (code == "B")
        range.Font().setBold(true);
    else if (code == "red")
        range.Font().setColor(255);
    else if (code == "blue")
        range.Font().setColor(16711680);
    else
        range.Font().setSize(fontSize(code, cells));
}

void setEdge(const CellRange& range, int edge, int weight)
{
    BorderRef border = range.Borders(edge);
    border.setLineStyle(xlContinuous);
    border.setWeight(weight);
}

// The four outer edges of a rectangle, each drawn on its own row or column.
void outline(Worksheet& ws, const Rect& r, int weight)
{
    setEdge(ws.Range(rectName({r.r1, r.c1, r.r1, r.c2})), borderTop, weight);
    setEdge(ws.Range(rectName({r.r2, r.c1, r.r2, r.c2})), borderBottom, weight);
    setEdge(ws.Range(rectName({r.r1, r.c1, r.r2, r.c1})), borderLeft, weight);
    setEdge(ws.Range(rectName({r.r1, r.c2, r.r2, r.c2})), borderRight, weight);
}

int lineWeight(std::string_view codes)
{
    int weight = xlThin;
    forEachCode(codes, [&](std::string_view c) {
        if (c == "H")
            weight = xlHairline;
        else if (c == "K")
            weight = xlMedium;
    });
    return weight;
}

// The spreadsheet's standard font has an 8-pixel digit; other programs
// substitute a font whose digit is up to 9.6 pixels wide, and the page must
// fit in both.
constexpr double kWidestDigitPoints = 9.6 * 0.75;

double pointsOfWidth(double chars)
{
    return chars <= 0 ? 0 : columnWidthPoints(fileColumnWidth(chars), kWidestDigitPoints);
}

} // namespace

void drawBox(Worksheet& ws, const Box& box, int rowOffset)
{
    const CellRange range = shifted(ws, box.cells, rowOffset);
    forEachCode(box.codes, [&](std::string_view c) { applyCode(range, c, box.cells); });
    if (!box.text.empty()) {
        const Rect& a = range.area();
        ws.Cells(a.r1, a.c1).setValue(box.text);
    }
}

void drawBoxes(Worksheet& ws, std::span<const Box> boxes, int rowOffset)
{
    for (const Box& box : boxes)
        drawBox(ws, box, rowOffset);
}

void drawLine(Worksheet& ws, const Line& line, int rowOffset)
{
    const CellRange range = shifted(ws, line.cells, rowOffset);
    const int weight = lineWeight(line.codes);
    forEachCode(line.codes, [&](std::string_view c) {
        if (c == "L")
            setEdge(range, borderLeft, weight);
        else if (c == "R")
            setEdge(range, borderRight, weight);
        else if (c == "T")
            setEdge(range, borderTop, weight);
        else if (c == "B")
            setEdge(range, borderBottom, weight);
        else if (c == "D")
            setEdge(range, borderDiagonalDown, weight);
        else if (c == "O")
            outline(ws, range.area(), weight);
        else if (c == "G")
            for (int edge : {borderLeft, borderRight, borderTop, borderBottom})
                setEdge(range, edge, weight);
    });
}

void drawLines(Worksheet& ws, std::span<const Line> lines, int rowOffset)
{
    for (const Line& line : lines)
        drawLine(ws, line, rowOffset);
}

int fittingZoom(Worksheet& ws, std::string_view page, Paper paper)
{
    const Rect r = parseRect(page);
    double width = 0, height = 0;
    for (int c = r.c1; c <= r.c2; ++c)
        width += pointsOfWidth(ws.Columns(c).ColumnWidth());
    for (int row = r.r1; row <= r.r2; ++row)
        height += ws.Cells(row, 1).RowHeight();
    // A4 is 595 x 842 points; A3 landscape 1191 x 842. A little room is kept
    // for the difference between spreadsheet programs' column widths.
    const double paperWidth = paper == Paper::A4Portrait ? 595 : 1191;
    const double scale = std::min(paperWidth / width, 842.0 / height) * 0.98;
    return std::clamp(int(std::floor(scale * 100)), 10, 100);
}

void preparePage(Worksheet& ws, const PageFormat& format)
{
    const CellRange area = ws.Range(format.fontArea);
    area.Font().setName(kFormFont);
    if (format.fontSize > 0)
        area.Font().setSize(format.fontSize);
    for (const Size& h : format.heights)
        ws.Range(h.range).setRowHeight(h.value);
    for (const Size& w : format.widths)
        ws.Range(w.range).setColumnWidth(w.value);
    PageSetupRef setup = ws.PageSetup();
    setup.setTopMargin(0);
    setup.setBottomMargin(0);
    setup.setLeftMargin(0);
    setup.setRightMargin(0);
    setup.setZoom(fittingZoom(ws, format.page, format.paper));
    setup.setPaperSize(format.paper == Paper::A4Portrait ? 9 : 8);
    setup.setOrientation(format.paper == Paper::A4Portrait ? 1 : 2);
}

void repeatPageBlock(Worksheet& ws, int first, int height, int extraPages)
{
    if (extraPages < 1)
        return;
    const std::string top = "A" + std::to_string(first);
    const std::string bottom = "A" + std::to_string(first + height - 1);
    ws.Range(top, bottom).EntireRow().Copy();
    for (int i = 1; i <= extraPages; ++i) {
        const std::string at = "A" + std::to_string(first + height * i);
        ws.HPageBreaks().Add(ws.Range(at));
        ws.Range(at).EntireRow().PasteSpecial();
    }
    ws.HPageBreaks().Add(ws.Range("A" + std::to_string(first + height * (extraPages + 1))));
}

} // namespace mirevo::documents
