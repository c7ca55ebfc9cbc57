#include "Pagination.h"

#include "FontTable.h"
#include "Workbook.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace mirevo::render {

QPageSize paperOf(int paperCode)
{
    switch (paperCode) {
    case 1: case 2: return QPageSize(QPageSize::Letter);
    case 3: return QPageSize(QPageSize::Tabloid);
    case 4: return QPageSize(QPageSize::Ledger);
    case 5: return QPageSize(QPageSize::Legal);
    case 7: return QPageSize(QPageSize::Executive);
    case 8: return QPageSize(QPageSize::A3);
    case 11: return QPageSize(QPageSize::A5);
    case 12: return QPageSize(QPageSize::JisB4);
    case 13: return QPageSize(QPageSize::JisB5);
    case 66: return QPageSize(QPageSize::A2);
    default: return QPageSize(QPageSize::A4);
    }
}

SheetPagination::SheetPagination(const sheet::Worksheet &sheet)
    : m_sheet(sheet),
      m_extent(usedExtent(sheet.data(), sheet.Parent().tables().styles)),
      m_geo(sheet.data(), m_extent.row, m_extent.col, digitPoints(sheet.Parent().tables().styles))
{
    const sheet::PageSetupData &page = sheet.data().page;
    const auto orientation = page.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_layout = QPageLayout(paperOf(page.paperSize), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (m_extent.row == 0)
        return;
    const QSizeF paper = paperPoints();
    const QSizeF printable(std::max(1.0, paper.width() - (page.left + page.right) * 72),
                           std::max(1.0, paper.height() - (page.top + page.bottom) * 72));
    m_scale = page.fitToPage ? fitScale(page, printable)
                             : std::clamp(page.scale > 0 ? page.scale : 100, 10, 400) / 100.0;
    const std::vector<int> noBreaks;
    const auto columns = bands(true, printable.width() / m_scale, noBreaks);
    const auto rows = bands(false, printable.height() / m_scale, page.fitToPage ? noBreaks : sheet.data().rowBreaks);
    for (const auto &[ci, ri] : bandsWithContent(columns, rows)) {
        const auto [c1, c2] = columns[size_t(ci)];
        const auto [r1, r2] = rows[size_t(ri)];
        QPointF origin(page.left * 72, page.top * 72);
        if (page.centerHorizontally)
            origin.rx() += (printable.width() - (m_geo.colRight(c2) - m_geo.colLeft(c1)) * m_scale) / 2;
        if (page.centerVertically)
            origin.ry() += (printable.height() - (m_geo.rowBottom(r2) - m_geo.rowTop(r1)) * m_scale) / 2;
        m_pages.push_back(PageArea{sheet::Rect{r1, c1, r2, c2}, origin});
    }
}

double SheetPagination::fitScale(const sheet::PageSetupData &page, QSizeF printable) const
{
    double s = 1;
    if (page.fitToWidth > 0 && m_geo.width() > 0)
        s = std::min(s, printable.width() * page.fitToWidth / m_geo.width());
    if (page.fitToHeight > 0 && m_geo.height() > 0)
        s = std::min(s, printable.height() * page.fitToHeight / m_geo.height());
    // Whole percents, as the page set-up stores them.
    return std::max(0.1, std::floor(s * 100 + 1e-9) / 100);
}

std::vector<std::pair<int, int>> SheetPagination::bands(bool columns, double available,
                                                        const std::vector<int> &manual) const
{
    std::vector<std::pair<int, int>> out;
    const int count = columns ? m_extent.col : m_extent.row;
    auto size = [&](int i) {
        return columns ? m_geo.colRight(i) - m_geo.colLeft(i) : m_geo.rowBottom(i) - m_geo.rowTop(i);
    };
    int first = 1;
    double used = 0;
    auto breakAt = manual.begin();
    for (int i = 1; i <= count; ++i) {
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
int bandOf(const std::vector<std::pair<int, int>> &bands, int i)
{
    auto it = std::upper_bound(bands.begin(), bands.end(), i, [](int v, const auto &b) { return v < b.first; });
    return int(it - bands.begin()) - 1;
}
} // namespace

// The (column band, row band) pairs that hold something to print, in page order (down, then
// over). Found from the cells that carry something, so the cost follows the cells, not the
// number of pages the sheet's extent would make.
std::vector<std::pair<int, int>> SheetPagination::bandsWithContent(const std::vector<std::pair<int, int>> &columns,
                                                                   const std::vector<std::pair<int, int>> &rows) const
{
    std::set<std::pair<int, int>> found;
    auto mark = [&](const sheet::Rect &area) {
        const int ci1 = bandOf(columns, area.c1), ci2 = bandOf(columns, std::min(area.c2, m_extent.col));
        const int ri1 = bandOf(rows, area.r1), ri2 = bandOf(rows, std::min(area.r2, m_extent.row));
        for (int ci = std::max(0, ci1); ci <= ci2; ++ci)
            for (int ri = std::max(0, ri1); ri <= ri2; ++ri)
                found.emplace(ci, ri);
    };
    const sheet::SheetData &data = m_sheet.data();
    const sheet::StyleTable &styles = m_sheet.Parent().tables().styles;
    for (const sheet::Rect &m : data.merges)
        if (mergeShows(data, styles, m))
            mark(m);
    data.rows.forEach([&](int r, const sheet::Row &row) {
        int lastBand = -1;
        for (const sheet::Cell &cell : row.cells) {
            if (cell.str == sheet::kNoString && !styleIsVisible(styles, cell.style))
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
