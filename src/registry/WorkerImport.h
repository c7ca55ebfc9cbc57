#pragma once
#include "CsvTable.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace mirevo {
class Registry;
}

namespace mirevo::workerimport {

// A worker list as read from a file: its records, and whether it came
// from a workbook (whose date cells may hold day numbers).
struct Source {
    csv::Table table;
    bool fromWorkbook = false;
};

// Reads a .csv / .tsv / .txt text (UTF-8 or code page 932) or the first
// sheet of an .xlsx workbook. Throws Error naming the file when it cannot
// be read.
Source readFile(const QString& path);

enum class Status { Add, Update, Skip, Reject };
// "取り込む", "更新", "省略", "エラー".
QString statusText(Status status);

// What happens to one data row of the file.
struct RowPlan {
    int line = 0;
    Status status = Status::Reject;
    QString reason;     // why a row is skipped or rejected
    QStringList record; // the worker record (42 cells) for Add and Update
    int targetRow = 0;  // the master list row for Update
};

struct Options {
    QString company;     // for rows without a 会社名 cell (or a file without that column)
    bool update = false; // existing workers (same 氏名 and 会社名) are updated, not skipped
    QDate today;         // for the ages and years of experience
};

struct Plan {
    QStringList unknownHeadings; // listed and ignored
    std::vector<RowPlan> rows;   // data rows in file order, empty lines left out

    int count(Status status) const;
    // One line per rejected row: "行 12: 生年月日が読めません: 1980/13/40".
    QStringList rejectedLines() const;
    // "取り込み 38 人、更新 0 人、省略 2 人、取り込めなかった行 3"
    QString summary() const;
};

// Matches the headings (the first non-empty record) to the worker
// record's columns and checks every row against the registry. Throws
// Error when the file has no 氏名 column.
Plan plan(const Source& source, const Registry& registry, const Options& options);

// Writes the plan's new and updated workers into the master list and saves
// the registry once. A save that fails puts the list back as it was and
// throws Error; so does a registry whose file was read only in part.
void apply(const Plan& plan, Registry& registry);

} // namespace mirevo::workerimport
