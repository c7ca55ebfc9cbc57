#pragma once
// Application, its workbooks and their sheet collections.
#include "StringTable.h"
#include "StyleTable.h"
#include "Worksheet.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QString;

namespace mirevo::sheet {

class Application;
class Workbook;
struct Clipboard;

// Style and string tables of a workbook; shared so that a clipboard outlives its workbook.
struct WorkbookTables {
    StyleTable styles;
    StringTable strings;
};

// A defined name: a print area (_xlnm.Print_Area), print titles (_xlnm.Print_Titles) or a
// name of the user's, global or local to one sheet. The formula is kept as the file gives it;
// renaming a sheet renames its references.
struct DefinedName {
    std::string name;
    const Worksheet *sheet = nullptr; // the sheet it is local to; null: global
    std::string formula;
    bool hidden = false;
};

class SheetList {
public:
    explicit SheetList(Workbook &book) : m_book(book) {}
    Worksheet &operator()(int index) const; // 1-based
    Worksheet &operator()(std::string_view name) const;
    Worksheet &operator()(const QString &name) const;
    Worksheet &operator()(const char *name) const { return (*this)(std::string_view(name)); }
    Worksheet &Item(int index) const { return (*this)(index); }
    int Count() const;
    // Inserts a blank worksheet before the active sheet (or behind `after`) and activates it.
    Worksheet &Add() const;
    Worksheet &Add(After after) const;

private:
    Workbook &m_book;
};

class Workbook {
public:
    explicit Workbook(Application &app);
    ~Workbook();

    Application &Parent() const { return m_app; }
    SheetList Sheets() { return SheetList(*this); }
    SheetList Worksheets() { return SheetList(*this); }
    SheetList WorkSheets() { return SheetList(*this); }
    // Sheets(1), Sheets("name"): one sheet by 1-based position or name.
    Worksheet &Sheets(int index) { return Sheets()(index); }
    Worksheet &Sheets(std::string_view name) { return Sheets()(name); }
    Worksheet &Sheets(const char *name) { return Sheets()(std::string_view(name)); }
    Worksheet &Sheets(const QString &name) { return Sheets()(name); }
    Worksheet &Worksheets(int index) { return Sheets()(index); }
    Worksheet &Worksheets(std::string_view name) { return Sheets()(name); }
    Worksheet &Worksheets(const char *name) { return Sheets()(std::string_view(name)); }
    Worksheet &WorkSheets(int index) { return Sheets()(index); }
    Worksheet &WorkSheets(std::string_view name) { return Sheets()(name); }
    Worksheet &WorkSheets(const char *name) { return Sheets()(std::string_view(name)); }
    Worksheet &ActiveSheet();
    // Closes the workbook; with saveChanges it is saved to its file first.
    void Close(bool saveChanges = false);
    void Save();
    void SaveAs(std::string_view path);
    void SaveAs(const QString &path);
    void SaveAs(const char *path) { SaveAs(std::string_view(path)); }
    const std::string &FullName() const { return m_path; }
    bool isClosed() const { return m_closed; }

    // Engine internals.
    WorkbookTables &tables() { return *m_tables; }
    const WorkbookTables &tables() const { return *m_tables; }
    const std::shared_ptr<WorkbookTables> &sharedTables() const { return m_tables; }
    const std::vector<std::unique_ptr<Worksheet>> &sheets() const { return m_sheets; }
    int activeIndex() const { return m_active; } // 0-based
    void setActiveIndex(int index);
    // Appends a sheet with a checked name (used by the reader and Add).
    Worksheet &insertSheet(int position, std::string name);
    void checkNewName(std::string_view name, const Worksheet *self) const;
    // The sheet of that name (ignoring case), or null; constant time.
    Worksheet *findSheet(std::string_view name) const;
    void renameSheet(Worksheet &sheet, std::string_view name);
    std::string copyName(const std::string &base) const;
    int positionOf(const Worksheet &sheet) const;
    void removeSheet(Worksheet &sheet);
    void moveSheet(Worksheet &sheet, int position);
    void setPath(std::string path) { m_path = std::move(path); }
    std::vector<DefinedName> &definedNames() { return m_names; }
    const std::vector<DefinedName> &definedNames() const { return m_names; }
    // The names local to `from` again, local to `copy` (a copy of it in this workbook).
    void copyLocalNames(const Worksheet &from, const Worksheet &copy);
    int visibleCount() const;
    // Makes a visible sheet active when the active one is hidden.
    void keepActiveVisible();
    // What the reader left out (drawings, comments...), one line each; also logged once at open.
    const std::vector<std::string> &droppedOnRead() const { return m_dropped; }
    // Dates counted from 1904-01-01 (workbookPr date1904) instead of 1900.
    bool date1904() const { return m_date1904; }
    void setDate1904(bool on) { m_date1904 = on; }
    void setDroppedOnRead(std::vector<std::string> dropped) { m_dropped = std::move(dropped); }
    // Reads the contents of every sheet opened on demand and not read yet, on every core;
    // throws the first malformed part's error (the other sheets are read all the same).
    void readSheets() const;
    // Translation of style and string indices from another workbook's tables.
    uint32_t importStyle(const std::shared_ptr<WorkbookTables> &from, uint32_t style);
    uint32_t importString(const std::shared_ptr<WorkbookTables> &from, uint32_t str);
    // The style and string indices of every cell of `rows`, from `from`'s tables to these.
    void importCells(const std::shared_ptr<WorkbookTables> &from, RowStore &rows);
    void checkOpen() const;

private:
    struct Import {
        std::shared_ptr<WorkbookTables> from;
        std::vector<uint32_t> styles;
        std::vector<uint32_t> strings;
    };
    Import &importFrom(const std::shared_ptr<WorkbookTables> &from);

    Application &m_app;
    std::shared_ptr<WorkbookTables> m_tables;
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
    std::vector<std::unique_ptr<Worksheet>> m_deleted; // kept so references never dangle
    std::vector<Import> m_imports;
    std::unordered_map<std::string, Worksheet *> m_byName; // sheetNameKey -> sheet
    std::vector<DefinedName> m_names;
    std::vector<std::string> m_dropped;
    int m_active = 0;
    int m_nextSheetNumber = 1;
    bool m_closed = false;
    bool m_date1904 = false;
    std::string m_path;
};

// When Open reads the sheets' contents: all of them before it returns (a malformed part
// refuses the workbook), or each when it is first needed. On demand, Open reads the workbook
// part, styles, shared strings and the active sheet, and keeps the package's bytes in memory;
// another sheet's part is parsed by the first call that needs its contents, which throws
// SheetError naming the file and the part if it is malformed. Saving reads every sheet still
// waiting, on every core. Either way the workbook's contents are the same.
enum class SheetReading { AtOpen, OnDemand };

class WorkbookList {
public:
    explicit WorkbookList(Application &app) : m_app(app) {}
    // New workbook with one empty sheet.
    Workbook &Add() const;
    Workbook &Open(std::string_view path, SheetReading reading = SheetReading::AtOpen) const;
    Workbook &Open(const QString &path, SheetReading reading = SheetReading::AtOpen) const;
    Workbook &Open(const char *path, SheetReading reading = SheetReading::AtOpen) const
    {
        return Open(std::string_view(path), reading);
    }
    int Count() const;
    Workbook &operator()(int index) const; // 1-based

private:
    Application &m_app;
};

class Application {
public:
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    WorkbookList Workbooks() { return WorkbookList(*this); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // Engine internals.
    std::vector<std::unique_ptr<Workbook>> &openBooks() { return m_open; }
    void closeBook(Workbook &book);
    Clipboard *clipboard() const { return m_clipboard.get(); }
    void setClipboard(std::unique_ptr<Clipboard> clip);

private:
    std::vector<std::unique_ptr<Workbook>> m_open;
    std::vector<std::unique_ptr<Workbook>> m_closed; // kept so references never dangle
    std::unique_ptr<Clipboard> m_clipboard;
    bool m_visible = false;
};

} // namespace mirevo::sheet
