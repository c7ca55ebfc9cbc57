#include "CellText.h"

#include <QPainter>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace mirevo::render {

using sheet::HAlign;
using sheet::VAlign;

int horizontalFlag(HAlign h)
{
    switch (h) {
    case HAlign::Center:
    case HAlign::CenterContinuous:
        return Qt::AlignHCenter;
    case HAlign::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

namespace {

// Left edge of something `width` wide set in `inner` as `h` says.
double alignedLeft(const QRectF& inner, double width, HAlign h)
{
    switch (horizontalFlag(h)) {
    case Qt::AlignRight:
        return inner.right() - width;
    case Qt::AlignHCenter:
        return inner.center().x() - width / 2;
    default:
        return inner.left();
    }
}

// Top edge of something `height` high set in `box` as `v` says (justify and distributed
// centre, as they do for a single block).
double alignedTop(const QRectF& box, double height, VAlign v)
{
    switch (v) {
    case VAlign::Top:
        return box.top();
    case VAlign::Bottom:
        return box.bottom() - height;
    default:
        return box.center().y() - height / 2;
    }
}

bool isDouble(sheet::Underline u)
{
    return u == sheet::Underline::Double || u == sheet::Underline::DoubleAccounting;
}

} // namespace

// A tab moves on to the next stop, every two ems from the start of its line (LibreOffice's
// stops in a cell; the spreadsheet shows no gap at all, which would run "1." into its note).
QString expandTabs(const QString& text, const QFontMetricsF& metrics)
{
    const double stop = 2 * metrics.horizontalAdvance(u'\u3000');
    const double space = std::max(0.1, metrics.horizontalAdvance(u' '));
    QString out;
    qsizetype lineStart = 0;
    for (QChar c : text) {
        if (c == u'\n')
            lineStart = out.size() + 1;
        if (c != u'\t') {
            out += c;
            continue;
        }
        const double at = metrics.horizontalAdvance(out.mid(lineStart));
        const double next = (std::floor(at / stop) + 1) * stop;
        out += QString(std::max(1, int(std::ceil((next - at) / space))), u' ');
    }
    return out;
}

double rotationDegrees(uint8_t rotation)
{
    if (rotation > 180)
        return 0;
    return rotation <= 90 ? double(rotation) : 90.0 - double(rotation);
}

double rotatedWidth(double width, double lineHeight, uint8_t rotation)
{
    const double a = rotationDegrees(rotation) * std::numbers::pi / 180;
    return width * std::abs(std::cos(a)) + lineHeight * std::abs(std::sin(a));
}

CellText::CellText(const TextFormat& format, const QFontMetricsF& metrics, const QPaintDevice* device)
    : format_(format), metrics_(metrics), device_(device)
{
}

// Breaks `para` into lines of at most `width`. A run of spaces a line breaks in is split as the
// spreadsheet programs split it: the spaces that fit stay on the line (a centred line counts
// them), the others begin the next line and take their room there. The forms lay labels out
// so ("高圧室内　　　　　作業主任者" puts its second word towards the right); QTextLayout would
// hang the whole run past the line's end.
QStringList CellText::wrapped(const QString& para, const QFont& f, double width) const
{
    QStringList out;
    const QFontMetricsF metrics(f, device_);
    QString rest = para;
    while (!rest.isEmpty()) {
        QTextLayout layout(rest, f, const_cast<QPaintDevice*>(device_));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(std::max(1.0, width));
        qsizetype length = line.textLength();
        layout.endLayout();
        if (length < rest.size())
            while (length > 1 && rest[length - 1].isSpace() && metrics.horizontalAdvance(rest.left(length)) > width)
                --length;
        length = std::max<qsizetype>(1, length);
        out << rest.left(length);
        rest = rest.mid(length);
    }
    return out;
}

QStringList CellText::lines(const QString& text, const QFont& f, double width, bool wrap,
                            std::vector<bool>* paragraphEnds) const
{
    QStringList out;
    for (QString para : text.split(u'\n')) {
        if (para.endsWith(u'\r'))
            para.chop(1);
        if (!wrap || para.isEmpty())
            out << para;
        else
            out << wrapped(para, f, width);
        if (paragraphEnds) {
            paragraphEnds->resize(size_t(out.size()), false);
            paragraphEnds->back() = true;
        }
    }
    return out;
}

// The box less the padding at the sides and the indent on the side the text is aligned to
// (both sides for distributed text). Text in General, centred or justified is not indented.
QRectF CellText::innerBox(const QRectF& box) const
{
    QRectF inner = box.adjusted(kCellPadding, 0, -kCellPadding, 0);
    const double indent = std::min(format_.indent, std::max(0.0, inner.width() - 1));
    switch (format_.h) {
    case HAlign::Left:
        inner.setLeft(inner.left() + indent);
        break;
    case HAlign::Right:
        inner.setRight(inner.right() - indent);
        break;
    case HAlign::Distributed:
        inner.adjust(indent / 2, 0, -indent / 2, 0);
        break;
    default:
        break;
    }
    return inner;
}

// With shrink to fit (and no wrapping), what a block of text `size` is scaled by to fit `room`.
double CellText::shrinkFactor(const QSizeF& size, const QSizeF& room) const
{
    if (!format_.shrink || format_.wrap || size.width() <= 0 || size.height() <= 0)
        return 1;
    return std::clamp(std::min(room.width() / size.width(), room.height() / size.height()), 0.01, 1.0);
}

void CellText::draw(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& rawText)
{
    const QString text = rawText.contains(u'\t') ? expandTabs(rawText, metrics_) : rawText;
    painter.setPen(format_.colour);
    if (format_.rotation == 255)
        drawStacked(painter, box, clip, text);
    else if (format_.rotation > 0 && format_.rotation <= 180)
        drawRotated(painter, box, clip, text);
    else
        drawHorizontal(painter, box, clip, text);
}

// A double underline: two thin strokes a stroke apart (the font draws single ones).
void CellText::drawUnderline(QPainter& painter, const QFontMetricsF& metrics, QPointF baseline, double width) const
{
    if (!isDouble(format_.underline) || width <= 0)
        return;
    const double stroke = std::max(0.4, metrics.lineWidth() * 0.75);
    const double y = baseline.y() + std::max(metrics.underlinePos(), stroke);
    painter.fillRect(QRectF(baseline.x(), y, width, stroke), painter.pen().color());
    painter.fillRect(QRectF(baseline.x(), y + 2.5 * stroke, width, stroke), painter.pen().color());
}

// Lines follow each other at the substitute font's line spacing, as LibreOffice sets them. The
// CJK substitutes' line is taller (1.45 em) than the rows made for the spreadsheet fonts, so a
// single line is cut at its cell's left and right only: cutting it at the row would clip
// glyphs that fit the row.
void CellText::drawHorizontal(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text,
                              bool mayShrink)
{
    QFont f = format_.font;
    const QRectF inner = innerBox(box);
    if (mayShrink && format_.shrink && !format_.wrap && inner.width() > 0) {
        // Shrunk by the painter's scale, not the font's size: sizes come in whole device
        // pixels, which on the PDF's device are whole points, too coarse for a box that lacks
        // a few percent.
        double widest = 0;
        for (const QString& line : text.split(u'\n'))
            widest = std::max(widest, metrics_.horizontalAdvance(line));
        if (widest > inner.width()) {
            const double k = inner.width() / widest;
            painter.save();
            painter.translate(box.topLeft());
            painter.scale(k, k);
            const QRectF scaled(0, 0, box.width() / k, box.height() / k);
            const QRectF scaledClip((clip.topLeft() - box.topLeft()) / k, clip.size() / k);
            drawHorizontal(painter, scaled, scaledClip, text, false);
            painter.restore();
            return;
        }
    }
    bool ownMetrics = false;
    std::vector<bool> paragraphEnds;
    QStringList lines = this->lines(text, f, inner.width(), format_.wrap, &paragraphEnds);
    HAlign h = format_.h;
    if (h == HAlign::Fill) {
        // The text repeated as often as it fits whole, from the left (once when it does not).
        const double w = metrics_.horizontalAdvance(text);
        if (!format_.wrap && lines.size() == 1 && w > 0)
            lines[0] = text.repeated(std::clamp(int(inner.width() / w), 1, 1000));
        h = HAlign::Left;
    }
    if (h == HAlign::Distributed && !format_.wrap && lines.size() == 1 && text.size() > 1) {
        const double w = (ownMetrics ? QFontMetricsF(f, device_) : metrics_).horizontalAdvance(text);
        h = HAlign::Left;
        if (w < inner.width()) {
            f.setLetterSpacing(QFont::AbsoluteSpacing, (inner.width() - w) / double(text.size() - 1));
            ownMetrics = true;
        }
    }
    const QFontMetricsF metrics = ownMetrics ? QFontMetricsF(f, device_) : metrics_;
    const double lineHeight = metrics.lineSpacing();
    const double top = alignedTop(box, lineHeight * double(lines.size()), format_.v);
    std::vector<std::pair<QPointF, double>> placed; // baseline start and width of each line
    QRectF needed;
    for (int i = 0; i < int(lines.size()); ++i) {
        const double w = metrics.horizontalAdvance(lines[i]);
        const double x = alignedLeft(inner, w, h);
        const double lineTop = top + i * lineHeight;
        placed.emplace_back(QPointF(x, lineTop + metrics.ascent()), w);
        needed |= QRectF(x, lineTop, w, lineHeight);
    }
    painter.setFont(f);
    const QRectF limit = lines.size() == 1 ? clip.adjusted(0, -lineHeight, 0, lineHeight) : clip;
    const bool clipped = !limit.contains(needed);
    if (clipped) {
        painter.save();
        painter.setClipRect(limit, Qt::IntersectClip);
    }
    for (int i = 0; i < int(lines.size()); ++i) {
        if (h == HAlign::Justify && !paragraphEnds[size_t(i)] && lines[i].size() > 1) {
            drawJustified(painter, f, inner, placed[size_t(i)].first.y(), lines[i]);
            continue;
        }
        painter.drawText(placed[size_t(i)].first, lines[i]);
        drawUnderline(painter, metrics, placed[size_t(i)].first, placed[size_t(i)].second);
    }
    if (clipped)
        painter.restore();
}

// A justified line that does not end its paragraph: its characters spread to both sides of the
// box, as the spreadsheet sets Japanese text (the paragraph's last line stays at the left).
void CellText::drawJustified(QPainter& painter, QFont font, const QRectF& inner, double baseline,
                             const QString& line) const
{
    const double w = QFontMetricsF(font, device_).horizontalAdvance(line);
    if (w < inner.width())
        font.setLetterSpacing(QFont::AbsoluteSpacing, (inner.width() - w) / double(line.size() - 1));
    painter.save();
    painter.setFont(font);
    painter.drawText(QPointF(inner.left(), baseline), line);
    drawUnderline(painter, QFontMetricsF(font, device_), QPointF(inner.left(), baseline), std::max(w, inner.width()));
    painter.restore();
}

// One character under the other, each centred on its column; a line break (or, when wrapped,
// a column that reaches the bottom of the box) starts a new column to the right.
void CellText::drawStacked(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text)
{
    const double lineHeight = metrics_.lineSpacing();
    const int perColumn = format_.wrap ? std::max(1, int((box.height() + 0.01) / lineHeight)) : INT_MAX;
    std::vector<QString> columns;
    for (QString para : text.split(u'\n')) {
        if (para.endsWith(u'\r'))
            para.chop(1);
        do {
            columns.push_back(para.left(perColumn));
            para = para.mid(perColumn);
        } while (!para.isEmpty());
    }
    std::vector<double> widths;
    double width = 0;
    qsizetype longest = 0;
    for (const QString& column : columns) {
        double w = 0;
        for (QChar c : column)
            w = std::max(w, metrics_.horizontalAdvance(c));
        widths.push_back(w > 0 ? w : metrics_.horizontalAdvance(u'\u3000'));
        width += widths.back();
        longest = std::max(longest, column.size());
    }
    const double height = lineHeight * double(longest);
    const QRectF inner = innerBox(box);
    const double scale = shrinkFactor(QSizeF(width, height), QSizeF(inner.width(), box.height()));
    const QPointF at(alignedLeft(inner, width * scale, format_.h), alignedTop(box, height * scale, format_.v));
    painter.save();
    painter.setFont(format_.font);
    painter.setClipRect(clip, Qt::IntersectClip);
    // Set at full size from the block's corner, scaled by what shrinking to fit asks.
    painter.translate(at);
    painter.scale(scale, scale);
    double x = 0;
    for (size_t k = 0; k < columns.size(); ++k) {
        for (qsizetype i = 0; i < columns[k].size(); ++i) {
            const QString c = columns[k].mid(i, 1);
            const double w = metrics_.horizontalAdvance(c);
            const QPointF baseline(x + (widths[k] - w) / 2, double(i) * lineHeight + metrics_.ascent());
            painter.drawText(baseline, c);
            drawUnderline(painter, metrics_, baseline, w);
        }
        x += widths[k];
    }
    painter.restore();
}

// The lines set as horizontal text in a frame turned about its corner; the frame's bounding
// box is aligned in the cell as horizontal text would be.
void CellText::drawRotated(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text)
{
    const double degrees = rotationDegrees(format_.rotation);
    const double a = degrees * std::numbers::pi / 180;
    const double lineHeight = metrics_.lineSpacing();
    const QRectF inner = innerBox(box);
    // A wrapped line is as long as the box lets the turned line be.
    const double sine = std::abs(std::sin(a)), cosine = std::abs(std::cos(a));
    const double length = sine * inner.height() > cosine * inner.width() || cosine < 1e-6
        ? inner.height() / std::max(sine, 1e-6)
        : inner.width() / cosine;
    const QStringList lines = this->lines(text, format_.font, length, format_.wrap);
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics_.horizontalAdvance(line));
    const double height = lineHeight * double(lines.size());
    QTransform turn;
    turn.rotate(-degrees);
    const QRectF bounds = turn.mapRect(QRectF(0, 0, width, height));
    const double k = shrinkFactor(bounds.size(), QSizeF(inner.width(), box.height()));
    const QPointF at(alignedLeft(inner, bounds.width() * k, format_.h),
                     alignedTop(box, bounds.height() * k, format_.v));
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.translate(at - bounds.topLeft() * k);
    painter.scale(k, k);
    painter.rotate(-degrees);
    painter.setFont(format_.font);
    for (int i = 0; i < int(lines.size()); ++i) {
        const double w = metrics_.horizontalAdvance(lines[i]);
        const QPointF baseline(alignedLeft(QRectF(0, 0, width, height), w, format_.h),
                               i * lineHeight + metrics_.ascent());
        painter.drawText(baseline, lines[i]);
        drawUnderline(painter, metrics_, baseline, w);
    }
    painter.restore();
}

} // namespace mirevo::render
