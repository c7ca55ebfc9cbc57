#include "CellPainter.h"

#include "BorderLines.h"
#include "FontTable.h"
#include "NumberFormat.h"
#include "Workbook.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace mirevo::render {

using sheet::HAlign;
using sheet::Line;
using sheet::Rect;
using sheet::VAlign;

namespace {

constexpr double kPadding = 1.5; // points between a cell's edge and its text

QColor argbColour(uint32_t argb)
{
    QColor c = QColor::fromRgba(argb);
    if (c.alpha() == 0)
        c.setAlpha(255);
    return c;
}

Qt::BrushStyle patternBrush(sheet::Pattern p)
{
    using sheet::Pattern;
    switch (p) {
    case Pattern::Solid: return Qt::SolidPattern;
    case Pattern::DarkGray: return Qt::Dense2Pattern;
    case Pattern::MediumGray: return Qt::Dense4Pattern;
    case Pattern::LightGray: return Qt::Dense5Pattern;
    case Pattern::Gray125: case Pattern::Gray0625: return Qt::Dense6Pattern;
    case Pattern::DarkHorizontal: case Pattern::LightHorizontal: return Qt::HorPattern;
    case Pattern::DarkVertical: case Pattern::LightVertical: return Qt::VerPattern;
    case Pattern::DarkDown: case Pattern::LightDown: return Qt::FDiagPattern;
    case Pattern::DarkUp: case Pattern::LightUp: return Qt::BDiagPattern;
    case Pattern::DarkGrid: case Pattern::LightGrid: return Qt::CrossPattern;
    case Pattern::DarkTrellis: case Pattern::LightTrellis: return Qt::DiagCrossPattern;
    case Pattern::None: break;
    }
    return Qt::NoBrush;
}

int horizontalFlag(HAlign h)
{
    switch (h) {
    case HAlign::Center: case HAlign::CenterContinuous: return Qt::AlignHCenter;
    case HAlign::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

} // namespace

CellPainter::CellPainter(const sheet::Worksheet &sheet, const SheetGeometry &geometry, double deviceDpi)
    : m_data(sheet.data()), m_tables(sheet.Parent().tables()), m_geo(geometry), m_dpi(deviceDpi)
{
}

void CellPainter::paint(QPainter &painter, const Rect &wanted)
{
    const Rect area{std::max(1, wanted.r1), std::max(1, wanted.c1), std::min(wanted.r2, m_geo.rowCount()),
                    std::min(wanted.c2, m_geo.colCount())};
    if (area.r1 > area.r2 || area.c1 > area.c2)
        return;
    if (painter.device() != m_device) {
        m_device = painter.device();
        m_fonts.clear();
    }
    load(area);
    painter.save();
    paintFills(painter, area);
    if (m_gridlines)
        paintGrid(painter, area);
    paintValues(painter, area);
    paintBorders(painter, area);
    painter.restore();
}

void CellPainter::load(const Rect &area)
{
    m_grid = Rect{std::max(1, area.r1 - 1), std::max(1, area.c1 - 1),
                  std::min(m_geo.rowCount(), area.r2 + 1), std::min(m_geo.colCount(), area.c2 + 1)};
    const int width = m_grid.c2 - m_grid.c1 + 1;
    m_slots.assign(size_t(m_grid.r2 - m_grid.r1 + 1) * size_t(width), Slot{});
    for (int r = m_grid.r1; r <= m_grid.r2; ++r) {
        const sheet::Row *row = m_data.findRow(r);
        if (!row)
            continue;
        auto it = std::lower_bound(row->cells.begin(), row->cells.end(), m_grid.c1,
                                   [](const sheet::Cell &cell, int col) { return cell.col < col; });
        for (; it != row->cells.end() && it->col <= m_grid.c2; ++it) {
            Slot &s = m_slots[size_t(r - m_grid.r1) * size_t(width) + size_t(it->col - m_grid.c1)];
            s.style = it->style;
            s.str = it->str;
            s.number = it->kind == sheet::CellKind::Number;
        }
    }
    m_merges.clear();
    for (const Rect &m : m_data.merges) {
        if (!m.intersects(m_grid))
            continue;
        const int index = int(m_merges.size());
        m_merges.push_back(m);
        for (int r = std::max(m.r1, m_grid.r1); r <= std::min(m.r2, m_grid.r2); ++r)
            for (int c = std::max(m.c1, m_grid.c1); c <= std::min(m.c2, m_grid.c2); ++c)
                m_slots[size_t(r - m_grid.r1) * size_t(width) + size_t(c - m_grid.c1)].merge = index;
    }
}

const CellPainter::Slot *CellPainter::slot(int r, int c) const
{
    if (!m_grid.contains(r, c))
        return nullptr;
    return &m_slots[size_t(r - m_grid.r1) * size_t(m_grid.c2 - m_grid.c1 + 1) + size_t(c - m_grid.c1)];
}

QRectF CellPainter::cellRect(int r, int c) const
{
    return QRectF(QPointF(m_geo.colLeft(c), m_geo.rowTop(r)), QPointF(m_geo.colRight(c), m_geo.rowBottom(r)));
}

QRectF CellPainter::mergeRect(const Rect &m) const
{
    const int r2 = std::min(m.r2, m_geo.rowCount());
    const int c2 = std::min(m.c2, m_geo.colCount());
    return QRectF(QPointF(m_geo.colLeft(m.c1), m_geo.rowTop(m.r1)), QPointF(m_geo.colRight(c2), m_geo.rowBottom(r2)));
}

void CellPainter::paintFills(QPainter &painter, const Rect &area)
{
    painter.setPen(Qt::NoPen);
    auto fillWith = [&](const QRectF &rect, uint32_t style) {
        const sheet::Fill &fill = m_tables.styles.fill(m_tables.styles.xf(style).fill);
        const Qt::BrushStyle brush = patternBrush(fill.pattern);
        if (brush == Qt::NoBrush || (brush == Qt::SolidPattern && !fill.fg.isSet()))
            return;
        if (brush != Qt::SolidPattern)
            painter.fillRect(rect, fill.bg.isSet() && !(fill.bg.kind == sheet::Color::Indexed && fill.bg.index >= 64) ? argbColour(fill.bg.argb) : QColor(Qt::white));
        painter.fillRect(rect, QBrush(fill.fg.isSet() ? argbColour(fill.fg.argb) : QColor(Qt::black), brush));
    };
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot *s = slot(r, c);
            if (s->merge < 0 && s->style)
                fillWith(cellRect(r, c), s->style);
        }
    for (const Rect &m : m_merges) {
        const sheet::Cell *first = m_data.findCell(m.r1, m.c1);
        if (first && first->style)
            fillWith(mergeRect(m), first->style);
    }
}

void CellPainter::paintGrid(QPainter &painter, const Rect &area)
{
    QPen pen(QColor(208, 215, 229));
    pen.setWidthF(0);
    painter.setPen(pen);
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot *s = slot(r, c);
            const Slot *right = slot(r, c + 1);
            const Slot *below = slot(r + 1, c);
            const QRectF rect = cellRect(r, c);
            if (s->merge < 0 || !right || right->merge != s->merge)
                painter.drawLine(rect.topRight(), rect.bottomRight());
            if (s->merge < 0 || !below || below->merge != s->merge)
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
}

void CellPainter::paintValues(QPainter &painter, const Rect &area)
{
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot *s = slot(r, c);
            if (s->merge < 0 && s->str != sheet::kNoString)
                paintValue(painter, r, c, *s, area);
        }
    // Merges are loaded one cell beyond the block for their borders; the text of one that lies
    // wholly outside belongs to another page (below a page break, it would show its top here).
    for (const Rect &m : m_merges) {
        if (!m.intersects(area))
            continue;
        const sheet::Cell *first = m_data.findCell(m.r1, m.c1);
        if (first && first->str != sheet::kNoString) {
            const sheet::Xf &xf = m_tables.styles.xf(first->style);
            const QRectF box = mergeRect(m);
            const bool number = first->kind == sheet::CellKind::Number;
            drawText(painter, box, box, shownText(first->str, number, xf), xf, number);
        }
    }
}

void CellPainter::paintValue(QPainter &painter, int r, int c, const Slot &s, const Rect &)
{
    const sheet::Xf &xf = m_tables.styles.xf(s.style);
    const QString text = shownText(s.str, s.number, xf);
    const QRectF cell = cellRect(r, c);
    if (cell.width() <= 0 || cell.height() <= 0)
        return;
    if (xf.h == HAlign::CenterContinuous) {
        const QRectF box = centreAcrossBox(r, c, cell);
        drawText(painter, box, box, text, xf, s.number);
        return;
    }
    QRectF clip = cell;
    if (s.number && !xf.shrink && !xf.wrap) {
        // A number never runs over its neighbours. In General it loses decimals until it fits;
        // otherwise, or when even that does not fit, it shows as #### across the cell.
        const QFontMetricsF &metrics = font(xf.font).metrics;
        const double room = cell.width() - 2 * kPadding;
        if (metrics.horizontalAdvance(text) > room) {
            const QString fitted = xf.numFmt == 0 ? generalToFit(m_tables.strings.text(s.str), metrics, room) : QString();
            const int marks = std::max(1, int(room / std::max(0.1, metrics.horizontalAdvance(u'#'))));
            drawText(painter, cell, clip, fitted.isEmpty() ? QString(marks, u'#') : fitted, xf, true);
            return;
        }
    } else if (!xf.wrap && !xf.shrink && !text.contains(u'\n')) {
        const double w = font(m_tables.styles.xf(s.style).font).metrics.horizontalAdvance(text) + 2 * kPadding;
        if (w > cell.width())
            clip = overflowBox(r, c, cell, w, xf);
    }
    drawText(painter, cell, clip, text, xf, s.number);
}

QString CellPainter::shownText(uint32_t str, bool number, const sheet::Xf &xf) const
{
    const QString text = QString::fromStdString(m_tables.strings.text(str));
    if (!number)
        return text;
    const std::string code = xf.numFmt >= sheet::kFirstCustomFormat ? m_tables.styles.formatCode(xf.numFmt)
                                                                     : builtinFormatCode(xf.numFmt);
    return formatNumber(text, code);
}

bool CellPainter::cellIsFree(int r, int c) const
{
    if (c < 1 || c > m_geo.colCount())
        return false;
    if (const Slot *s = slot(r, c))
        return s->merge < 0 && s->str == sheet::kNoString;
    const sheet::Cell *cell = m_data.findCell(r, c);
    return (!cell || cell->str == sheet::kNoString) && !m_data.mergeAt(r, c);
}

QRectF CellPainter::overflowBox(int r, int c, const QRectF &cell, double textWidth, const sheet::Xf &xf) const
{
    const int flag = horizontalFlag(xf.h);
    QRectF box = cell;
    const bool toRight = flag != Qt::AlignRight;
    const bool toLeft = flag != Qt::AlignLeft;
    const double need = flag == Qt::AlignHCenter ? (textWidth - cell.width()) / 2 : textWidth - cell.width();
    for (int k = c + 1; toRight && box.right() < cell.right() + need && cellIsFree(r, k); ++k)
        box.setRight(m_geo.colRight(k));
    for (int k = c - 1; toLeft && box.left() > cell.left() - need && cellIsFree(r, k); --k)
        box.setLeft(m_geo.colLeft(k));
    return box;
}

QRectF CellPainter::centreAcrossBox(int r, int c, const QRectF &cell) const
{
    QRectF box = cell;
    for (int k = c + 1; cellIsFree(r, k); ++k) {
        const sheet::Cell *next = m_data.findCell(r, k);
        if (!next || m_tables.styles.xf(next->style).h != HAlign::CenterContinuous)
            break;
        box.setRight(m_geo.colRight(k));
    }
    return box;
}

const CellPainter::FontEntry &CellPainter::font(uint32_t fontIndex)
{
    auto it = m_fonts.find(fontIndex);
    if (it == m_fonts.end()) {
        const QFont f = cellFont(m_tables.styles, m_tables.styles.font(fontIndex), m_dpi);
        it = m_fonts.emplace(fontIndex, FontEntry{f, QFontMetricsF(f, m_device)}).first;
    }
    return it->second;
}

QString generalToFit(const std::string &value, const QFontMetricsF &metrics, double room)
{
    bool ok = false;
    const double v = QString::fromStdString(value).toDouble(&ok);
    if (!ok)
        return {};
    for (int decimals = 9; decimals >= 0; --decimals) {
        QString t = QString::number(v, 'f', decimals);
        if (t.contains(u'.')) {
            while (t.endsWith(u'0'))
                t.chop(1);
            if (t.endsWith(u'.'))
                t.chop(1);
        }
        if (t == u"-0")
            t = QStringLiteral("0");
        if (metrics.horizontalAdvance(t) <= room)
            return t;
    }
    return {};
}

// A tab moves on to the next stop, every two ems from the start of its line (LibreOffice's
// stops in a cell; the spreadsheet shows no gap at all, which would run "1." into its note).
QString expandTabs(const QString &text, const QFontMetricsF &metrics)
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

QStringList CellPainter::textLines(const QString &text, const QFont &f, double width, bool wrap) const
{
    QStringList out;
    for (QString para : text.split(u'\n')) {
        if (para.endsWith(u'\r'))
            para.chop(1);
        if (!wrap || para.isEmpty()) {
            out << para;
            continue;
        }
        QTextLayout layout(para, f, m_device);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1.0, width));
            out << para.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return out;
}

// Lines follow each other at the substitute font's line spacing, as LibreOffice sets them. The
// CJK substitutes' line is taller (1.45 em) than the rows made for the spreadsheet fonts, so a
// single line is cut at its cell's left and right only: cutting it at the row would clip
// glyphs that fit the row.
void CellPainter::drawText(QPainter &painter, const QRectF &box, const QRectF &clip, const QString &rawText,
                           const sheet::Xf &xf, bool number)
{
    const FontEntry &entry = font(xf.font);
    const QString text = rawText.contains(u'\t') ? expandTabs(rawText, entry.metrics) : rawText;
    const sheet::Font &cf = m_tables.styles.font(xf.font);
    QFont f = entry.font;
    const QRectF inner = box.adjusted(kPadding, 0, -kPadding, 0);
    bool ownMetrics = false;
    if (xf.shrink && !xf.wrap && inner.width() > 0) {
        // Until the widest line fits: glyph advances do not scale exactly with the size.
        auto widest = [&](const QFontMetricsF &m) {
            double w = 0;
            for (const QString &line : text.split(u'\n'))
                w = std::max(w, m.horizontalAdvance(line));
            return w;
        };
        double w = widest(entry.metrics);
        for (int i = 0; i < 6 && w > inner.width(); ++i) {
            f.setPointSizeF(f.pointSizeF() * inner.width() / w * (i == 0 ? 1.0 : 0.98));
            ownMetrics = true;
            w = widest(QFontMetricsF(f, m_device));
        }
    }
    const QStringList lines = textLines(text, f, inner.width(), xf.wrap);
    HAlign h = xf.h == HAlign::General && number ? HAlign::Right : xf.h;
    if (h == HAlign::Distributed && !xf.wrap && lines.size() == 1 && text.size() > 1) {
        const double w = (ownMetrics ? QFontMetricsF(f, m_device) : entry.metrics).horizontalAdvance(text);
        h = HAlign::Left;
        if (w < inner.width()) {
            f.setLetterSpacing(QFont::AbsoluteSpacing, (inner.width() - w) / double(text.size() - 1));
            ownMetrics = true;
        }
    }
    const QFontMetricsF metrics = ownMetrics ? QFontMetricsF(f, m_device) : entry.metrics;
    const double lineHeight = metrics.lineSpacing();
    const double ascent = metrics.ascent();
    const double height = lineHeight * double(lines.size());
    double top = box.top();
    if (xf.v == VAlign::Bottom)
        top = box.bottom() - height;
    else if (xf.v != VAlign::Top)
        top = box.center().y() - height / 2;
    const int hFlag = horizontalFlag(h);
    std::vector<std::pair<QPointF, double>> placed; // baseline start and width of each line
    QRectF needed;
    for (int i = 0; i < int(lines.size()); ++i) {
        const double w = metrics.horizontalAdvance(lines[i]);
        double x = inner.left();
        if (hFlag == Qt::AlignRight)
            x = inner.right() - w;
        else if (hFlag == Qt::AlignHCenter)
            x = inner.center().x() - w / 2;
        const double lineTop = top + i * lineHeight;
        placed.emplace_back(QPointF(x, lineTop + ascent), w);
        needed |= QRectF(x, lineTop, w, lineHeight);
    }
    painter.setFont(f);
    painter.setPen(cf.color.isSet() ? argbColour(cf.color.argb) : QColor(Qt::black));
    const QRectF limit = lines.size() == 1 ? clip.adjusted(0, -lineHeight, 0, lineHeight) : clip;
    const bool clipped = !limit.contains(needed);
    if (clipped) {
        painter.save();
        painter.setClipRect(limit, Qt::IntersectClip);
    }
    for (int i = 0; i < int(lines.size()); ++i)
        painter.drawText(placed[size_t(i)].first, lines[i]);
    if (clipped)
        painter.restore();
}

// Edges are gathered by style, neighbouring edges of one style joined into one stroke, and
// each style drawn with one pen: far fewer strokes than one per cell edge.
void CellPainter::paintBorders(QPainter &painter, const Rect &area)
{
    const auto &styles = m_tables.styles;
    auto edgeOf = [&](const Slot *s, sheet::Edge e) {
        return s ? styles.border(styles.xf(s->style).border).edge[e] : Line::None;
    };
    auto stronger = [](Line a, Line b) { return linePrecedence(a) >= linePrecedence(b) ? a : b; };
    std::array<std::vector<QLineF>, sheet::kLineCount> strokes;
    Line runLine = Line::None;
    QLineF run;
    auto flush = [&] {
        if (runLine != Line::None)
            strokes[size_t(runLine)].push_back(run);
        runLine = Line::None;
    };
    auto extend = [&](Line line, QPointF a, QPointF b) {
        if (line != runLine || run.p2() != a) {
            flush();
            runLine = line;
            run = QLineF(a, a);
        }
        if (line != Line::None)
            run.setP2(b);
    };
    const int rBottom = std::min(area.r2 + 1, m_geo.rowCount() + 1);
    const int cRight = std::min(area.c2 + 1, m_geo.colCount() + 1);
    for (int r = area.r1; r <= rBottom; ++r) {
        const double y = r <= m_geo.rowCount() ? m_geo.rowTop(r) : m_geo.height();
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot *s = slot(r, c), *up = slot(r - 1, c);
            const bool inner = s && up && s->merge >= 0 && s->merge == up->merge;
            const Line line = inner ? Line::None : stronger(edgeOf(s, sheet::EdgeTop), edgeOf(up, sheet::EdgeBottom));
            extend(line, {m_geo.colLeft(c), y}, {m_geo.colRight(c), y});
        }
        flush();
    }
    for (int c = area.c1; c <= cRight; ++c) {
        const double x = c <= m_geo.colCount() ? m_geo.colLeft(c) : m_geo.width();
        for (int r = area.r1; r <= area.r2; ++r) {
            const Slot *s = slot(r, c), *left = slot(r, c - 1);
            const bool inner = s && left && s->merge >= 0 && s->merge == left->merge;
            const Line line = inner ? Line::None : stronger(edgeOf(s, sheet::EdgeLeft), edgeOf(left, sheet::EdgeRight));
            extend(line, {x, m_geo.rowTop(r)}, {x, m_geo.rowBottom(r)});
        }
        flush();
    }
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c)
            if (const Slot *s = slot(r, c); s->merge < 0 && s->style)
                addDiagonals(strokes, cellRect(r, c), s->style);
    for (const Rect &m : m_merges)
        if (const sheet::Cell *first = m_data.findCell(m.r1, m.c1))
            addDiagonals(strokes, mergeRect(m), first->style);
    for (int i = 1; i < sheet::kLineCount; ++i)
        drawEdges(painter, strokes[size_t(i)], Line(i));
}

void CellPainter::addDiagonals(std::array<std::vector<QLineF>, sheet::kLineCount> &strokes, const QRectF &rect,
                               uint32_t style) const
{
    const sheet::Border &b = m_tables.styles.border(m_tables.styles.xf(style).border);
    const Line line = b.edge[sheet::EdgeDiagonal];
    if (line == Line::None)
        return;
    if (b.diagonalDown)
        strokes[size_t(line)].emplace_back(rect.topLeft(), rect.bottomRight());
    if (b.diagonalUp)
        strokes[size_t(line)].emplace_back(rect.bottomLeft(), rect.topRight());
}

} // namespace mirevo::render
