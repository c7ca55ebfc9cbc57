#include "WorkbookPages.h"

#include "CellPainter.h"
#include "HeaderFooter.h"
#include "spreadsheet/SheetError.h"
#include "spreadsheet/Workbook.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace mirevo::render {

WorkbookPages::WorkbookPages(const sheet::Workbook& book, const std::vector<int>& sheets)
{
    std::vector<int> order = sheets;
    if (order.empty())
        for (int i = 0; i < int(book.sheets().size()); ++i)
            if (book.sheets()[size_t(i)]->Visible() == sheet::xlSheetVisible) // hidden sheets are not printed
                order.push_back(i);
    for (int index : order) {
        if (index < 0 || index >= int(book.sheets().size()))
            throw sheet::SheetError("シート番号が範囲外です: " + std::to_string(index + 1));
        sheets_.push_back(std::make_unique<SheetPagination>(*book.sheets()[size_t(index)]));
        const SheetPagination* p = sheets_.back().get();
        for (int k = 0; k < int(p->pages().size()); ++k)
            refs_.push_back(PageRef{p, k});
    }
}

WorkbookPages::~WorkbookPages() = default;

namespace {

// Paints the cells of `cells` with their top-left corner at `at` (sheet points from the page's
// block origin), clipped to them.
void paintBlock(QPainter& painter, const SheetGeometry& geo, const sheet::Rect& cells, QPointF at,
                CellPainter& cellPainter, const SheetDrawings* drawings = nullptr)
{
    const QRectF block(QPointF(geo.colLeft(cells.c1), geo.rowTop(cells.r1)),
                       QPointF(geo.colRight(cells.c2), geo.rowBottom(cells.r2)));
    painter.save();
    painter.translate(at - block.topLeft());
    // Room for the widest border drawn on the block's outer edges.
    painter.setClipRect(block.adjusted(-2, -2, 2, 2), Qt::IntersectClip);
    cellPainter.paint(painter, cells);
    if (drawings) {
        // Pictures and shapes are cut at the cells' own edges, without the borders' room.
        painter.setClipRect(block, Qt::IntersectClip);
        drawings->paint(painter, geo, block);
    }
    painter.restore();
}

} // namespace

void paintPage(QPainter& painter, const SheetPagination& sheet, int page, CellPainter& cells)
{
    const PageArea& area = sheet.pages()[size_t(page)];
    const SheetGeometry& geo = sheet.geometry();
    painter.save();
    painter.translate(area.origin);
    painter.scale(sheet.scale(), sheet.scale());
    const double dx = area.titleCols.first > 0 ? sheet.titleWidth() : 0;
    const double dy = area.titleRows.first > 0 ? sheet.titleHeight() : 0;
    const sheet::Rect& c = area.cells;
    const auto [tr1, tr2] = area.titleRows;
    const auto [tc1, tc2] = area.titleCols;
    if (dx > 0 && dy > 0)
        paintBlock(painter, geo, sheet::Rect{tr1, tc1, tr2, tc2}, QPointF(0, 0), cells);
    if (dy > 0)
        paintBlock(painter, geo, sheet::Rect{tr1, c.c1, tr2, c.c2}, QPointF(dx, 0), cells);
    if (dx > 0)
        paintBlock(painter, geo, sheet::Rect{c.r1, tc1, c.r2, tc2}, QPointF(0, dy), cells);
    paintBlock(painter, geo, c, QPointF(dx, dy), cells, &sheet.drawings());
    painter.restore();
    paintHeaderFooter(painter, sheet, page, QDateTime::currentDateTime());
}

int printPages(QPagedPaintDevice& device, const WorkbookPages& pages, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, pages.pageCount() - 1);
    if (first > last)
        throw sheet::SheetError("印刷するページがありません");
    device.setPageLayout(pages.page(first).sheet->layout());
    QPainter painter;
    if (!painter.begin(&device))
        throw sheet::SheetError("印刷を始められません");
    const SheetPagination* current = nullptr;
    std::unique_ptr<CellPainter> cells;
    for (int i = first; i <= last; ++i) {
        const WorkbookPages::PageRef ref = pages.page(i);
        if (i > first) {
            device.setPageLayout(ref.sheet->layout());
            device.newPage();
        }
        if (ref.sheet != current) {
            current = ref.sheet;
            cells = std::make_unique<CellPainter>(current->sheet(), current->geometry(), device.logicalDpiY());
        }
        const double dpi = device.logicalDpiX();
        painter.resetTransform();
        // Device coordinates start at the paintable area; the page is painted from the paper's corner.
        const QRectF paint = device.pageLayout().paintRectPixels(int(dpi));
        painter.translate(-paint.topLeft());
        painter.scale(dpi / 72.0, device.logicalDpiY() / 72.0);
        paintPage(painter, *ref.sheet, ref.page, *cells);
    }
    painter.end();
    return last - first + 1;
}

} // namespace mirevo::render
