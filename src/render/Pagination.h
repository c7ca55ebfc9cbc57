#pragma once
// How a worksheet falls onto printed pages: paper and orientation from its page set-up,
// the print scale (zoom or fit to pages), the column and row bands that make the pages
// (automatic breaks plus the manual row breaks), in the order down, then over.
#include "CellRef.h"
#include "SheetGeometry.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace mirevo::sheet {
class Worksheet;
struct PageSetupData;
}

namespace mirevo::render {

// Paper of a page set-up paper code (9 A4, 8 A3, 12 JIS B4, ...); A4 when not set or unknown.
QPageSize paperOf(int paperCode);

struct PageArea {
    sheet::Rect cells;
    QPointF origin; // top-left corner of the cells on the paper, in points
};

class SheetPagination {
public:
    explicit SheetPagination(const sheet::Worksheet &sheet);

    const sheet::Worksheet &sheet() const { return m_sheet; }
    const SheetGeometry &geometry() const { return m_geo; }
    // Paper, orientation and no margins: the pages carry the sheet's margins themselves.
    QPageLayout layout() const { return m_layout; }
    QSizeF paperPoints() const { return m_layout.fullRect(QPageLayout::Millimeter).size() * (72 / 25.4); }
    double scale() const { return m_scale; }
    const std::vector<PageArea> &pages() const { return m_pages; }

private:
    double fitScale(const sheet::PageSetupData &page, QSizeF printable) const;
    std::vector<std::pair<int, int>> bands(bool columns, double available, const std::vector<int> &manual) const;
    std::vector<std::pair<int, int>> bandsWithContent(const std::vector<std::pair<int, int>> &columns,
                                                      const std::vector<std::pair<int, int>> &rows) const;

    const sheet::Worksheet &m_sheet;
    sheet::CellPos m_extent;
    SheetGeometry m_geo;
    QPageLayout m_layout;
    double m_scale = 1;
    std::vector<PageArea> m_pages;
};

} // namespace mirevo::render
