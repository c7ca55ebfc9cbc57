#include "Pagination.h"

#include "FontTable.h"
#include "Workbook.h"

#include <algorithm>
#include <cmath>

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
    for (const auto &[c1, c2] : columns)
        for (const auto &[r1, r2] : rows) {
            const sheet::Rect cells{r1, c1, r2, c2};
            if (!hasContent(cells))
                continue;
            QPointF origin(page.left * 72, page.top * 72);
            if (page.centerHorizontally)
                origin.rx() += (printable.width() - (m_geo.colRight(c2) - m_geo.colLeft(c1)) * m_scale) / 2;
            if (page.centerVertically)
                origin.ry() += (printable.height() - (m_geo.rowBottom(r2) - m_geo.rowTop(r1)) * m_scale) / 2;
            m_pages.push_back(PageArea{cells, origin});
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

bool SheetPagination::hasContent(const sheet::Rect &area) const
{
    const sheet::SheetData &data = m_sheet.data();
    const sheet::StyleTable &styles = m_sheet.Parent().tables().styles;
    for (const sheet::Rect &m : data.merges)
        if (m.intersects(area))
            return true;
    for (int r = area.r1; r <= area.r2; ++r) {
        const sheet::Row *row = data.findRow(r);
        if (!row)
            continue;
        for (const sheet::Cell &cell : row->cells)
            if (cell.col >= area.c1 && cell.col <= area.c2
                && (cell.str != sheet::kNoString || styleIsVisible(styles, cell.style)))
                return true;
    }
    return false;
}

} // namespace mirevo::render
