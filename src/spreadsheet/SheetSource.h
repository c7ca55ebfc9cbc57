#pragma once
// Sheet parts read apart from the rest of the package: each when its sheet's contents are first
// needed, or all that wait at once, on every core. A part is parsed into data and a string
// table of its own; they join the workbook on the thread that uses the workbook, sheet by
// sheet in order, so the workbook is the same whenever and wherever its parts were parsed.
#include "CarriedParts.h"
#include "SheetData.h"
#include "StringTable.h"
#include "ZipReader.h"

#include <atomic>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace mirevo::sheet {

class Workbook;
class Worksheet;

// Marks a string index of a parsed part as the workbook's own (a shared string); unmarked
// indices are the part's own table's.
constexpr uint32_t kWorkbookString = 0x80000000u;

// What a read left out, by kind, with the sheets (or names) it was in.
class DroppedContent {
public:
    // Once per place.
    void note(const std::string& what, const std::string& where);
    // Every time.
    void add(const std::string& what, const std::string& where) { places_[what].push_back(where); }
    // One line per kind: "コメント: 名簿, 表紙".
    std::vector<std::string> lines() const;

private:
    std::map<std::string, std::vector<std::string>> places_;
};

// Logs what was left out of `path` and gives the workbook the whole list.
void reportDropped(Workbook& book, const std::string& path, const std::vector<std::string>& logged,
                   const DroppedContent& dropped);

// What reading the sheet parts of one package needs; fixed once the workbook part, the styles
// and the shared strings are read.
struct SheetPackage {
    std::unique_ptr<ZipReader> zip; // for the thread that uses the workbook
    std::vector<uint32_t> styles;   // the file's xf -> the workbook's
    std::vector<uint32_t> strings;  // the file's shared string -> the workbook's, marked kWorkbookString
    std::atomic<long> cellsLeft{0}; // cells and rows the workbook may still take
    DroppedContent dropped;
    bool reported = false; // the open has reported what was dropped; later sheets report their own
};

// A sheet's part as parsed, before it joins its workbook.
struct ParsedSheet {
    SheetData data;
    StringTable strings;              // values and formulas of the cells not marked kWorkbookString
    std::vector<std::string> dropped; // what the part holds that is left out
};

// The part a sheet's contents come from while they have not been read.
class SheetSource {
public:
    SheetSource(std::shared_ptr<SheetPackage> package, std::string part, std::vector<CarriedRel> rels);

    // The contents for `sheet`, its strings in the workbook's table. A malformed part throws
    // SheetError naming the file and the part, at this call and at every later one.
    SheetData read(const Worksheet& sheet);
    // Parses the part with `zip`, a reader of the package for the calling thread; the result
    // (or the failure) waits for read(). Touches nothing of the workbook.
    void parse(ZipReader& zip);
    const SheetPackage& package() const { return *package_; }

private:
    std::shared_ptr<SheetPackage> package_;
    std::string part_;
    std::vector<CarriedRel> rels_; // from the part's relationships, read with the package
    std::unique_ptr<ParsedSheet> parsed_;
    std::exception_ptr failure_; // why the part cannot be read
};

// Reads every sheet of the workbook still waiting for its part, on every core. When parts are
// malformed the others are read all the same and the first failure in sheet order is thrown.
void readSheets(const Workbook& book);

} // namespace mirevo::sheet
