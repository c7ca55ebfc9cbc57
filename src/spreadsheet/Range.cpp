#include "Range.h"

#include "Clipboard.h"
#include "ColumnWidth.h"
#include "RawXml.h"
#include "SheetError.h"
#include "Workbook.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace mirevo::sheet {

namespace {

constexpr int kMaxCellText = 32767;
// Cells one value or format call may create; a whole sheet would exhaust the memory.
constexpr int64_t kMaxEditCells = int64_t(1) << 24;
// Pixels of the widest digit of the standard font (ＭＳ Ｐゴシック 11): the file stores a
// column width as characters plus 5 pixels of padding, so 8.38 characters are 72 pixels.
constexpr double kDefaultColumnWidth = 8.38;

int hAlignIndex(int code)
{
    switch (code) {
    case -4131:
        return 1; // hAlignLeft
    case -4108:
        return 2; // xlCenter
    case -4152:
        return 3; // hAlignRight
    case -4130:
        return 5; // hAlignJustify
    case -4117:
        return 7; // hAlignDistributed
    default:
        if (code >= 1 && code <= 8)
            return code - 1;
        throw SheetError("横位置の値が正しくありません: " + std::to_string(code));
    }
}

int vAlignIndex(int code)
{
    static const int byCode[] = {1, 2, 0, 3, 4}; // 1 top, 2 centre, 3 bottom, 4 justify, 5 distributed
    switch (code) {
    case -4160:
        return 1; // vAlignTop
    case -4108:
        return 2; // xlCenter
    case -4107:
        return 0; // vAlignBottom
    case -4130:
        return 3; // hAlignJustify
    case -4117:
        return 4; // hAlignDistributed
    default:
        if (code >= 1 && code <= 5)
            return byCode[code - 1];
        throw SheetError("縦位置の値が正しくありません: " + std::to_string(code));
    }
}

void checkText(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (text.toUtf8() != QByteArray(utf8.data(), qsizetype(utf8.size())))
        throw SheetError("セルの値の文字コードが正しくありません (UTF-8 ではありません)");
    if (text.size() > kMaxCellText)
        throw SheetError("セルの値が 32767 文字を超えています (" + std::to_string(text.size()) + " 文字)");
}

// Automation colours are blue-green-red integers; the file holds ARGB.
uint32_t argbOf(long bgr)
{
    if (bgr < 0 || bgr > 0xFFFFFF)
        throw SheetError("色の値が正しくありません: " + std::to_string(bgr));
    const uint32_t red = uint32_t(bgr) & 0xFF;
    const uint32_t green = (uint32_t(bgr) >> 8) & 0xFF;
    const uint32_t blue = (uint32_t(bgr) >> 16) & 0xFF;
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

long bgrOf(uint32_t argb)
{
    return long((argb >> 16) & 0xFF) | long((argb >> 8) & 0xFF) << 8 | long(argb & 0xFF) << 16;
}

// A formula pasted `rows` down and `cols` right, its relative references following it.
uint32_t movedFormula(uint32_t formula, int rows, int cols, Workbook& book)
{
    if (formula == kNoString || (rows == 0 && cols == 0))
        return formula;
    return book.tables().strings.intern(shiftFormula(book.tables().strings.text(formula), rows, cols));
}

Row shiftedRow(const Row& src, int rows, int fromCol, int toCol, Workbook& book, const Clipboard& clip)
{
    const bool foreign = clip.tables != book.sharedTables();
    Row out = src;
    for (Cell& cell : out.cells) {
        cell.col = uint16_t(cell.col - fromCol + toCol);
        if (foreign) {
            cell.style = book.importStyle(clip.tables, cell.style);
            cell.str = book.importString(clip.tables, cell.str);
            cell.formula = book.importString(clip.tables, cell.formula);
        }
        cell.formula = movedFormula(cell.formula, rows, toCol - fromCol, book);
    }
    return out;
}

// Replaces columns [c1, c2] of `dst` with the cells of `src`.
void spliceCells(Row& dst, int c1, int c2, const Row& src)
{
    auto& cells = dst.cells;
    auto first = std::lower_bound(cells.begin(), cells.end(), c1, [](const Cell& c, int col) { return c.col < col; });
    auto last = std::lower_bound(first, cells.end(), c2 + 1, [](const Cell& c, int col) { return c.col < col; });
    first = cells.erase(first, last);
    cells.insert(first, src.cells.begin(), src.cells.end());
}

} // namespace

CellRange::CellRange(Worksheet& sheet, Rect area, bool wholeRows, bool wholeColumns)
    : sheet_(&sheet), area_(area), wholeRows_(wholeRows), wholeColumns_(wholeColumns)
{
}

std::string CellRange::Address() const
{
    return rectName(area_);
}

FontRef CellRange::Font() const
{
    return FontRef(*this);
}

BorderRef CellRange::Borders(int index) const
{
    return BorderRef(*this, index);
}

InteriorRef CellRange::Interior() const
{
    return InteriorRef(*this);
}

void CellRange::checkSize() const
{
    if (wholeRows_ || wholeColumns_)
        return;
    const int64_t cells = int64_t(area_.r2 - area_.r1 + 1) * (area_.c2 - area_.c1 + 1);
    if (cells > kMaxEditCells)
        throw SheetError("範囲が大きすぎます (" + std::to_string(cells) + " セル): " + Address());
}

void CellRange::edit(int kind, uint32_t value) const
{
    checkSize();
    auto& styles = sheet_->Parent().tables().styles;
    sheet_->data().editStyles(area_, styles, StyleEdit{EditKind(kind), value}, wholeRows_ || wholeColumns_);
}

uint32_t CellRange::topLeftStyle() const
{
    const Cell* cell = sheet_->data().findCell(area_.r1, area_.c1);
    return cell ? cell->style : 0;
}

void CellRange::setValue(std::string_view utf8) const
{
    try {
        checkText(utf8);
    } catch (const SheetError& e) {
        // The text alone does not tell which of thousands of values it was.
        throw SheetError("シート「" + sheet_->Name() + "」のセル " + Address() + ": " + e.what());
    }
    checkSize();
    const bool keepAsText = !utf8.empty() && utf8.front() == '\'';
    if (keepAsText)
        utf8.remove_prefix(1);
    auto& strings = sheet_->Parent().tables().strings;
    const uint32_t str = utf8.empty() ? kNoString : strings.intern(utf8);
    sheet_->data().setString(area_, str, wholeRows_ || wholeColumns_);
    edit(int(EditKind::QuotePrefix), keepAsText ? 1 : 0);
}

void CellRange::setValue(const QString& text) const
{
    setValue(std::string_view(text.toStdString()));
}

std::string CellRange::Value() const
{
    const Cell* cell = sheet_->data().findCell(area_.r1, area_.c1);
    if (!cell || cell->str == kNoString)
        return {};
    return sheet_->Parent().tables().strings.text(cell->str);
}

std::string CellRange::PrefixCharacter() const
{
    return sheet_->Parent().tables().styles.xf(topLeftStyle()).quotePrefix ? "'" : "";
}

void CellRange::setMergeCells(bool merge) const
{
    if (merge)
        sheet_->data().merge(area_);
    else
        sheet_->data().dropMergesIn(area_);
}

bool CellRange::MergeCells() const
{
    const Rect* m = sheet_->data().mergeAt(area_.r1, area_.c1);
    return m && m->containsRect(area_);
}

void CellRange::setHorizontalAlignment(int code) const
{
    edit(int(EditKind::HAlign), uint32_t(hAlignIndex(code)));
}

void CellRange::setVerticalAlignment(int code) const
{
    edit(int(EditKind::VAlign), uint32_t(vAlignIndex(code)));
}

int CellRange::HorizontalAlignment() const
{
    return int(sheet_->Parent().tables().styles.xf(topLeftStyle()).h) + 1;
}

int CellRange::VerticalAlignment() const
{
    static const int codes[] = {3, 1, 2, 4, 5};
    return codes[int(sheet_->Parent().tables().styles.xf(topLeftStyle()).v)];
}

void CellRange::setWrapText(bool wrap) const
{
    edit(int(EditKind::Wrap), wrap);
}
void CellRange::setShrinkToFit(bool shrink) const
{
    edit(int(EditKind::Shrink), shrink);
}
bool CellRange::WrapText() const
{
    return sheet_->Parent().tables().styles.xf(topLeftStyle()).wrap;
}
bool CellRange::ShrinkToFit() const
{
    return sheet_->Parent().tables().styles.xf(topLeftStyle()).shrink;
}

void CellRange::setColumnWidth(double chars) const
{
    if (!(chars >= 0 && chars <= 255))
        throw SheetError("列幅は 0 から 255 の間で指定してください: " + std::to_string(chars));
    sheet_->data().setColumnWidth(area_.c1, area_.c2, chars == 0 ? 0 : fileColumnWidth(chars), chars == 0);
}

double CellRange::ColumnWidth() const
{
    const auto& cols = sheet_->data().cols;
    if (area_.c1 > int(cols.size()) || !cols[size_t(area_.c1 - 1)].custom)
        return kDefaultColumnWidth;
    const ColInfo& info = cols[size_t(area_.c1 - 1)];
    return info.hidden ? 0 : charsOfColumnWidth(info.width);
}

void CellRange::setRowHeight(double points) const
{
    if (!(points >= 0 && points <= 409))
        throw SheetError("行の高さは 0 から 409 の間で指定してください: " + std::to_string(points));
    SheetData& data = sheet_->data();
    const int r2 = wholeColumns_ ? std::min(area_.r2, data.lastRow()) : area_.r2;
    data.setRowHeight(area_.r1, r2, points);
}

double CellRange::RowHeight() const
{
    const Row* row = sheet_->data().findRow(area_.r1);
    return row && row->customHeight ? row->height : 13.5;
}

CellRange CellRange::EntireRow() const
{
    return CellRange(*sheet_, Rect{area_.r1, 1, area_.r2, kMaxCols}, true, false);
}

CellRange CellRange::EntireColumn() const
{
    return CellRange(*sheet_, Rect{1, area_.c1, kMaxRows, area_.c2}, false, true);
}

void CellRange::Copy() const
{
    const SheetData& data = sheet_->data();
    auto clip = std::make_unique<Clipboard>();
    clip->tables = sheet_->Parent().sharedTables();
    clip->source = area_;
    clip->wholeRows = wholeRows_;
    const int lastRow = std::min(area_.r2, data.lastRow());
    for (int r = area_.r1; r <= lastRow; ++r) {
        const Row* stored = data.findRow(r);
        Row row = stored ? *stored : Row{};
        if (!wholeRows_)
            std::erase_if(row.cells, [&](const Cell& c) { return c.col < area_.c1 || c.col > area_.c2; });
        clip->rows.push_back(std::move(row));
    }
    data.merges.forEachIntersecting(area_, [&](const Rect& m) {
        if (area_.containsRect(m))
            clip->merges.push_back(Rect{m.r1 - area_.r1, m.c1 - area_.c1, m.r2 - area_.r1, m.c2 - area_.c1});
    });
    sheet_->Parent().Parent().setClipboard(std::move(clip));
}

void CellRange::PasteSpecial() const
{
    const Clipboard* clip = sheet_->Parent().Parent().clipboard();
    if (!clip)
        throw SheetError("貼り付ける内容がありません (先にコピーしてください)");
    const Rect& src = clip->source;
    const int top = area_.r1;
    const int left = clip->wholeRows ? 1 : area_.c1;
    const Rect target{top, left, top + src.r2 - src.r1, left + src.c2 - src.c1};
    if (target.r2 > kMaxRows || target.c2 > kMaxCols)
        throw SheetError("貼り付け先がシートの範囲を超えています: " + cellName(top, left));
    pasteRows(*clip, target);
    SheetData& data = sheet_->data();
    data.dropMergesIn(target);
    for (const Rect& m : clip->merges)
        data.merges.insert(Rect{m.r1 + top, m.c1 + left, m.r2 + top, m.c2 + left});
}

void CellRange::pasteRows(const Clipboard& clip, const Rect& target) const
{
    Workbook& book = sheet_->Parent();
    SheetData& data = sheet_->data();
    for (int i = 0; i <= target.r2 - target.r1; ++i) {
        const int r = target.r1 + i;
        const bool hasSource = i < int(clip.rows.size());
        if (!hasSource && r > data.lastRow())
            continue; // nothing there to clear
        const Row row = hasSource
            ? shiftedRow(clip.rows[size_t(i)], target.r1 - clip.source.r1, clip.source.c1, target.c1, book, clip)
            : Row{};
        if (clip.wholeRows)
            data.row(r) = row;
        else
            spliceCells(data.row(r), target.c1, target.c2, row);
    }
}

// ---- FontRef --------------------------------------------------------------------------

void FontRef::setName(std::string_view name) const
{
    if (name.empty() || QString::fromUtf8(name.data(), qsizetype(name.size())).size() > 31)
        throw SheetError("フォント名が正しくありません: \"" + std::string(name) + "\"");
    range_.edit(int(EditKind::FontName), range_.sheet().Parent().tables().styles.fontName(name));
}

void FontRef::setName(const QString& name) const
{
    setName(std::string_view(name.toStdString()));
}

void FontRef::setSize(double points) const
{
    if (!(points >= 1 && points <= 409))
        throw SheetError("フォントサイズは 1 から 409 の間で指定してください: " + std::to_string(points));
    range_.edit(int(EditKind::FontSize), uint32_t(std::lround(points * 100)));
}

void FontRef::setBold(bool bold) const
{
    range_.edit(int(EditKind::FontBold), bold);
}

void FontRef::setColor(long bgr) const
{
    range_.edit(int(EditKind::FontColor), argbOf(bgr));
}

namespace {

const Font& fontOf(const CellRange& range, uint32_t style)
{
    const auto& styles = range.sheet().Parent().tables().styles;
    return styles.font(styles.xf(style).font);
}

} // namespace

std::string FontRef::Name() const
{
    return range_.sheet().Parent().tables().styles.fontNameText(fontOf(range_, range_.topLeftStyle()).name);
}

double FontRef::Size() const
{
    return fontOf(range_, range_.topLeftStyle()).size100 / 100.0;
}
bool FontRef::Bold() const
{
    return fontOf(range_, range_.topLeftStyle()).bold;
}

long FontRef::Color() const
{
    const Font& f = fontOf(range_, range_.topLeftStyle());
    return f.color.isSet() ? bgrOf(f.color.argb) : 0;
}

// ---- InteriorRef ----------------------------------------------------------------------

void InteriorRef::setColor(long bgr) const
{
    range_.edit(int(EditKind::FillColor), argbOf(bgr));
}

long InteriorRef::Color() const
{
    const auto& styles = range_.sheet().Parent().tables().styles;
    const Fill& f = styles.fill(styles.xf(range_.topLeftStyle()).fill);
    return f.pattern == Pattern::Solid && f.fg.isSet() ? bgrOf(f.fg.argb) : 0xFFFFFF;
}

// ---- BorderRef ------------------------------------------------------------------------

BorderRef::BorderRef(const CellRange& range, int index) : range_(range), index_(index)
{
    if (index < borderLeft || index > borderDiagonalUp)
        throw SheetError("Borders の番号が正しくありません: " + std::to_string(index));
}

void BorderRef::setLineStyle(int lineStyle) const
{
    lineFromAutomation(lineStyle, xlThin); // refuses unknown codes
    range_.edit(int(EditKind::BorderLineStyle), uint32_t(index_ - 1) << 16 | uint16_t(int16_t(lineStyle)));
}

void BorderRef::setWeight(int weight) const
{
    lineFromAutomation(xlContinuous, weight); // refuses unknown weights
    range_.edit(int(EditKind::BorderWeight), uint32_t(index_ - 1) << 16 | uint16_t(int16_t(weight)));
}

namespace {

Line lineOf(const CellRange& range, uint32_t style, int index)
{
    const auto& styles = range.sheet().Parent().tables().styles;
    const Border& b = styles.border(styles.xf(style).border);
    if (index <= borderBottom)
        return b.edge[index - 1];
    const bool on = index == borderDiagonalDown ? b.diagonalDown : b.diagonalUp;
    return on ? b.edge[EdgeDiagonal] : Line::None;
}

} // namespace

int BorderRef::LineStyle() const
{
    return automationLineStyle(lineOf(range_, range_.topLeftStyle(), index_));
}
int BorderRef::Weight() const
{
    return automationWeight(lineOf(range_, range_.topLeftStyle(), index_));
}

} // namespace mirevo::sheet
