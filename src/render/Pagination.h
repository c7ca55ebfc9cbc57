#pragma once
// How a worksheet falls onto printed pages: paper and orientation from its page set-up,
// the print scale (zoom or fit to pages), the column and row bands that make the pages
// (automatic breaks plus the manual row breaks) of each print area (the used cells when there
// is none), in the order down, then over; the print titles repeated on every page.
#include "CellRef.h"
#include "Drawings.h"
#include "PrintNames.h"
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
    std::pair<int, int> titleRows{0, 0}; // print titles drawn above the cells; 0: none
    std::pair<int, int> titleCols{0, 0}; // and at their left
};

class SheetPagination {
public:
    explicit SheetPagination(const sheet::Worksheet &sheet);

    const sheet::Worksheet &sheet() const { return m_sheet; }
    const SheetGeometry &geometry() const { return m_geo; }
    const SheetDrawings &drawings() const { return m_drawings; }
    // Paper, orientation and no margins: the pages carry the sheet's margins themselves.
    QPageLayout layout() const { return m_layout; }
    QSizeF paperPoints() const { return m_layout.fullRect(QPageLayout::Millimeter).size() * (72 / 25.4); }
    double scale() const { return m_scale; }
    const std::vector<PageArea> &pages() const { return m_pages; }

    // Points the print titles take above and at the left of a page that shows them.
    double titleHeight() const;
    double titleWidth() const;

private:
    void paginate(const sheet::Rect &area);
    QSizeF blockSize(const PageArea &page) const;
    double fitScale(const sheet::PageSetupData &page, QSizeF printable, QSizeF size) const;
    std::vector<std::pair<int, int>> bands(bool columns, int from, int to, double available,
                                           const std::vector<int> &manual) const;
    std::vector<std::pair<int, int>> bandsWithContent(const sheet::Rect &printArea,
                                                      const std::vector<std::pair<int, int>> &columns,
                                                      const std::vector<std::pair<int, int>> &rows) const;

    const sheet::Worksheet &m_sheet;
    std::vector<sheet::Rect> m_areas;
    PrintTitles m_titles;
    SheetDrawings m_drawings;
    sheet::CellPos m_extent;
    SheetGeometry m_geo;
    QPageLayout m_layout;
    double m_scale = 1;
    std::vector<PageArea> m_pages;
};

} // namespace mirevo::render
