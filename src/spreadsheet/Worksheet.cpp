#include "Worksheet.h"

#include "SheetError.h"
#include "SheetName.h"
#include "SheetSource.h"
#include "Workbook.h"

#include <QString>

#include <algorithm>
#include <charconv>

namespace mirevo::sheet {

namespace {

constexpr double kPointsPerInch = 72.0;

// dxfId="n" of kept conditional formats, moved by `offset`.
std::string shiftDxfIds(const std::string& xml, uint32_t offset)
{
    static constexpr std::string_view key = " dxfId=\"";
    if (offset == 0 || xml.find(key) == std::string::npos)
        return xml;
    std::string out;
    size_t from = 0;
    for (size_t at; (at = xml.find(key, from)) != std::string::npos;) {
        const size_t digits = at + key.size();
        unsigned long id = 0;
        const auto res = std::from_chars(xml.data() + digits, xml.data() + xml.size(), id);
        out.append(xml, from, digits - from);
        from = digits;
        if (res.ec == std::errc() && *res.ptr == '"') {
            out += std::to_string(id + offset);
            from = size_t(res.ptr - xml.data());
        }
    }
    out.append(xml, from);
    return out;
}

// Dates and times of a sheet copied between workbooks of the two date systems, moved so that
// they show the same day (1904-01-01 is day 1,462 of the 1900 system).
void shiftDates(SheetData& data, WorkbookTables& tables, double days)
{
    data.rows.forEach([&](int, Row& row) {
        for (Cell& cell : row.cells) {
            if (cell.kind != CellKind::Number || cell.formula != kNoString
                || !tables.styles.isDateFormat(tables.styles.xf(cell.style).numFmt))
                continue;
            const std::string& text = tables.strings.text(cell.str);
            double value = 0;
            const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
            if (res.ec != std::errc())
                continue;
            char buf[32];
            const auto end = std::to_chars(buf, buf + sizeof buf, value + days).ptr;
            cell.str = tables.strings.intern(std::string_view(buf, size_t(end - buf)));
        }
    });
}

void remapCells(SheetData& data, Workbook& to, const std::shared_ptr<WorkbookTables>& from)
{
    to.tables().styles.adoptTheme(from->styles);
    to.importCells(from, data.rows);
    const uint32_t dxfOffset = to.tables().styles.importDxfs(from->styles);
    data.extras.afterMerges = shiftDxfIds(data.extras.afterMerges, dxfOffset);
}

} // namespace

Worksheet::Worksheet(Workbook& book, std::string name) : book_(&book), name_(std::move(name))
{
}

void Worksheet::readFromSource() const
{
    data_ = source_->read(*this);
    source_.reset();
}

void Worksheet::checkAlive() const
{
    if (!book_)
        throw SheetError("削除されたシートは操作できません: \"" + name_ + "\"");
    book_->checkOpen();
}

Workbook& Worksheet::Parent() const
{
    if (!book_)
        throw SheetError("削除されたシートは操作できません: \"" + name_ + "\"");
    return *book_;
}

const std::string& Worksheet::Name() const
{
    return name_;
}

void Worksheet::setName(std::string_view name)
{
    checkAlive();
    book_->renameSheet(*this, name);
}

void Worksheet::setName(const QString& name)
{
    setName(name.toStdString());
}

int Worksheet::Index() const
{
    checkAlive();
    return book_->positionOf(*this) + 1;
}

void Worksheet::setVisible(int state)
{
    checkAlive();
    state = state == xlSheetHidden || state == xlSheetVeryHidden ? state : xlSheetVisible;
    if (state != xlSheetVisible && visible_ == xlSheetVisible && book_->visibleCount() == 1)
        throw SheetError("表示されているシートが 1 枚だけのときは非表示にできません: \"" + name_ + "\"");
    visible_ = state;
    book_->keepActiveVisible();
}

void Worksheet::Select()
{
    checkAlive();
    if (visible_ != xlSheetVisible)
        throw SheetError("非表示のシートは選択できません: \"" + name_ + "\"");
    book_->setActiveIndex(book_->positionOf(*this));
}

Worksheet& Worksheet::Copy(After after)
{
    checkAlive();
    after.sheet.checkAlive();
    Workbook& to = after.sheet.Parent();
    const SheetData& contents = data(); // read before the copy exists: a malformed part adds no sheet
    const bool taken = to.findSheet(name_) != nullptr;
    Worksheet& copy = to.insertSheet(after.sheet.Index(), taken ? to.copyName(name_) : name_);
    copy.data_ = contents;
    if (&to != book_)
        remapCells(copy.data_, to, book_->sharedTables());
    if (&to != book_ && book_->date1904() != to.date1904())
        shiftDates(copy.data_, to.tables(), book_->date1904() ? 1462 : -1462);
    to.copyLocalNames(*this, copy);
    return copy;
}

Worksheet& Worksheet::Copy(Before before)
{
    Worksheet& copy = Copy(After{before.sheet});
    copy.Parent().moveSheet(copy, before.sheet.Index() - 1);
    return copy;
}

void Worksheet::Move(After after)
{
    checkAlive();
    after.sheet.checkAlive();
    if (&after.sheet.Parent() != book_) {
        if (book_->sheets().size() == 1)
            throw SheetError("ブックの最後のシートは移動できません");
        Worksheet& copy = Copy(after);
        Delete();
        copy.Select();
        return;
    }
    if (&after.sheet == this)
        return;
    const int from = Index() - 1;
    int to = after.sheet.Index();
    if (from < to)
        --to;
    book_->moveSheet(*this, to);
}

void Worksheet::Delete()
{
    checkAlive();
    book_->removeSheet(*this);
    book_ = nullptr;
    data_ = SheetData{};
    source_.reset();
}

CellRange Worksheet::Range(std::string_view ref)
{
    checkAlive();
    return CellRange(*this, parseRect(ref));
}

CellRange Worksheet::Range(std::string_view first, std::string_view last)
{
    checkAlive();
    return CellRange(*this, spanRect(first, last));
}

CellRange Worksheet::Range(const QString& ref)
{
    return Range(ref.toStdString());
}

CellRange Worksheet::Range(const QString& first, const QString& last)
{
    return Range(first.toStdString(), last.toStdString());
}

CellRange Worksheet::Cells(int row, int col)
{
    checkAlive();
    if (row < 1 || row > kMaxRows || col < 1 || col > kMaxCols)
        throw SheetError("セル位置が範囲外です: (" + std::to_string(row) + ", " + std::to_string(col) + ")");
    return CellRange(*this, Rect{row, col, row, col});
}

CellRange Worksheet::Columns(int index)
{
    checkAlive();
    if (index < 1 || index > kMaxCols)
        throw SheetError("列番号が範囲外です: " + std::to_string(index));
    return CellRange(*this, Rect{1, index, kMaxRows, index}, false, true);
}

CellRange Worksheet::Rows(int index)
{
    checkAlive();
    if (index < 1 || index > kMaxRows)
        throw SheetError("行番号が範囲外です: " + std::to_string(index));
    return CellRange(*this, Rect{index, 1, index, kMaxCols}, true, false);
}

// ---- PageSetupRef ---------------------------------------------------------------------

namespace {

double inches(double points)
{
    if (points < 0 || points > 49 * kPointsPerInch)
        throw SheetError("余白の値が正しくありません: " + std::to_string(points));
    return points / kPointsPerInch;
}

} // namespace

void PageSetupRef::setTopMargin(double points) const
{
    sheet_.data().page.top = inches(points);
}
void PageSetupRef::setBottomMargin(double points) const
{
    sheet_.data().page.bottom = inches(points);
}
void PageSetupRef::setLeftMargin(double points) const
{
    sheet_.data().page.left = inches(points);
}
void PageSetupRef::setRightMargin(double points) const
{
    sheet_.data().page.right = inches(points);
}
double PageSetupRef::TopMargin() const
{
    return sheet_.data().page.top * kPointsPerInch;
}
double PageSetupRef::BottomMargin() const
{
    return sheet_.data().page.bottom * kPointsPerInch;
}
double PageSetupRef::LeftMargin() const
{
    return sheet_.data().page.left * kPointsPerInch;
}
double PageSetupRef::RightMargin() const
{
    return sheet_.data().page.right * kPointsPerInch;
}

void PageSetupRef::setZoom(int percent) const
{
    if (percent < 10 || percent > 400)
        throw SheetError("拡大縮小率は 10 から 400 の間で指定してください: " + std::to_string(percent));
    sheet_.data().page.scale = percent;
    sheet_.data().page.fitToPage = false;
}

void PageSetupRef::setPaperSize(int code) const
{
    if (code < 1 || code > 118)
        throw SheetError("用紙サイズの番号が正しくありません: " + std::to_string(code));
    sheet_.data().page.paperSize = code;
}

void PageSetupRef::setOrientation(int code) const
{
    if (code != 1 && code != 2)
        throw SheetError("印刷の向きは 1 (縦) か 2 (横) です: " + std::to_string(code));
    sheet_.data().page.orientation = code;
}

int PageSetupRef::Zoom() const
{
    return sheet_.data().page.scale ? sheet_.data().page.scale : 100;
}
int PageSetupRef::PaperSize() const
{
    return sheet_.data().page.paperSize ? sheet_.data().page.paperSize : 9;
}
int PageSetupRef::Orientation() const
{
    return sheet_.data().page.orientation ? sheet_.data().page.orientation : 1;
}

// ---- PageBreakList --------------------------------------------------------------------

void PageBreakList::Add(const CellRange& before) const
{
    if (&before.sheet() != &sheet_)
        throw SheetError("改ページの位置は同じシートのセルで指定してください");
    const int row = before.area().r1;
    if (row < 2)
        throw SheetError("1 行目の上には改ページを入れられません");
    sheet_.data().addRowBreak(row - 1);
}

int PageBreakList::Count() const
{
    return int(sheet_.data().rowBreaks.size());
}

} // namespace mirevo::sheet
