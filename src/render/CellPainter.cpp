#include "CellPainter.h"

#include "BorderLines.h"
#include "CellText.h"
#include "FontTable.h"
#include "NumberFormat.h"
#include "spreadsheet/Workbook.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace mirevo::render {

using sheet::HAlign;
using sheet::Line;
using sheet::Rect;
using sheet::VAlign;

namespace {

constexpr double kPadding = kCellPadding;

Qt::BrushStyle patternBrush(sheet::Pattern p)
{
    using sheet::Pattern;
    switch (p) {
    case Pattern::Solid:
        return Qt::SolidPattern;
    case Pattern::DarkGray:
        return Qt::Dense2Pattern;
    case Pattern::MediumGray:
        return Qt::Dense4Pattern;
    case Pattern::LightGray:
        return Qt::Dense5Pattern;
    case Pattern::Gray125:
    case Pattern::Gray0625:
        return Qt::Dense6Pattern;
    case Pattern::DarkHorizontal:
    case Pattern::LightHorizontal:
        return Qt::HorPattern;
    case Pattern::DarkVertical:
    case Pattern::LightVertical:
        return Qt::VerPattern;
    case Pattern::DarkDown:
    case Pattern::LightDown:
        return Qt::FDiagPattern;
    case Pattern::DarkUp:
    case Pattern::LightUp:
        return Qt::BDiagPattern;
    case Pattern::DarkGrid:
    case Pattern::LightGrid:
        return Qt::CrossPattern;
    case Pattern::DarkTrellis:
    case Pattern::LightTrellis:
        return Qt::DiagCrossPattern;
    case Pattern::None:
        break;
    }
    return Qt::NoBrush;
}

} // namespace

CellPainter::CellPainter(const sheet::Worksheet& sheet, const SheetGeometry& geometry, double deviceDpi)
    : data_(sheet.data()), tables_(sheet.Parent().tables()), colours_(tables_.styles), geo_(geometry), dpi_(deviceDpi)
{
}

void CellPainter::paint(QPainter& painter, const Rect& wanted)
{
    const Rect area{std::max(1, wanted.r1), std::max(1, wanted.c1), std::min(wanted.r2, geo_.rowCount()),
                    std::min(wanted.c2, geo_.colCount())};
    if (area.r1 > area.r2 || area.c1 > area.c2)
        return;
    if (painter.device() != device_) {
        device_ = painter.device();
        fonts_.clear();
    }
    load(area);
    painter.save();
    paintFills(painter, area);
    if (gridlines_)
        paintGrid(painter, area);
    paintValues(painter, area);
    paintBorders(painter, area);
    painter.restore();
}

void CellPainter::load(const Rect& area)
{
    grid_ = Rect{std::max(1, area.r1 - 1), std::max(1, area.c1 - 1), std::min(geo_.rowCount(), area.r2 + 1),
                 std::min(geo_.colCount(), area.c2 + 1)};
    const int width = grid_.c2 - grid_.c1 + 1;
    slots_.assign(size_t(grid_.r2 - grid_.r1 + 1) * size_t(width), Slot{});
    for (int r = grid_.r1; r <= grid_.r2; ++r) {
        const sheet::Row* row = data_.findRow(r);
        if (!row)
            continue;
        auto it = std::lower_bound(row->cells.begin(), row->cells.end(), grid_.c1,
                                   [](const sheet::Cell& cell, int col) { return cell.col < col; });
        for (; it != row->cells.end() && it->col <= grid_.c2; ++it) {
            Slot& s = slots_[size_t(r - grid_.r1) * size_t(width) + size_t(it->col - grid_.c1)];
            s.style = it->style;
            s.str = it->str;
            s.number = it->kind == sheet::CellKind::Number;
        }
    }
    merges_.clear();
    for (const Rect& m : data_.merges) {
        if (!m.intersects(grid_))
            continue;
        const int index = int(merges_.size());
        merges_.push_back(m);
        for (int r = std::max(m.r1, grid_.r1); r <= std::min(m.r2, grid_.r2); ++r)
            for (int c = std::max(m.c1, grid_.c1); c <= std::min(m.c2, grid_.c2); ++c)
                slots_[size_t(r - grid_.r1) * size_t(width) + size_t(c - grid_.c1)].merge = index;
    }
}

const CellPainter::Slot* CellPainter::slot(int r, int c) const
{
    if (!grid_.contains(r, c))
        return nullptr;
    return &slots_[size_t(r - grid_.r1) * size_t(grid_.c2 - grid_.c1 + 1) + size_t(c - grid_.c1)];
}

QRectF CellPainter::cellRect(int r, int c) const
{
    return QRectF(QPointF(geo_.colLeft(c), geo_.rowTop(r)), QPointF(geo_.colRight(c), geo_.rowBottom(r)));
}

QRectF CellPainter::mergeRect(const Rect& m) const
{
    const int r2 = std::min(m.r2, geo_.rowCount());
    const int c2 = std::min(m.c2, geo_.colCount());
    return QRectF(QPointF(geo_.colLeft(m.c1), geo_.rowTop(m.r1)), QPointF(geo_.colRight(c2), geo_.rowBottom(r2)));
}

void CellPainter::paintFills(QPainter& painter, const Rect& area)
{
    painter.setPen(Qt::NoPen);
    auto fillWith = [&](const QRectF& rect, uint32_t style) {
        const sheet::Fill& fill = tables_.styles.fill(tables_.styles.xf(style).fill);
        const Qt::BrushStyle brush = patternBrush(fill.pattern);
        if (brush == Qt::NoBrush || (brush == Qt::SolidPattern && !fill.fg.isSet()))
            return;
        if (brush != Qt::SolidPattern)
            painter.fillRect(rect, colours_.paint(fill.bg, Qt::white));
        painter.fillRect(rect, QBrush(colours_.paint(fill.fg, Qt::black), brush));
    };
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot* s = slot(r, c);
            if (s->merge < 0 && s->style)
                fillWith(cellRect(r, c), s->style);
        }
    for (const Rect& m : merges_) {
        const sheet::Cell* first = data_.findCell(m.r1, m.c1);
        if (first && first->style)
            fillWith(mergeRect(m), first->style);
    }
}

void CellPainter::paintGrid(QPainter& painter, const Rect& area)
{
    QPen pen(QColor(208, 215, 229));
    pen.setWidthF(0);
    painter.setPen(pen);
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot* s = slot(r, c);
            const Slot* right = slot(r, c + 1);
            const Slot* below = slot(r + 1, c);
            const QRectF rect = cellRect(r, c);
            if (s->merge < 0 || !right || right->merge != s->merge)
                painter.drawLine(rect.topRight(), rect.bottomRight());
            if (s->merge < 0 || !below || below->merge != s->merge)
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
}

void CellPainter::paintValues(QPainter& painter, const Rect& area)
{
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot* s = slot(r, c);
            if (s->merge < 0 && s->str != sheet::kNoString)
                paintValue(painter, r, c, *s, area);
        }
    // Merges are loaded one cell beyond the block for their borders; the text of one that lies
    // wholly outside belongs to another page (below a page break, it would show its top here).
    for (const Rect& m : merges_) {
        if (!m.intersects(area))
            continue;
        const sheet::Cell* first = data_.findCell(m.r1, m.c1);
        if (first && first->str != sheet::kNoString) {
            const sheet::Xf& xf = tables_.styles.xf(first->style);
            const QRectF box = mergeRect(m);
            const bool number = first->kind == sheet::CellKind::Number;
            drawText(painter, box, box, shownText(first->str, number, xf), xf, number);
        }
    }
}

void CellPainter::paintValue(QPainter& painter, int r, int c, const Slot& s, const Rect&)
{
    const sheet::Xf& xf = tables_.styles.xf(s.style);
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
        const QFontMetricsF& metrics = font(xf.font).metrics;
        const double room = cell.width() - 2 * kPadding;
        if (metrics.horizontalAdvance(text) > room) {
            const QString fitted
                = xf.numFmt == 0 ? generalToFit(tables_.strings.text(s.str), metrics, room) : QString();
            const int marks = std::max(1, int(room / std::max(0.1, metrics.horizontalAdvance(u'#'))));
            drawText(painter, cell, clip, fitted.isEmpty() ? QString(marks, u'#') : fitted, xf, true);
            return;
        }
    } else if (!xf.wrap && !xf.shrink && !text.contains(u'\n') && xf.rotation != 255 && xf.h != HAlign::Fill) {
        const QFontMetricsF& metrics = font(xf.font).metrics;
        const double w = rotatedWidth(metrics.horizontalAdvance(text), metrics.lineSpacing(), xf.rotation)
            + 2 * kPadding + indentPoints(xf);
        if (w > cell.width())
            clip = overflowBox(r, c, cell, w, xf);
    }
    drawText(painter, cell, clip, text, xf, s.number);
}

QString CellPainter::shownText(uint32_t str, bool number, const sheet::Xf& xf) const
{
    const QString text = QString::fromStdString(tables_.strings.text(str));
    if (!number)
        return text;
    const std::string code
        = xf.numFmt >= sheet::kFirstCustomFormat ? tables_.styles.formatCode(xf.numFmt) : builtinFormatCode(xf.numFmt);
    return formatNumber(text, code);
}

bool CellPainter::cellIsFree(int r, int c) const
{
    if (c < 1 || c > geo_.colCount())
        return false;
    if (const Slot* s = slot(r, c))
        return s->merge < 0 && s->str == sheet::kNoString;
    const sheet::Cell* cell = data_.findCell(r, c);
    return (!cell || cell->str == sheet::kNoString) && !data_.mergeAt(r, c);
}

QRectF CellPainter::overflowBox(int r, int c, const QRectF& cell, double textWidth, const sheet::Xf& xf) const
{
    const int flag = horizontalFlag(xf.h);
    QRectF box = cell;
    const bool toRight = flag != Qt::AlignRight;
    const bool toLeft = flag != Qt::AlignLeft;
    const double need = flag == Qt::AlignHCenter ? (textWidth - cell.width()) / 2 : textWidth - cell.width();
    for (int k = c + 1; toRight && box.right() < cell.right() + need && cellIsFree(r, k); ++k)
        box.setRight(geo_.colRight(k));
    for (int k = c - 1; toLeft && box.left() > cell.left() - need && cellIsFree(r, k); --k)
        box.setLeft(geo_.colLeft(k));
    return box;
}

QRectF CellPainter::centreAcrossBox(int r, int c, const QRectF& cell) const
{
    QRectF box = cell;
    for (int k = c + 1; cellIsFree(r, k); ++k) {
        const sheet::Cell* next = data_.findCell(r, k);
        if (!next || tables_.styles.xf(next->style).h != HAlign::CenterContinuous)
            break;
        box.setRight(geo_.colRight(k));
    }
    return box;
}

const CellPainter::FontEntry& CellPainter::font(uint32_t fontIndex)
{
    auto it = fonts_.find(fontIndex);
    if (it == fonts_.end()) {
        const QFont f = cellFont(tables_.styles, tables_.styles.font(fontIndex), dpi_);
        it = fonts_.emplace(fontIndex, FontEntry{f, QFontMetricsF(f, device_)}).first;
    }
    return it->second;
}

QString generalToFit(const std::string& value, const QFontMetricsF& metrics, double room)
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

namespace {

// General is left for text and right for numbers; text turned upright or downwards (90 degrees
// and more, and stacked text) is right aligned too, as LibreOffice sets it.
HAlign shownAlignment(const sheet::Xf& xf, bool number)
{
    if (xf.h != HAlign::General)
        return xf.h;
    const bool turned = (xf.rotation >= 90 && xf.rotation <= 180) || xf.rotation == 255;
    return number || turned ? HAlign::Right : HAlign::General;
}

} // namespace

// Three spaces of the standard font a level, as the spreadsheet programs indent.
double CellPainter::indentPoints(const sheet::Xf& xf)
{
    return xf.indent == 0 ? 0 : 3.0 * xf.indent * font(0).metrics.horizontalAdvance(u' ');
}

void CellPainter::drawText(QPainter& painter, const QRectF& box, const QRectF& clip, const QString& text,
                           const sheet::Xf& xf, bool number)
{
    const FontEntry& entry = font(xf.font);
    const sheet::Font& cf = tables_.styles.font(xf.font);
    const TextFormat format{entry.font,
                            colours_.paint(cf.color, Qt::black),
                            cf.underline,
                            shownAlignment(xf, number),
                            xf.v,
                            xf.wrap,
                            xf.shrink,
                            xf.rotation,
                            indentPoints(xf)};
    CellText(format, entry.metrics, device_).draw(painter, box, clip, text);
}

// Edges are gathered by style and colour, neighbouring edges of one style and colour joined
// into one stroke, and each drawn with one pen: far fewer strokes than one per cell edge.
void CellPainter::paintBorders(QPainter& painter, const Rect& area)
{
    using Edge = std::pair<Line, QRgb>;
    const auto& styles = tables_.styles;
    auto edgeOf = [&](const Slot* s, sheet::Edge e) {
        if (!s)
            return Edge{Line::None, 0};
        const sheet::Border& b = styles.border(styles.xf(s->style).border);
        return Edge{b.edge[e], colours_.paint(b.color[e], Qt::black).rgb()};
    };
    auto stronger = [](Edge a, Edge b) { return linePrecedence(a.first) >= linePrecedence(b.first) ? a : b; };
    Strokes strokes;
    Edge runEdge{Line::None, 0};
    QLineF run;
    auto flush = [&] {
        if (runEdge.first != Line::None)
            strokes[runEdge].push_back(run);
        runEdge = {Line::None, 0};
    };
    auto extend = [&](Edge edge, QPointF a, QPointF b) {
        if (edge.first == Line::None)
            edge.second = 0;
        if (edge != runEdge || run.p2() != a) {
            flush();
            runEdge = edge;
            run = QLineF(a, a);
        }
        if (edge.first != Line::None)
            run.setP2(b);
    };
    const int rBottom = std::min(area.r2 + 1, geo_.rowCount() + 1);
    const int cRight = std::min(area.c2 + 1, geo_.colCount() + 1);
    for (int r = area.r1; r <= rBottom; ++r) {
        const double y = r <= geo_.rowCount() ? geo_.rowTop(r) : geo_.height();
        for (int c = area.c1; c <= area.c2; ++c) {
            const Slot *s = slot(r, c), *up = slot(r - 1, c);
            const bool inner = s && up && s->merge >= 0 && s->merge == up->merge;
            const Edge edge
                = inner ? Edge{Line::None, 0} : stronger(edgeOf(s, sheet::EdgeTop), edgeOf(up, sheet::EdgeBottom));
            extend(edge, {geo_.colLeft(c), y}, {geo_.colRight(c), y});
        }
        flush();
    }
    for (int c = area.c1; c <= cRight; ++c) {
        const double x = c <= geo_.colCount() ? geo_.colLeft(c) : geo_.width();
        for (int r = area.r1; r <= area.r2; ++r) {
            const Slot *s = slot(r, c), *left = slot(r, c - 1);
            const bool inner = s && left && s->merge >= 0 && s->merge == left->merge;
            const Edge edge
                = inner ? Edge{Line::None, 0} : stronger(edgeOf(s, sheet::EdgeLeft), edgeOf(left, sheet::EdgeRight));
            extend(edge, {x, geo_.rowTop(r)}, {x, geo_.rowBottom(r)});
        }
        flush();
    }
    for (int r = area.r1; r <= area.r2; ++r)
        for (int c = area.c1; c <= area.c2; ++c)
            if (const Slot* s = slot(r, c); s->merge < 0 && s->style)
                addDiagonals(strokes, cellRect(r, c), s->style);
    for (const Rect& m : merges_)
        if (const sheet::Cell* first = data_.findCell(m.r1, m.c1))
            addDiagonals(strokes, mergeRect(m), first->style);
    for (const auto& [edge, lines] : strokes)
        drawEdges(painter, lines, edge.first, QColor::fromRgb(edge.second));
}

void CellPainter::addDiagonals(Strokes& strokes, const QRectF& rect, uint32_t style) const
{
    const sheet::Border& b = tables_.styles.border(tables_.styles.xf(style).border);
    const Line line = b.edge[sheet::EdgeDiagonal];
    if (line == Line::None)
        return;
    auto& lines = strokes[{line, colours_.paint(b.color[sheet::EdgeDiagonal], Qt::black).rgb()}];
    if (b.diagonalDown)
        lines.emplace_back(rect.topLeft(), rect.bottomRight());
    if (b.diagonalUp)
        lines.emplace_back(rect.bottomLeft(), rect.topRight());
}

} // namespace mirevo::render
