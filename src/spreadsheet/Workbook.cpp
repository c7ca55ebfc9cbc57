#include "Workbook.h"

#include "Clipboard.h"
#include "SheetError.h"
#include "SheetName.h"
#include "SheetSource.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"

#include <QString>

#include <algorithm>

namespace mirevo::sheet {

// ---- Application ----------------------------------------------------------------------

Application::Application() = default;
Application::~Application() = default;

void Application::closeBook(Workbook& book)
{
    auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& b) { return b.get() == &book; });
    if (it == open_.end())
        return;
    closed_.push_back(std::move(*it));
    open_.erase(it);
}

void Application::setClipboard(std::unique_ptr<Clipboard> clip)
{
    clipboard_ = std::move(clip);
}

// ---- WorkbookList ---------------------------------------------------------------------

Workbook& WorkbookList::Add() const
{
    auto book = std::make_unique<Workbook>(app_);
    book->Sheets().Add();
    app_.openBooks().push_back(std::move(book));
    return *app_.openBooks().back();
}

Workbook& WorkbookList::Open(std::string_view path, SheetReading reading) const
{
    auto book = std::make_unique<Workbook>(app_);
    readXlsx(*book, std::string(path), {}, reading);
    book->setPath(std::string(path));
    app_.openBooks().push_back(std::move(book));
    return *app_.openBooks().back();
}

Workbook& WorkbookList::Open(const QString& path, SheetReading reading) const
{
    return Open(path.toStdString(), reading);
}

int WorkbookList::Count() const
{
    return int(app_.openBooks().size());
}

Workbook& WorkbookList::operator()(int index) const
{
    if (index < 1 || index > Count())
        throw SheetError("ブック番号が範囲外です: " + std::to_string(index));
    return *app_.openBooks()[size_t(index - 1)];
}

// ---- SheetList ------------------------------------------------------------------------

Worksheet& SheetList::operator()(int index) const
{
    book_.checkOpen();
    if (index < 1 || index > Count())
        throw SheetError("シート番号が範囲外です: " + std::to_string(index) + " (シート数 " + std::to_string(Count())
                         + ")");
    return *book_.sheets()[size_t(index - 1)];
}

Worksheet& SheetList::operator()(std::string_view name) const
{
    book_.checkOpen();
    if (Worksheet* sheet = book_.findSheet(name))
        return *sheet;
    throw SheetError("シートが見つかりません: \"" + std::string(name) + "\"");
}

Worksheet& SheetList::operator()(const QString& name) const
{
    return (*this)(name.toStdString());
}

int SheetList::Count() const
{
    return int(book_.sheets().size());
}

Worksheet& SheetList::Add() const
{
    book_.checkOpen();
    return book_.insertSheet(book_.activeIndex(), {});
}

Worksheet& SheetList::Add(After after) const
{
    book_.checkOpen();
    if (&after.sheet.Parent() != &book_)
        throw SheetError("別のブックのシートの後ろには追加できません");
    return book_.insertSheet(after.sheet.Index(), {});
}

// ---- Workbook -------------------------------------------------------------------------

Workbook::Workbook(Application& app) : app_(app), tables_(std::make_shared<WorkbookTables>())
{
}

Workbook::~Workbook() = default;

void Workbook::checkOpen() const
{
    if (closed_)
        throw SheetError("閉じたブックは操作できません");
}

Worksheet& Workbook::ActiveSheet()
{
    checkOpen();
    return *sheets_[size_t(active_)];
}

void Workbook::setActiveIndex(int index)
{
    if (index < 0 || index >= int(sheets_.size()))
        throw SheetError("シート番号が範囲外です: " + std::to_string(index + 1));
    active_ = index;
}

void Workbook::Close(bool saveChanges)
{
    if (closed_)
        return;
    if (saveChanges)
        Save();
    closed_ = true;
    app_.closeBook(*this);
}

void Workbook::Save()
{
    if (path_.empty())
        throw SheetError("保存先のファイル名がありません (SaveAs を使ってください)");
    SaveAs(path_);
}

void Workbook::readSheets() const
{
    sheet::readSheets(*this);
}

void Workbook::SaveAs(std::string_view path)
{
    checkOpen();
    readSheets();
    writeXlsx(*this, std::string(path));
    path_ = std::string(path);
}

void Workbook::SaveAs(const QString& path)
{
    SaveAs(path.toStdString());
}

void Workbook::checkNewName(std::string_view name, const Worksheet* self) const
{
    checkSheetName(name);
    const Worksheet* other = findSheet(name);
    if (other && other != self)
        throw SheetError("同じ名前のシートが既にあります: \"" + std::string(name) + "\"");
}

std::string Workbook::copyName(const std::string& base) const
{
    for (int n = 2;; ++n) {
        const std::string name = fitSheetName(base, " (" + std::to_string(n) + ")");
        if (!findSheet(name))
            return name;
    }
}

Worksheet& Workbook::insertSheet(int position, std::string name)
{
    if (name.empty()) {
        do
            name = "Sheet" + std::to_string(nextSheetNumber_++);
        while (findSheet(name));
    }
    checkNewName(name, nullptr);
    position = std::clamp(position, 0, int(sheets_.size()));
    sheets_.insert(sheets_.begin() + position, std::make_unique<Worksheet>(*this, name));
    active_ = position;
    Worksheet& sheet = *sheets_[size_t(position)];
    byName_.emplace(sheetNameKey(sheet.Name()), &sheet);
    return sheet;
}

Worksheet* Workbook::findSheet(std::string_view name) const
{
    const auto it = byName_.find(sheetNameKey(name));
    return it == byName_.end() ? nullptr : it->second;
}

void Workbook::renameSheet(Worksheet& sheet, std::string_view name)
{
    checkNewName(name, &sheet);
    for (DefinedName& n : names_)
        n.formula = renameSheetReferences(n.formula, sheet.name_, name);
    byName_.erase(sheetNameKey(sheet.name_));
    sheet.name_ = std::string(name);
    byName_.emplace(sheetNameKey(sheet.name_), &sheet);
}

int Workbook::positionOf(const Worksheet& sheet) const
{
    for (size_t i = 0; i < sheets_.size(); ++i)
        if (sheets_[i].get() == &sheet)
            return int(i);
    throw SheetError("シートがこのブックにありません: \"" + sheet.Name() + "\"");
}

void Workbook::removeSheet(Worksheet& sheet)
{
    checkOpen();
    if (sheets_.size() == 1)
        throw SheetError("ブックの最後のシートは削除できません");
    const int pos = positionOf(sheet);
    if (sheet.Visible() == xlSheetVisible && visibleCount() == 1)
        throw SheetError("表示されている最後のシートは削除できません: \"" + sheet.Name() + "\"");
    byName_.erase(sheetNameKey(sheet.Name()));
    std::erase_if(names_, [&](const DefinedName& n) { return n.sheet == &sheet; });
    deleted_.push_back(std::move(sheets_[size_t(pos)]));
    sheets_.erase(sheets_.begin() + pos);
    if (active_ > pos || active_ >= int(sheets_.size()))
        active_ = std::max(0, active_ - 1);
    keepActiveVisible();
}

int Workbook::visibleCount() const
{
    return int(
        std::count_if(sheets_.begin(), sheets_.end(), [](const auto& s) { return s->Visible() == xlSheetVisible; }));
}

void Workbook::keepActiveVisible()
{
    if (sheets_.empty() || sheets_[size_t(active_)]->Visible() == xlSheetVisible)
        return;
    for (size_t step = 1; step < sheets_.size(); ++step) {
        const size_t i = (size_t(active_) + step) % sheets_.size();
        if (sheets_[i]->Visible() == xlSheetVisible) {
            active_ = int(i);
            return;
        }
    }
}

void Workbook::copyLocalNames(const Worksheet& from, const Worksheet& copy)
{
    std::vector<DefinedName> added;
    for (const DefinedName& n : from.Parent().definedNames())
        if (n.sheet == &from)
            added.push_back({n.name, &copy, renameSheetReferences(n.formula, from.Name(), copy.Name()), n.hidden});
    names_.insert(names_.end(), added.begin(), added.end());
}

void Workbook::moveSheet(Worksheet& sheet, int position)
{
    Worksheet* active = sheets_[size_t(active_)].get();
    const int from = positionOf(sheet);
    auto owned = std::move(sheets_[size_t(from)]);
    sheets_.erase(sheets_.begin() + from);
    position = std::clamp(position, 0, int(sheets_.size()));
    sheets_.insert(sheets_.begin() + position, std::move(owned));
    active_ = positionOf(*active);
}

Workbook::Import& Workbook::importFrom(const std::shared_ptr<WorkbookTables>& from)
{
    for (Import& imp : imports_)
        if (imp.from == from)
            return imp;
    imports_.push_back(Import{from, {}, {}});
    return imports_.back();
}

uint32_t Workbook::importStyle(const std::shared_ptr<WorkbookTables>& from, uint32_t style)
{
    if (from == tables_)
        return style;
    Import& imp = importFrom(from);
    if (imp.styles.size() <= style)
        imp.styles.resize(from->styles.xfCount(), kNoString);
    uint32_t& mapped = imp.styles[style];
    if (mapped == kNoString)
        mapped = tables_->styles.import(from->styles, style);
    return mapped;
}

uint32_t Workbook::importString(const std::shared_ptr<WorkbookTables>& from, uint32_t str)
{
    if (from == tables_ || str == kNoString)
        return str;
    Import& imp = importFrom(from);
    if (imp.strings.size() <= str)
        imp.strings.resize(from->strings.size(), kNoString);
    uint32_t& mapped = imp.strings[str];
    if (mapped == kNoString) {
        const std::string* rich = from->strings.richXml(str);
        mapped = rich ? tables_->strings.internRich(from->strings.text(str), *rich)
                      : tables_->strings.intern(from->strings.text(str));
    }
    return mapped;
}

void Workbook::importCells(const std::shared_ptr<WorkbookTables>& from, RowStore& rows)
{
    if (from == tables_)
        return;
    Import& imp = importFrom(from);
    imp.styles.resize(std::max(imp.styles.size(), from->styles.xfCount()), kNoString);
    imp.strings.resize(std::max(imp.strings.size(), from->strings.size()), kNoString);
    auto style = [&](uint32_t s) {
        uint32_t& mapped = imp.styles[s];
        return mapped != kNoString ? mapped : mapped = tables_->styles.import(from->styles, s);
    };
    auto string = [&](uint32_t s) {
        if (s == kNoString)
            return s;
        const uint32_t mapped = imp.strings[s];
        return mapped != kNoString ? mapped : importString(from, s);
    };
    rows.forEach([&](int, Row& row) {
        for (Cell& cell : row.cells) {
            cell.style = style(cell.style);
            cell.str = string(cell.str);
            cell.formula = string(cell.formula);
        }
    });
}

} // namespace mirevo::sheet
