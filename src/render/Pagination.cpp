#include "Pagination.h"

#include "FontTable.h"
#include "PrintNames.h"
#include "spreadsheet/Workbook.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace mirevo::render {

QPageSize paperOf(int paperCode)
{
    switch (paperCode) {
    case 1:
    case 2:
        return QPageSize(QPageSize::Letter);
    case 3:
        return QPageSize(QPageSize::Tabloid);
    case 4:
        return QPageSize(QPageSize::Ledger);
    case 5:
        return QPageSize(QPageSize::Legal);
    case 7:
        return QPageSize(QPageSize::Executive);
    case 8:
        return QPageSize(QPageSize::A3);
    case 11:
        return QPageSize(QPageSize::A5);
    case 12:
        return QPageSize(QPageSize::JisB4);
    case 13:
        return QPageSize(QPageSize::JisB5);
    case 66:
        return QPageSize(QPageSize::A2);
    default:
        return QPageSize(QPageSize::A4);
    }
}

namespace {

// A print area of whole rows or columns ends where the sheet's content ends.
sheet::Rect clampedArea(sheet::Rect area, sheet::CellPos used)
{
    if (area.r2 == sheet::kMaxRows)
        area.r2 = std::max(area.r1, used.row);
    if (area.c2 == sheet::kMaxCols)
        area.c2 = std::max(area.c1, used.col);
    return area;
}

// The used cells and the cells pictures and shapes are anchored in (an absolute anchor, placed
// by the sheet's geometry, does not widen it).
sheet::CellPos usedWithDrawings(const sheet::Worksheet& sheet, const SheetDrawings& drawings)
{
    sheet::CellPos used = usedExtent(sheet.data(), sheet.Parent().tables().styles);
    for (const DrawingObject& o : drawings.objects()) {
        const AnchorPoint& end = o.twoCell && o.to.col >= 0 ? o.to : o.from;
        if (end.col < 0)
            continue;
        used.row = std::clamp(end.row + 1, used.row, sheet::kMaxRows);
        used.col = std::clamp(end.col + 1, used.col, sheet::kMaxCols);
    }
    return used;
}

// How far the printed cells reach: the used cells, or the print areas, and the print titles.
sheet::CellPos printedExtent(const sheet::Worksheet& sheet, const SheetDrawings& drawings,
                             const std::vector<sheet::Rect>& areas, const PrintTitles& titles)
{
    const sheet::CellPos used = usedWithDrawings(sheet, drawings);
    if (areas.empty())
        return used.row == 0 ? used : sheet::CellPos{std::max(used.row, titles.r2), std::max(used.col, titles.c2)};
    sheet::CellPos end{titles.r2, titles.c2};
    for (const sheet::Rect& a : areas) {
        const sheet::Rect r = clampedArea(a, used);
        end.row = std::max(end.row, r.r2);
        end.col = std::max(end.col, r.c2);
    }
    return end;
}

} // namespace

SheetPagination::SheetPagination(const sheet::Worksheet& sheet)
    : sheet_(sheet), areas_(printAreas(sheet)), titles_(printTitles(sheet)), drawings_(sheet),
      extent_(printedExtent(sheet, drawings_, areas_, titles_)),
      geo_(sheet.data(), extent_.row, extent_.col, digitPoints(sheet.Parent().tables().styles))
{
    const sheet::PageSetupData& page = sheet.data().page;
    const auto orientation = page.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    layout_ = QPageLayout(paperOf(page.paperSize), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (extent_.row == 0)
        return;
    const sheet::CellPos used = usedWithDrawings(sheet, drawings_);
    if (areas_.empty())
        areas_.push_back(sheet::Rect{1, 1, extent_.row, extent_.col});
    for (sheet::Rect& a : areas_)
        a = clampedArea(a, used);
    // Titles take their room on every page (on the first they are its own first rows).
    if (titles_.r1 > 0 && titles_.r2 > extent_.row)
        titles_.r1 = titles_.r2 = 0;
    if (titles_.c1 > 0 && titles_.c2 > extent_.col)
        titles_.c1 = titles_.c2 = 0;
    for (const sheet::Rect& area : areas_)
        paginate(area);
}

double SheetPagination::titleHeight() const
{
    return titles_.r1 > 0 ? geo_.rowBottom(titles_.r2) - geo_.rowTop(titles_.r1) : 0;
}

double SheetPagination::titleWidth() const
{
    return titles_.c1 > 0 ? geo_.colRight(titles_.c2) - geo_.colLeft(titles_.c1) : 0;
}

void SheetPagination::paginate(const sheet::Rect& area)
{
    const sheet::PageSetupData& page = sheet_.data().page;
    const QSizeF paper = paperPoints();
    const QSizeF printable(std::max(1.0, paper.width() - (page.left + page.right) * 72),
                           std::max(1.0, paper.height() - (page.top + page.bottom) * 72));
    const QSizeF size(geo_.colRight(area.c2) - geo_.colLeft(area.c1), geo_.rowBottom(area.r2) - geo_.rowTop(area.r1));
    scale_ = page.fitToPage ? fitScale(page, printable, size)
                            : std::clamp(page.scale > 0 ? page.scale : 100, 10, 400) / 100.0;
    const std::vector<int> noBreaks;
    const auto columns = bands(true, area.c1, area.c2, printable.width() / scale_ - titleWidth(),
                               page.fitToPage ? noBreaks : sheet_.data().colBreaks);
    const auto rows = bands(false, area.r1, area.r2, printable.height() / scale_ - titleHeight(),
                            page.fitToPage ? noBreaks : sheet_.data().rowBreaks);
    for (const auto& [ci, ri] : bandsWithContent(area, columns, rows)) {
        const auto [c1, c2] = columns[size_t(ci)];
        const auto [r1, r2] = rows[size_t(ri)];
        PageArea out{sheet::Rect{r1, c1, r2, c2}, QPointF(page.left * 72, page.top * 72)};
        if (titles_.r1 > 0 && r1 > titles_.r2)
            out.titleRows = {titles_.r1, titles_.r2};
        if (titles_.c1 > 0 && c1 > titles_.c2)
            out.titleCols = {titles_.c1, titles_.c2};
        const QSizeF block = blockSize(out);
        if (page.centerHorizontally)
            out.origin.rx() += (printable.width() - block.width() * scale_) / 2;
        if (page.centerVertically)
            out.origin.ry() += (printable.height() - block.height() * scale_) / 2;
        pages_.push_back(out);
    }
}

QSizeF SheetPagination::blockSize(const PageArea& p) const
{
    double w = geo_.colRight(p.cells.c2) - geo_.colLeft(p.cells.c1);
    double h = geo_.rowBottom(p.cells.r2) - geo_.rowTop(p.cells.r1);
    if (p.titleRows.first > 0)
        h += titleHeight();
    if (p.titleCols.first > 0)
        w += titleWidth();
    return {w, h};
}

double SheetPagination::fitScale(const sheet::PageSetupData& page, QSizeF printable, QSizeF size) const
{
    double s = 1;
    if (page.fitToWidth > 0 && size.width() > 0)
        s = std::min(s, printable.width() * page.fitToWidth / size.width());
    if (page.fitToHeight > 0 && size.height() > 0)
        s = std::min(s, printable.height() * page.fitToHeight / size.height());
    // Whole percents, as the page set-up stores them.
    return std::max(0.1, std::floor(s * 100 + 1e-9) / 100);
}

std::vector<std::pair<int, int>> SheetPagination::bands(bool columns, int from, int count, double available,
                                                        const std::vector<int>& manual) const
{
    std::vector<std::pair<int, int>> out;
    auto size
        = [&](int i) { return columns ? geo_.colRight(i) - geo_.colLeft(i) : geo_.rowBottom(i) - geo_.rowTop(i); };
    int first = from;
    double used = 0;
    auto breakAt = manual.begin();
    for (int i = from; i <= count; ++i) {
        if (used > 0 && used + size(i) > available + 1e-6) {
            out.emplace_back(first, i - 1);
            first = i;
            used = 0;
        }
        used += size(i);
        while (breakAt != manual.end() && *breakAt < i)
            ++breakAt;
        if (breakAt != manual.end() && *breakAt == i && i < count) {
            out.emplace_back(first, i);
            first = i + 1;
            used = 0;
        }
    }
    if (first <= count)
        out.emplace_back(first, count);
    return out;
}

namespace {
// The band holding position i (bands are ascending and cover 1..count).
int bandOf(const std::vector<std::pair<int, int>>& bands, int i)
{
    auto it = std::upper_bound(bands.begin(), bands.end(), i, [](int v, const auto& b) { return v < b.first; });
    return int(it - bands.begin()) - 1;
}
} // namespace

// The (column band, row band) pairs that hold something to print, in page order (down, then
// over). Found from the cells that carry something, so the cost follows the cells, not the
// number of pages the sheet's extent would make.
std::vector<std::pair<int, int>> SheetPagination::bandsWithContent(const sheet::Rect& printArea,
                                                                   const std::vector<std::pair<int, int>>& columns,
                                                                   const std::vector<std::pair<int, int>>& rows) const
{
    std::set<std::pair<int, int>> found;
    auto mark = [&](const sheet::Rect& area) {
        if (!area.intersects(printArea))
            return;
        const int ci1 = bandOf(columns, std::max(area.c1, printArea.c1)),
                  ci2 = bandOf(columns, std::min(area.c2, printArea.c2));
        const int ri1 = bandOf(rows, std::max(area.r1, printArea.r1)),
                  ri2 = bandOf(rows, std::min(area.r2, printArea.r2));
        for (int ci = std::max(0, ci1); ci <= ci2; ++ci)
            for (int ri = std::max(0, ri1); ri <= ri2; ++ri)
                found.emplace(ci, ri);
    };
    const sheet::SheetData& data = sheet_.data();
    const sheet::StyleTable& styles = sheet_.Parent().tables().styles;
    for (const sheet::Rect& m : data.merges)
        if (mergeShows(data, styles, m))
            mark(m);
    for (const DrawingObject& o : drawings_.objects())
        mark(drawings_.cells(o, geo_));
    data.rows.forEach([&](int r, const sheet::Row& row) {
        if (r < printArea.r1 || r > printArea.r2)
            return;
        int lastBand = -1;
        for (const sheet::Cell& cell : row.cells) {
            if (cell.col < printArea.c1 || cell.col > printArea.c2
                || (cell.str == sheet::kNoString && !styleIsVisible(styles, cell.style)))
                continue;
            const int ci = bandOf(columns, cell.col);
            if (ci != lastBand && ci >= 0)
                found.emplace(ci, bandOf(rows, r));
            lastBand = ci;
        }
    });
    return {found.begin(), found.end()};
}

} // namespace mirevo::render
