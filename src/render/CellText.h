#pragma once
// Sets a cell's text in its box: lines (wrapped or not), shrink to fit, horizontal and
// vertical alignment, indent, underline, and text rotated by an angle or stacked one
// character under the other. The painter's user unit is one point.
#include "spreadsheet/Style.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPaintDevice;
class QPainter;

namespace mirevo::render {

constexpr double kCellPadding = 1.5; // points between a cell's edge and its text

// The Qt alignment flag of a horizontal alignment (left for general and the others).
int horizontalFlag(sheet::HAlign h);

// `text` with each tab replaced by the spaces that reach the next tab stop.
QString expandTabs(const QString& text, const QFontMetricsF& metrics);

// What a cell's format says about setting its text.
struct TextFormat {
    QFont font;
    QColor colour;
    sheet::Underline underline = sheet::Underline::None;
    sheet::HAlign h = sheet::HAlign::General; // General already resolved for numbers (right)
    sheet::VAlign v = sheet::VAlign::Bottom;
    bool wrap = false;
    bool shrink = false;
    uint8_t rotation = 0; // 0-90 upwards, 91-180 downwards by rotation - 90, 255 stacked
    double indent = 0;    // points
};

// Counter-clockwise degrees of a rotation code (91-180 turn downwards).
double rotationDegrees(uint8_t rotation);

// Width on the sheet of a line of `width` set at `rotation`, `lineHeight` high.
double rotatedWidth(double width, double lineHeight, uint8_t rotation);

class CellText {
public:
    // `metrics` are those of `format.font` on `device`.
    CellText(const TextFormat& format, const QFontMetricsF& metrics, const QPaintDevice* device);

    // Draws `text` in `box`, cut to `clip` (a single horizontal line only at its sides).
    void draw(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text);

    // The lines of `text`, each paragraph wrapped at `width` when `wrap`; `paragraphEnds`, when
    // given, says of each line whether it ends its paragraph.
    QStringList lines(const QString& text, const QFont& font, double width, bool wrap,
                      std::vector<bool>* paragraphEnds = nullptr) const;

private:
    QStringList wrapped(const QString& para, const QFont& font, double width) const;
    void drawHorizontal(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text,
                        bool mayShrink = true);
    void drawStacked(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text);
    void drawRotated(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text);
    void drawJustified(QPainter& painter, QFont font, const QRectF& inner, double baseline, const QString& line) const;
    void drawUnderline(QPainter& painter, const QFontMetricsF& metrics, QPointF baseline, double width) const;
    QRectF innerBox(const QRectF& box) const;
    double shrinkFactor(const QSizeF& size, const QSizeF& room) const;

    const TextFormat& format_;
    const QFontMetricsF& metrics_;
    const QPaintDevice* device_;
};

} // namespace mirevo::render
