#pragma once
// Drawing one cell edge in each border style the files know.
#include "Style.h"

#include <QPointF>

class QPainter;

namespace mirevo::render {

// Precedence of two styles meeting on one edge: the heavier one is drawn.
int linePrecedence(sheet::Line line);

// Line width in points (96-dpi pixels: thin 1, medium 2, thick 3; hairline finer).
double lineWidth(sheet::Line line);

// Draws the edge from `a` to `b` (horizontal, vertical or diagonal) in `line`'s style, in the
// painter's current colour.
void drawEdge(QPainter &painter, QPointF a, QPointF b, sheet::Line line);

} // namespace mirevo::render
