#pragma once
// The pictures, lines and simple shapes a worksheet's drawing part anchors to its cells (the
// engine carries the part as read). Pictures in the formats Qt reads (PNG, JPEG, GIF, BMP) are
// drawn stretched over their anchor; lines, rectangles and ellipses with their outline and fill;
// the text of shapes and text boxes in its box. Charts and other shapes' outlines are not drawn.
#include "ShapeText.h"
#include "spreadsheet/CellRef.h"

#include <QColor>
#include <QImage>
#include <QRectF>

#include <vector>

class QPainter;

namespace mirevo::sheet {
class Worksheet;
}

namespace mirevo::render {

class SheetGeometry;

// A corner of an anchor: a cell (0-based, as the drawing part counts) and an offset in points;
// or, for an absolute anchor, a position on the sheet in points (cell -1).
struct AnchorPoint {
    int col = -1;
    int row = -1;
    double dx = 0;
    double dy = 0;
};

struct DrawingObject {
    // Frame: a chart or a shape of another outline: not drawn (its text is), it still takes
    // its room on the pages. The members of a group are objects of their own.
    enum Kind { Picture, Line, Rectangle, Ellipse, Frame };
    Kind kind = Picture;
    AnchorPoint from;
    AnchorPoint to; // for a two-cell anchor; else `size` from `from`
    QSizeF size;    // points; used when to.col < 0 and to.dx, to.dy are unused
    bool twoCell = false;
    QImage picture;
    bool flipH = false, flipV = false; // a line from top-right or bottom-left
    QColor line = Qt::black;           // invalid: no outline
    double lineWidth = 0.75;
    QColor fill; // invalid: no fill
    ShapeText text;
    // A member of a group: its place within the anchor's box, as fractions of it.
    QRectF within{0, 0, 1, 1};
};

class SheetDrawings {
public:
    explicit SheetDrawings(const sheet::Worksheet& sheet);

    const std::vector<DrawingObject>& objects() const { return objects_; }
    bool empty() const { return objects_.empty(); }
    // Where an object lies on the sheet, in points.
    QRectF rect(const DrawingObject& object, const SheetGeometry& geometry) const;
    // The cells an object's anchor starts and ends in (1-based), for the pages that show it;
    // an absolute anchor is placed with `geometry`.
    sheet::Rect cells(const DrawingObject& object, const SheetGeometry& geometry) const;
    // Draws every object that meets `area` (sheet points; the painter's unit is one point and
    // the sheet's corner at the origin).
    void paint(QPainter& painter, const SheetGeometry& geometry, const QRectF& area = QRectF()) const;

private:
    QRectF anchorRect(const DrawingObject& object, const SheetGeometry& geometry) const;

    std::vector<DrawingObject> objects_;
    QString family_; // the standard font's stand-in, for shape text that names no font
};

} // namespace mirevo::render
