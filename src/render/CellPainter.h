#pragma once
// Paints a block of a worksheet's cells: fills, grid lines (screen only), values in their
// fonts and alignments, and borders. The painter's user unit is one point and the sheet's
// top-left corner is at the origin; the caller positions, scales and clips.
#include "CellColours.h"
#include "CellText.h"
#include "SheetGeometry.h"
#include "spreadsheet/CellRef.h"
#include "spreadsheet/Style.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QStringList>

#include <array>
#include <map>
#include <unordered_map>
#include <vector>

class QPaintDevice;
class QPainter;
class QRectF;

namespace mirevo::sheet {
class Worksheet;
class SheetData;
struct WorkbookTables;
struct Xf;
} // namespace mirevo::sheet

namespace mirevo::render {

// A number in General rounded to the most decimals that fit `room`; empty when even its whole
// part does not fit.
QString generalToFit(const std::string& value, const QFontMetricsF& metrics, double room);

class CellPainter {
public:
    // `deviceDpi`: logical resolution of the device the painter paints on, so that a font of
    // n points covers n user units whatever the device's own scale.
    CellPainter(const sheet::Worksheet& sheet, const SheetGeometry& geometry, double deviceDpi);

    void setGridlines(bool on) { gridlines_ = on; }
    void paint(QPainter& painter, const sheet::Rect& area);

private:
    struct Slot {
        uint32_t style = 0;
        uint32_t str = 0xFFFFFFFFu; // kNoString
        int merge = -1;
        bool number = false;
    };
    struct FontEntry {
        QFont font;
        QFontMetricsF metrics;
    };

    void load(const sheet::Rect& area);
    const Slot* slot(int r, int c) const;
    QRectF cellRect(int r, int c) const;
    QRectF mergeRect(const sheet::Rect& m) const;

    void paintFills(QPainter& painter, const sheet::Rect& area);
    void paintGrid(QPainter& painter, const sheet::Rect& area);
    void paintValues(QPainter& painter, const sheet::Rect& area);
    void paintBorders(QPainter& painter, const sheet::Rect& area);
    // Edges to stroke, by line style and colour.
    using Strokes = std::map<std::pair<sheet::Line, QRgb>, std::vector<QLineF>>;
    void addDiagonals(Strokes& strokes, const QRectF& rect, uint32_t style) const;
    void paintValue(QPainter& painter, int r, int c, const Slot& s, const sheet::Rect& area);
    void drawText(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text, const sheet::Xf& xf,
                  bool number);
    // The value as the cell shows it: a number through its number format.
    QString shownText(uint32_t str, bool number, const sheet::Xf& xf) const;
    double indentPoints(const sheet::Xf& xf);
    QRectF overflowBox(int r, int c, const QRectF& cell, double textWidth, const sheet::Xf& xf) const;
    QRectF centreAcrossBox(int r, int c, const QRectF& cell) const;
    bool cellIsFree(int r, int c) const;
    const FontEntry& font(uint32_t fontIndex);

    const sheet::SheetData& data_;
    const sheet::WorkbookTables& tables_;
    CellColours colours_;
    const SheetGeometry& geo_;
    double dpi_;
    const QPaintDevice* device_ = nullptr; // the fonts' metrics are the device's
    bool gridlines_ = false;

    sheet::Rect grid_; // the loaded block: area plus one cell around it
    std::vector<Slot> slots_;
    std::vector<sheet::Rect> merges_; // merges meeting the loaded block
    std::unordered_map<uint32_t, FontEntry> fonts_;
};

} // namespace mirevo::render
