#include "SheetView.h"

#include "render/CellPainter.h"
#include "render/FontTable.h"
#include "render/Pagination.h"
#include "render/SheetGeometry.h"
#include "render/WorkbookPages.h"
#include "spreadsheet/Workbook.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace mirevo::render {

namespace {
constexpr int kPageGap = 16;   // pixels between pages and around them in the page view
constexpr int kSpareRows = 30; // blank rows and columns shown beyond the used cells
constexpr int kSpareColumns = 10;
} // namespace

SheetView::SheetView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("SheetView"));
    viewport()->setAutoFillBackground(false);
}

SheetView::~SheetView() = default;

void SheetView::setSheet(const sheet::Worksheet* sheet)
{
    cellPainter_.reset();
    pagePainter_.reset();
    geometry_.reset();
    pages_.reset();
    sheet_ = sheet;
    if (sheet) {
        pages_ = std::make_unique<SheetPagination>(*sheet);
        const sheet::CellPos used = usedExtent(sheet->data(), sheet->Parent().tables().styles);
        geometry_ = std::make_unique<SheetGeometry>(sheet->data(), std::max(used.row + kSpareRows, 100),
                                                    std::max(used.col + kSpareColumns, 26),
                                                    digitPoints(sheet->Parent().tables().styles));
        cellPainter_ = std::make_unique<CellPainter>(*sheet, *geometry_, logicalDpiY());
        cellPainter_->setGridlines(true);
        pagePainter_ = std::make_unique<CellPainter>(*sheet, pages_->geometry(), logicalDpiY());
    }
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

void SheetView::setZoom(int percent)
{
    percent = std::clamp(percent, 10, 400);
    if (percent == zoom_)
        return;
    const double ratio = double(percent) / zoom_;
    zoom_ = percent;
    const int x = horizontalScrollBar()->value(), y = verticalScrollBar()->value();
    updateScrollBars();
    horizontalScrollBar()->setValue(int(x * ratio));
    verticalScrollBar()->setValue(int(y * ratio));
    viewport()->update();
}

void SheetView::setPageView(bool on)
{
    pageView_ = on;
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

int SheetView::pageCount() const
{
    return pages_ ? int(pages_->pages().size()) : 0;
}

double SheetView::pixelsPerPoint() const
{
    return zoom_ / 100.0 * logicalDpiX() / 72.0;
}

QPoint SheetView::pageOrigin(int index) const
{
    const QSizeF paper = pages_->paperPoints() * pixelsPerPoint();
    const int x = std::max(kPageGap, (viewport()->width() - int(paper.width())) / 2);
    return QPoint(x, kPageGap + index * (int(paper.height()) + kPageGap));
}

QSize SheetView::contentSize() const
{
    if (!sheet_)
        return QSize(0, 0);
    const double k = pixelsPerPoint();
    if (pageView_) {
        const QSizeF paper = pages_->paperPoints() * k;
        return QSize(int(paper.width()) + 2 * kPageGap, kPageGap + pageCount() * (int(paper.height()) + kPageGap));
    }
    return QSize(int(geometry_->width() * k) + 1, int(geometry_->height() * k) + 1);
}

void SheetView::updateScrollBars()
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void SheetView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (!sheet_) {
        painter.fillRect(viewport()->rect(), palette().window());
        return;
    }
    if (pageView_)
        paintPages(painter);
    else
        paintCells(painter);
}

void SheetView::paintCells(QPainter& painter)
{
    painter.fillRect(viewport()->rect(), Qt::white);
    const double k = pixelsPerPoint();
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRectF visible = QRectF(scroll, QSizeF(viewport()->size())).adjusted(0, 0, 1, 1);
    const sheet::Rect area{geometry_->rowAt(visible.top() / k), geometry_->colAt(visible.left() / k),
                           geometry_->rowAt(visible.bottom() / k), geometry_->colAt(visible.right() / k)};
    painter.translate(-scroll);
    painter.scale(k, k);
    cellPainter_->paint(painter, area);
    pages_->drawings().paint(painter, *geometry_,
                             visible.isEmpty() ? QRectF() : QRectF(visible.topLeft() / k, visible.size() / k));
    paintPageBreaks(painter);
}

// Dashed lines along the edges of the printed pages' cell blocks.
void SheetView::paintPageBreaks(QPainter& painter)
{
    QPen pen(QColor(0, 0, 200), 0, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const SheetGeometry& pg = pages_->geometry();
    for (const PageArea& page : pages_->pages()) {
        const QRectF block(QPointF(pg.colLeft(page.cells.c1), pg.rowTop(page.cells.r1)),
                           QPointF(pg.colRight(page.cells.c2), pg.rowBottom(page.cells.r2)));
        painter.drawRect(block);
    }
}

void SheetView::paintPages(QPainter& painter)
{
    painter.fillRect(viewport()->rect(), QColor(128, 128, 128));
    const double k = pixelsPerPoint();
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QSizeF paper = pages_->paperPoints() * k;
    for (int i = 0; i < pageCount(); ++i) {
        const QRect rect(pageOrigin(i) - scroll, paper.toSize());
        if (!rect.intersects(viewport()->rect()))
            continue;
        painter.fillRect(rect.translated(3, 3), QColor(64, 64, 64));
        painter.fillRect(rect, Qt::white);
        painter.save();
        painter.setClipRect(rect);
        painter.translate(rect.topLeft());
        painter.scale(k, k);
        paintPage(painter, *pages_, i, *pagePainter_);
        painter.restore();
    }
}

} // namespace mirevo::render
