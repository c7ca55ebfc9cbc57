#pragma once
// The text of a shape or text box (a drawing's <txBody>): paragraphs of runs with their size,
// weight, slant, underline and colour, set in the shape's box less its insets, wrapped or on
// one line, aligned left, centred or right, and placed at the top, middle or bottom.
#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace mirevo::render {

struct TextRun {
    QString text;
    double size = 11; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
    QString typeface; // as the file names it; empty: the workbook's standard font
};

struct TextParagraph {
    Qt::Alignment align = Qt::AlignLeft;
    std::vector<TextRun> runs;
};

struct ShapeText {
    std::vector<TextParagraph> paragraphs;
    // Insets from the shape's edges, points (the drawing's defaults: 0.1 and 0.05 inch).
    double left = 7.2, top = 3.6, right = 7.2, bottom = 3.6;
    Qt::Alignment anchor = Qt::AlignTop;
    bool wrap = true;
    bool empty() const;
};

// Draws `text` in `shape` (the painter's user unit is one point); `family` is the installed
// family of the workbook's standard font, for runs that name none.
void paintShapeText(QPainter& painter, const ShapeText& text, const QRectF& shape, const QString& family);

} // namespace mirevo::render
