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

void Application::closeBook(Workbook &book)
{
    auto it = std::find_if(m_open.begin(), m_open.end(),
                           [&](const auto &b) { return b.get() == &book; });
    if (it == m_open.end())
        return;
    m_closed.push_back(std::move(*it));
    m_open.erase(it);
}

void Application::setClipboard(std::unique_ptr<Clipboard> clip) { m_clipboard = std::move(clip); }

// ---- WorkbookList ---------------------------------------------------------------------

Workbook &WorkbookList::Add() const
{
    auto book = std::make_unique<Workbook>(m_app);
    book->Sheets().Add();
    m_app.openBooks().push_back(std::move(book));
    return *m_app.openBooks().back();
}

Workbook &WorkbookList::Open(std::string_view path, SheetReading reading) const
{
    auto book = std::make_unique<Workbook>(m_app);
    readXlsx(*book, std::string(path), {}, reading);
    book->setPath(std::string(path));
    m_app.openBooks().push_back(std::move(book));
    return *m_app.openBooks().back();
}

Workbook &WorkbookList::Open(const QString &path, SheetReading reading) const
{
    return Open(path.toStdString(), reading);
}

int WorkbookList::Count() const { return int(m_app.openBooks().size()); }

Workbook &WorkbookList::operator()(int index) const
{
    if (index < 1 || index > Count())
        throw SheetError("ブック番号が範囲外です: " + std::to_string(index));
    return *m_app.openBooks()[size_t(index - 1)];
}

// ---- SheetList ------------------------------------------------------------------------

Worksheet &SheetList::operator()(int index) const
{
    m_book.checkOpen();
    if (index < 1 || index > Count())
        throw SheetError("シート番号が範囲外です: " + std::to_string(index) + " (シート数 "
                         + std::to_string(Count()) + ")");
    return *m_book.sheets()[size_t(index - 1)];
}

Worksheet &SheetList::operator()(std::string_view name) const
{
    m_book.checkOpen();
    if (Worksheet *sheet = m_book.findSheet(name))
        return *sheet;
    throw SheetError("シートが見つかりません: \"" + std::string(name) + "\"");
}

Worksheet &SheetList::operator()(const QString &name) const { return (*this)(name.toStdString()); }

int SheetList::Count() const { return int(m_book.sheets().size()); }

Worksheet &SheetList::Add() const
{
    m_book.checkOpen();
    return m_book.insertSheet(m_book.activeIndex(), {});
}

Worksheet &SheetList::Add(After after) const
{
    m_book.checkOpen();
    if (&after.sheet.Parent() != &m_book)
        throw SheetError("別のブックのシートの後ろには追加できません");
    return m_book.insertSheet(after.sheet.Index(), {});
}

// ---- Workbook -------------------------------------------------------------------------

Workbook::Workbook(Application &app) : m_app(app), m_tables(std::make_shared<WorkbookTables>()) {}

Workbook::~Workbook() = default;

void Workbook::checkOpen() const
{
    if (m_closed)
        throw SheetError("閉じたブックは操作できません");
}

Worksheet &Workbook::ActiveSheet()
{
    checkOpen();
    return *m_sheets[size_t(m_active)];
}

void Workbook::setActiveIndex(int index)
{
    if (index < 0 || index >= int(m_sheets.size()))
        throw SheetError("シート番号が範囲外です: " + std::to_string(index + 1));
    m_active = index;
}

void Workbook::Close(bool saveChanges)
{
    if (m_closed)
        return;
    if (saveChanges)
        Save();
    m_closed = true;
    m_app.closeBook(*this);
}

void Workbook::Save()
{
    if (m_path.empty())
        throw SheetError("保存先のファイル名がありません (SaveAs を使ってください)");
    SaveAs(m_path);
}

void Workbook::readSheets() const { sheet::readSheets(*this); }

void Workbook::SaveAs(std::string_view path)
{
    checkOpen();
    readSheets();
    writeXlsx(*this, std::string(path));
    m_path = std::string(path);
}

void Workbook::SaveAs(const QString &path) { SaveAs(path.toStdString()); }

void Workbook::checkNewName(std::string_view name, const Worksheet *self) const
{
    checkSheetName(name);
    const Worksheet *other = findSheet(name);
    if (other && other != self)
        throw SheetError("同じ名前のシートが既にあります: \"" + std::string(name) + "\"");
}

std::string Workbook::copyName(const std::string &base) const
{
    for (int n = 2;; ++n) {
        const std::string name = fitSheetName(base, " (" + std::to_string(n) + ")");
        if (!findSheet(name))
            return name;
    }
}

Worksheet &Workbook::insertSheet(int position, std::string name)
{
    if (name.empty()) {
        do
            name = "Sheet" + std::to_string(m_nextSheetNumber++);
        while (findSheet(name));
    }
    checkNewName(name, nullptr);
    position = std::clamp(position, 0, int(m_sheets.size()));
    m_sheets.insert(m_sheets.begin() + position, std::make_unique<Worksheet>(*this, name));
    m_active = position;
    Worksheet &sheet = *m_sheets[size_t(position)];
    m_byName.emplace(sheetNameKey(sheet.Name()), &sheet);
    return sheet;
}

Worksheet *Workbook::findSheet(std::string_view name) const
{
    const auto it = m_byName.find(sheetNameKey(name));
    return it == m_byName.end() ? nullptr : it->second;
}

void Workbook::renameSheet(Worksheet &sheet, std::string_view name)
{
    checkNewName(name, &sheet);
    for (DefinedName &n : m_names)
        n.formula = renameSheetReferences(n.formula, sheet.m_name, name);
    m_byName.erase(sheetNameKey(sheet.m_name));
    sheet.m_name = std::string(name);
    m_byName.emplace(sheetNameKey(sheet.m_name), &sheet);
}

int Workbook::positionOf(const Worksheet &sheet) const
{
    for (size_t i = 0; i < m_sheets.size(); ++i)
        if (m_sheets[i].get() == &sheet)
            return int(i);
    throw SheetError("シートがこのブックにありません: \"" + sheet.Name() + "\"");
}

void Workbook::removeSheet(Worksheet &sheet)
{
    checkOpen();
    if (m_sheets.size() == 1)
        throw SheetError("ブックの最後のシートは削除できません");
    const int pos = positionOf(sheet);
    if (sheet.Visible() == xlSheetVisible && visibleCount() == 1)
        throw SheetError("表示されている最後のシートは削除できません: \"" + sheet.Name() + "\"");
    m_byName.erase(sheetNameKey(sheet.Name()));
    std::erase_if(m_names, [&](const DefinedName &n) { return n.sheet == &sheet; });
    m_deleted.push_back(std::move(m_sheets[size_t(pos)]));
    m_sheets.erase(m_sheets.begin() + pos);
    if (m_active > pos || m_active >= int(m_sheets.size()))
        m_active = std::max(0, m_active - 1);
    keepActiveVisible();
}

int Workbook::visibleCount() const
{
    return int(std::count_if(m_sheets.begin(), m_sheets.end(),
                             [](const auto &s) { return s->Visible() == xlSheetVisible; }));
}

void Workbook::keepActiveVisible()
{
    if (m_sheets.empty() || m_sheets[size_t(m_active)]->Visible() == xlSheetVisible)
        return;
    for (size_t step = 1; step < m_sheets.size(); ++step) {
        const size_t i = (size_t(m_active) + step) % m_sheets.size();
        if (m_sheets[i]->Visible() == xlSheetVisible) {
            m_active = int(i);
            return;
        }
    }
}

void Workbook::copyLocalNames(const Worksheet &from, const Worksheet &copy)
{
    std::vector<DefinedName> added;
    for (const DefinedName &n : from.Parent().definedNames())
        if (n.sheet == &from)
            added.push_back({n.name, &copy, renameSheetReferences(n.formula, from.Name(), copy.Name()), n.hidden});
    m_names.insert(m_names.end(), added.begin(), added.end());
}

void Workbook::moveSheet(Worksheet &sheet, int position)
{
    Worksheet *active = m_sheets[size_t(m_active)].get();
    const int from = positionOf(sheet);
    auto owned = std::move(m_sheets[size_t(from)]);
    m_sheets.erase(m_sheets.begin() + from);
    position = std::clamp(position, 0, int(m_sheets.size()));
    m_sheets.insert(m_sheets.begin() + position, std::move(owned));
    m_active = positionOf(*active);
}

Workbook::Import &Workbook::importFrom(const std::shared_ptr<WorkbookTables> &from)
{
    for (Import &imp : m_imports)
        if (imp.from == from)
            return imp;
    m_imports.push_back(Import{from, {}, {}});
    return m_imports.back();
}

uint32_t Workbook::importStyle(const std::shared_ptr<WorkbookTables> &from, uint32_t style)
{
    if (from == m_tables)
        return style;
    Import &imp = importFrom(from);
    if (imp.styles.size() <= style)
        imp.styles.resize(from->styles.xfCount(), kNoString);
    uint32_t &mapped = imp.styles[style];
    if (mapped == kNoString)
        mapped = m_tables->styles.import(from->styles, style);
    return mapped;
}

uint32_t Workbook::importString(const std::shared_ptr<WorkbookTables> &from, uint32_t str)
{
    if (from == m_tables || str == kNoString)
        return str;
    Import &imp = importFrom(from);
    if (imp.strings.size() <= str)
        imp.strings.resize(from->strings.size(), kNoString);
    uint32_t &mapped = imp.strings[str];
    if (mapped == kNoString) {
        const std::string *rich = from->strings.richXml(str);
        mapped = rich ? m_tables->strings.internRich(from->strings.text(str), *rich)
                      : m_tables->strings.intern(from->strings.text(str));
    }
    return mapped;
}

void Workbook::importCells(const std::shared_ptr<WorkbookTables> &from, RowStore &rows)
{
    if (from == m_tables)
        return;
    Import &imp = importFrom(from);
    imp.styles.resize(std::max(imp.styles.size(), from->styles.xfCount()), kNoString);
    imp.strings.resize(std::max(imp.strings.size(), from->strings.size()), kNoString);
    auto style = [&](uint32_t s) {
        uint32_t &mapped = imp.styles[s];
        return mapped != kNoString ? mapped : mapped = m_tables->styles.import(from->styles, s);
    };
    auto string = [&](uint32_t s) {
        if (s == kNoString)
            return s;
        const uint32_t mapped = imp.strings[s];
        return mapped != kNoString ? mapped : importString(from, s);
    };
    rows.forEach([&](int, Row &row) {
        for (Cell &cell : row.cells) {
            cell.style = style(cell.style);
            cell.str = string(cell.str);
            cell.formula = string(cell.formula);
        }
    });
}

} // namespace mirevo::sheet
