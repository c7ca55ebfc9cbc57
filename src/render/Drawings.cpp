#include "Drawings.h"

#include "DrawingReader.h"
#include "FontTable.h"
#include "SheetGeometry.h"
#include "spreadsheet/Workbook.h"

#include <QPainter>

#include <algorithm>

namespace mirevo::render {

namespace {

// Left or top of 0-based column or row `index` plus `offset`, within the geometry.
double along(const SheetGeometry& geo, bool columns, int index, double offset)
{
    const int count = columns ? geo.colCount() : geo.rowCount();
    if (count == 0)
        return offset;
    const int i = std::clamp(index + 1, 1, count + 1);
    const double start
        = i > count ? (columns ? geo.width() : geo.height()) : (columns ? geo.colLeft(i) : geo.rowTop(i));
    const double size = i > count ? 0 : (columns ? geo.colRight(i) - geo.colLeft(i) : geo.rowBottom(i) - geo.rowTop(i));
    // An offset past its cell (a row hidden since) stays in the cell, as the spreadsheet shows it.
    return start + std::min(offset, std::max(size, 0.0));
}

} // namespace

SheetDrawings::SheetDrawings(const sheet::Worksheet& sheet)
{
    const sheet::StyleTable& styles = sheet.Parent().tables().styles;
    family_ = installedFamily(QString::fromStdString(styles.fontNameText(styles.font(0).name)));
    objects_ = readDrawings(sheet.data().extras);
}

QRectF SheetDrawings::rect(const DrawingObject& o, const SheetGeometry& geo) const
{
    const QRectF anchor = anchorRect(o, geo);
    const QRectF& w = o.within;
    return QRectF(anchor.left() + w.left() * anchor.width(), anchor.top() + w.top() * anchor.height(),
                  w.width() * anchor.width(), w.height() * anchor.height());
}

QRectF SheetDrawings::anchorRect(const DrawingObject& o, const SheetGeometry& geo) const
{
    QPointF from(o.from.dx, o.from.dy);
    if (o.from.col >= 0)
        from = QPointF(along(geo, true, o.from.col, o.from.dx), along(geo, false, o.from.row, o.from.dy));
    if (!o.twoCell || o.to.col < 0)
        return QRectF(from, o.size);
    return QRectF(from, QPointF(along(geo, true, o.to.col, o.to.dx), along(geo, false, o.to.row, o.to.dy)))
        .normalized();
}

sheet::Rect SheetDrawings::cells(const DrawingObject& o, const SheetGeometry& geo) const
{
    if (o.twoCell && o.from.col >= 0 && o.to.col >= 0)
        return sheet::Rect{o.from.row + 1, o.from.col + 1, std::max(o.from.row, o.to.row) + 1,
                           std::max(o.from.col, o.to.col) + 1};
    const QRectF r = rect(o, geo);
    return sheet::Rect{geo.rowAt(r.top()), geo.colAt(r.left()), geo.rowAt(r.bottom()), geo.colAt(r.right())};
}

void SheetDrawings::paint(QPainter& painter, const SheetGeometry& geo, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const DrawingObject& o : objects_) {
        const QRectF r = rect(o, geo);
        if (!area.isNull() && !r.adjusted(-o.lineWidth, -o.lineWidth, o.lineWidth, o.lineWidth).intersects(area))
            continue;
        QPen pen(o.line.isValid() ? o.line : Qt::transparent);
        pen.setWidthF(o.line.isValid() ? o.lineWidth : 0);
        painter.setPen(o.line.isValid() ? pen : QPen(Qt::NoPen));
        painter.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
        switch (o.kind) {
        case DrawingObject::Picture:
            painter.drawImage(r, o.picture);
            break;
        case DrawingObject::Rectangle:
            painter.drawRect(r);
            break;
        case DrawingObject::Ellipse:
            painter.drawEllipse(r);
            break;
        case DrawingObject::Line:
            painter.drawLine(o.flipH != o.flipV ? QLineF(r.topRight(), r.bottomLeft())
                                                : QLineF(r.topLeft(), r.bottomRight()));
            break;
        case DrawingObject::Frame:
            break;
        }
        paintShapeText(painter, o.text, r, family_);
    }
    painter.restore();
}

} // namespace mirevo::render
