#pragma once
// Drawing one cell edge in each border style the files know.
#include "spreadsheet/Style.h"

#include <QColor>
#include <QLineF>
#include <QPointF>

#include <vector>

class QPainter;

namespace mirevo::render {

// Precedence of two styles meeting on one edge: the heavier one is drawn.
int linePrecedence(sheet::Line line);

// Line width in points (96-dpi pixels: thin 1, medium 2, thick 3; hairline finer).
double lineWidth(sheet::Line line);

// Draws edges (horizontal, vertical or diagonal) in `line`'s style and `colour`, with one pen.
void drawEdges(QPainter& painter, const std::vector<QLineF>& edges, sheet::Line line, const QColor& colour = Qt::black);

} // namespace mirevo::render
