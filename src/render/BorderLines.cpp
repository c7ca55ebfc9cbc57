#include "BorderLines.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QVector>

#include <cmath>

namespace mirevo::render {

using sheet::Line;

int linePrecedence(Line line)
{
    switch (line) {
    case Line::None:
        return 0;
    case Line::Hair:
        return 1;
    case Line::Dotted:
        return 2;
    case Line::DashDotDot:
        return 3;
    case Line::DashDot:
        return 4;
    case Line::Dashed:
        return 5;
    case Line::Thin:
        return 6;
    case Line::MediumDashDotDot:
        return 7;
    case Line::SlantDashDot:
        return 8;
    case Line::MediumDashDot:
        return 9;
    case Line::MediumDashed:
        return 10;
    case Line::Medium:
        return 11;
    case Line::Thick:
        return 12;
    case Line::Double:
        return 13;
    }
    return 0;
}

double lineWidth(Line line)
{
    switch (line) {
    case Line::None:
        return 0;
    case Line::Hair:
        return 0.5;
    case Line::Medium:
    case Line::MediumDashed:
    case Line::MediumDashDot:
    case Line::MediumDashDotDot:
    case Line::SlantDashDot:
        return 1.5;
    case Line::Thick:
        return 2.25;
    default:
        return 0.75;
    }
}

namespace {

// Dash pattern in units of the pen width; empty for a solid line.
QVector<qreal> dashPattern(Line line)
{
    switch (line) {
    case Line::Dashed:
        return {4, 1.5};
    case Line::MediumDashed:
        return {4, 1.5};
    case Line::Dotted:
        return {1, 1};
    case Line::DashDot:
    case Line::MediumDashDot:
        return {4, 1.5, 1.5, 1.5};
    case Line::DashDotDot:
    case Line::MediumDashDotDot:
        return {4, 1.5, 1.5, 1.5, 1.5, 1.5};
    case Line::SlantDashDot:
        return {5, 1, 2, 1};
    default:
        return {};
    }
}

QPen edgePen(Line line, double width, const QColor& colour)
{
    QPen pen(colour);
    pen.setWidthF(width);
    const QVector<qreal> dashes = dashPattern(line);
    if (dashes.isEmpty()) {
        pen.setCapStyle(Qt::SquareCap);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(dashes);
    }
    return pen;
}

} // namespace

void drawEdges(QPainter& painter, const std::vector<QLineF>& edges, Line line, const QColor& colour)
{
    if (line == Line::None || edges.empty())
        return;
    if (line == Line::Double) {
        // Two thin strokes one stroke apart, either side of the edge.
        QPen pen(colour);
        pen.setWidthF(0.6);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        std::vector<QLineF> both;
        both.reserve(edges.size() * 2);
        for (const QLineF& edge : edges) {
            const QLineF unit = edge.normalVector().unitVector();
            const QPointF offset(unit.dx() * 0.75, unit.dy() * 0.75);
            both.push_back(edge.translated(offset));
            both.push_back(edge.translated(-offset));
        }
        painter.drawLines(both.data(), int(both.size()));
        return;
    }
    QPen pen = edgePen(line, lineWidth(line), colour);
    painter.setPen(pen);
    painter.drawLines(edges.data(), int(edges.size()));
}

} // namespace mirevo::render
