#pragma once
// How a worksheet falls onto printed pages: paper and orientation from its page set-up,
// the print scale (zoom or fit to pages), the column and row bands that make the pages
// (automatic breaks plus the manual row breaks) of each print area (the used cells when there
// is none), in the order down, then over; the print titles repeated on every page.
#include "Drawings.h"
#include "PrintNames.h"
#include "SheetGeometry.h"
#include "spreadsheet/CellRef.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace mirevo::sheet {
class Worksheet;
struct PageSetupData;
} // namespace mirevo::sheet

namespace mirevo::render {

// Paper of a page set-up paper code (9 A4, 8 A3, 12 JIS B4, ...); A4 when not set or unknown.
QPageSize paperOf(int paperCode);

struct PageArea {
    sheet::Rect cells;
    QPointF origin;                      // top-left corner of the cells on the paper, in points
    std::pair<int, int> titleRows{0, 0}; // print titles drawn above the cells; 0: none
    std::pair<int, int> titleCols{0, 0}; // and at their left
};

class SheetPagination {
public:
    explicit SheetPagination(const sheet::Worksheet& sheet);

    const sheet::Worksheet& sheet() const { return sheet_; }
    const SheetGeometry& geometry() const { return geo_; }
    const SheetDrawings& drawings() const { return drawings_; }
    // Paper, orientation and no margins: the pages carry the sheet's margins themselves.
    QPageLayout layout() const { return layout_; }
    QSizeF paperPoints() const { return layout_.fullRect(QPageLayout::Millimeter).size() * (72 / 25.4); }
    double scale() const { return scale_; }
    const std::vector<PageArea>& pages() const { return pages_; }

    // Points the print titles take above and at the left of a page that shows them.
    double titleHeight() const;
    double titleWidth() const;

private:
    void paginate(const sheet::Rect& area);
    QSizeF blockSize(const PageArea& page) const;
    double fitScale(const sheet::PageSetupData& page, QSizeF printable, QSizeF size) const;
    std::vector<std::pair<int, int>> bands(bool columns, int from, int to, double available,
                                           const std::vector<int>& manual) const;
    std::vector<std::pair<int, int>> bandsWithContent(const sheet::Rect& printArea,
                                                      const std::vector<std::pair<int, int>>& columns,
                                                      const std::vector<std::pair<int, int>>& rows) const;

    const sheet::Worksheet& sheet_;
    std::vector<sheet::Rect> areas_;
    PrintTitles titles_;
    SheetDrawings drawings_;
    sheet::CellPos extent_;
    SheetGeometry geo_;
    QPageLayout layout_;
    double scale_ = 1;
    std::vector<PageArea> pages_;
};

} // namespace mirevo::render
