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
    const Worksheet* sheet = nullptr; // the sheet it is local to; null: global
    std::string formula;
    bool hidden = false;
};

class SheetList {
public:
    explicit SheetList(Workbook& book) : book_(book) { }
    Worksheet& operator()(int index) const; // 1-based
    Worksheet& operator()(std::string_view name) const;
    Worksheet& operator()(const QString& name) const;
    Worksheet& operator()(const char* name) const { return (*this)(std::string_view(name)); }
    Worksheet& Item(int index) const { return (*this)(index); }
    int Count() const;
    // Inserts a blank worksheet before the active sheet (or behind `after`) and activates it.
    Worksheet& Add() const;
    Worksheet& Add(After after) const;

private:
    Workbook& book_;
};

class Workbook {
public:
    explicit Workbook(Application& app);
    ~Workbook();

    Application& Parent() const { return app_; }
    SheetList Sheets() { return SheetList(*this); }
    SheetList Worksheets() { return SheetList(*this); }
    SheetList WorkSheets() { return SheetList(*this); }
    // Sheets(1), Sheets("name"): one sheet by 1-based position or name.
    Worksheet& Sheets(int index) { return Sheets()(index); }
    Worksheet& Sheets(std::string_view name) { return Sheets()(name); }
    Worksheet& Sheets(const char* name) { return Sheets()(std::string_view(name)); }
    Worksheet& Sheets(const QString& name) { return Sheets()(name); }
    Worksheet& Worksheets(int index) { return Sheets()(index); }
    Worksheet& Worksheets(std::string_view name) { return Sheets()(name); }
    Worksheet& Worksheets(const char* name) { return Sheets()(std::string_view(name)); }
    Worksheet& WorkSheets(int index) { return Sheets()(index); }
    Worksheet& WorkSheets(std::string_view name) { return Sheets()(name); }
    Worksheet& WorkSheets(const char* name) { return Sheets()(std::string_view(name)); }
    Worksheet& ActiveSheet();
    // Closes the workbook; with saveChanges it is saved to its file first.
    void Close(bool saveChanges = false);
    void Save();
    void SaveAs(std::string_view path);
    void SaveAs(const QString& path);
    void SaveAs(const char* path) { SaveAs(std::string_view(path)); }
    const std::string& FullName() const { return path_; }
    bool isClosed() const { return closed_; }

    // Engine internals.
    WorkbookTables& tables() { return *tables_; }
    const WorkbookTables& tables() const { return *tables_; }
    const std::shared_ptr<WorkbookTables>& sharedTables() const { return tables_; }
    const std::vector<std::unique_ptr<Worksheet>>& sheets() const { return sheets_; }
    int activeIndex() const { return active_; } // 0-based
    void setActiveIndex(int index);
    // Appends a sheet with a checked name (used by the reader and Add).
    Worksheet& insertSheet(int position, std::string name);
    void checkNewName(std::string_view name, const Worksheet* self) const;
    // The sheet of that name (ignoring case), or null; constant time.
    Worksheet* findSheet(std::string_view name) const;
    void renameSheet(Worksheet& sheet, std::string_view name);
    std::string copyName(const std::string& base) const;
    int positionOf(const Worksheet& sheet) const;
    void removeSheet(Worksheet& sheet);
    void moveSheet(Worksheet& sheet, int position);
    void setPath(std::string path) { path_ = std::move(path); }
    std::vector<DefinedName>& definedNames() { return names_; }
    const std::vector<DefinedName>& definedNames() const { return names_; }
    // The names local to `from` again, local to `copy` (a copy of it in this workbook).
    void copyLocalNames(const Worksheet& from, const Worksheet& copy);
    int visibleCount() const;
    // Makes a visible sheet active when the active one is hidden.
    void keepActiveVisible();
    // What the reader left out (drawings, comments...), one line each; also logged once at open.
    const std::vector<std::string>& droppedOnRead() const { return dropped_; }
    // Dates counted from 1904-01-01 (workbookPr date1904) instead of 1900.
    bool date1904() const { return date1904_; }
    void setDate1904(bool on) { date1904_ = on; }
    void setDroppedOnRead(std::vector<std::string> dropped) { dropped_ = std::move(dropped); }
    // Reads the contents of every sheet opened on demand and not read yet, on every core;
    // throws the first malformed part's error (the other sheets are read all the same).
    void readSheets() const;
    // Translation of style and string indices from another workbook's tables.
    uint32_t importStyle(const std::shared_ptr<WorkbookTables>& from, uint32_t style);
    uint32_t importString(const std::shared_ptr<WorkbookTables>& from, uint32_t str);
    // The style and string indices of every cell of `rows`, from `from`'s tables to these.
    void importCells(const std::shared_ptr<WorkbookTables>& from, RowStore& rows);
    void checkOpen() const;

private:
    struct Import {
        std::shared_ptr<WorkbookTables> from;
        std::vector<uint32_t> styles;
        std::vector<uint32_t> strings;
    };
    Import& importFrom(const std::shared_ptr<WorkbookTables>& from);

    Application& app_;
    std::shared_ptr<WorkbookTables> tables_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    std::vector<std::unique_ptr<Worksheet>> deleted_; // kept so references never dangle
    std::vector<Import> imports_;
    std::unordered_map<std::string, Worksheet*> byName_; // sheetNameKey -> sheet
    std::vector<DefinedName> names_;
    std::vector<std::string> dropped_;
    int active_ = 0;
    int nextSheetNumber_ = 1;
    bool closed_ = false;
    bool date1904_ = false;
    std::string path_;
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
    explicit WorkbookList(Application& app) : app_(app) { }
    // New workbook with one empty sheet.
    Workbook& Add() const;
    Workbook& Open(std::string_view path, SheetReading reading = SheetReading::AtOpen) const;
    Workbook& Open(const QString& path, SheetReading reading = SheetReading::AtOpen) const;
    Workbook& Open(const char* path, SheetReading reading = SheetReading::AtOpen) const
    {
        return Open(std::string_view(path), reading);
    }
    int Count() const;
    Workbook& operator()(int index) const; // 1-based

private:
    Application& app_;
};

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    WorkbookList Workbooks() { return WorkbookList(*this); }
    bool Visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // Engine internals.
    std::vector<std::unique_ptr<Workbook>>& openBooks() { return open_; }
    void closeBook(Workbook& book);
    Clipboard* clipboard() const { return clipboard_.get(); }
    void setClipboard(std::unique_ptr<Clipboard> clip);

private:
    std::vector<std::unique_ptr<Workbook>> open_;
    std::vector<std::unique_ptr<Workbook>> closed_; // kept so references never dangle
    std::unique_ptr<Clipboard> clipboard_;
    bool visible_ = false;
};

} // namespace mirevo::sheet
