#pragma once
// Workbooks as other programs write them (openpyxl, with pictures added to the package), for
// the renderer's paint and pagination tests; and a sheet painted on an image to look at.
#include "render/SheetGeometry.h"
#include "spreadsheet/Spreadsheet.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>

namespace mirevo::render::test {

// Path of the workbook of `kind` (see make_render_inputs.py), written on first use.
QString foreignBook(const char* kind);

// Cells A1 to the given corner of a sheet painted at `scale` image pixels a point.
struct SheetImage {
    SheetImage(const sheet::Worksheet& ws, int rows, int cols, double scale = 4);
    QImage image;
    double scale;
    std::unique_ptr<SheetGeometry> geometry;

    QRectF cells(const char* range) const; // a range's rectangle in points
    QColor at(QPointF point) const;
    QColor centre(const char* range) const { return at(cells(range).center()); }
    // Bounding box (points) of the dark pixels inside a range, 1 point in from its edges; empty
    // when there are none.
    QRectF ink(const char* range) const;
    // Dark pixels in a rectangle (points).
    int dark(const QRectF& area) const;
    // Longest run of dark pixels along one pixel row inside a range, in points, and the row's y.
    std::pair<double, double> longestRun(const char* range) const;
};

} // namespace mirevo::render::test
