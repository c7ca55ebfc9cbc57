#include "SheetGeometry.h"

#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/SheetData.h"
#include "spreadsheet/StyleTable.h"

#include <algorithm>
#include <cmath>

namespace mirevo::render {

double columnPoints(double fileWidth, double digitPoints)
{
    return sheet::columnWidthPoints(fileWidth, digitPoints);
}

double defaultColumnPoints(double digitPoints)
{
    return 8 * digitPoints + 5 * 0.75;
}

SheetGeometry::SheetGeometry(const sheet::SheetData& data, int rows, int cols, double digitPoints)
{
    rowY_.resize(size_t(rows) + 1);
    rowY_[0] = 0;
    // Rows without a height of their own take the sheet's default (openpyxl writes 15 points,
    // the height of its Calibri), as both spreadsheet programs read it.
    const double standard = data.format.defaultRowHeight > 0 ? data.format.defaultRowHeight : kDefaultRowPoints;
    for (int r = 1; r <= rows; ++r) {
        const sheet::Row* row = data.findRow(r);
        double h = standard;
        if (row && row->hidden)
            h = 0;
        else if (row && (row->customHeight || row->fittedHeight))
            h = row->height;
        rowY_[size_t(r)] = rowY_[size_t(r - 1)] + h;
    }
    colX_.resize(size_t(cols) + 1);
    colX_[0] = 0;
    for (int c = 1; c <= cols; ++c) {
        double w = defaultColumnPoints(digitPoints);
        if (c <= int(data.cols.size()) && data.cols[size_t(c - 1)].custom) {
            const sheet::ColInfo& info = data.cols[size_t(c - 1)];
            w = info.hidden ? 0 : columnPoints(info.width, digitPoints);
        }
        colX_[size_t(c)] = colX_[size_t(c - 1)] + w;
    }
}

namespace {
int indexAt(const std::vector<double>& edges, double v)
{
    auto it = std::upper_bound(edges.begin(), edges.end(), v);
    const int i = int(it - edges.begin());
    return std::clamp(i, 1, std::max(1, int(edges.size()) - 1));
}
} // namespace

int SheetGeometry::rowAt(double y) const
{
    return indexAt(rowY_, y);
}
int SheetGeometry::colAt(double x) const
{
    return indexAt(colX_, x);
}

bool styleIsVisible(const sheet::StyleTable& styles, uint32_t xf)
{
    const sheet::Xf& f = styles.xf(xf);
    if (styles.fill(f.fill).pattern != sheet::Pattern::None)
        return true;
    const sheet::Border& b = styles.border(f.border);
    for (sheet::Line line : b.edge)
        if (line != sheet::Line::None)
            return true;
    return false;
}

bool mergeShows(const sheet::SheetData& data, const sheet::StyleTable& styles, const sheet::Rect& merge)
{
    const sheet::Cell* first = data.findCell(merge.r1, merge.c1);
    return first && (first->str != sheet::kNoString || styleIsVisible(styles, first->style));
}

sheet::CellPos usedExtent(const sheet::SheetData& data, const sheet::StyleTable& styles)
{
    sheet::CellPos end{0, 0};
    std::vector<char> visible(styles.xfCount(), -1);
    data.rows.forEach([&](int r, const sheet::Row& row) {
        for (const sheet::Cell& cell : row.cells) {
            char& v = visible[cell.style];
            if (v < 0)
                v = styleIsVisible(styles, cell.style) ? 1 : 0;
            if (cell.str == sheet::kNoString && !v)
                continue;
            end.row = std::max(end.row, r);
            end.col = std::max(end.col, int(cell.col));
        }
    });
    for (const sheet::Rect& m : data.merges) {
        if (!mergeShows(data, styles, m))
            continue;
        end.row = std::max(end.row, m.r2);
        end.col = std::max(end.col, m.c2);
    }
    return end;
}

} // namespace mirevo::render
