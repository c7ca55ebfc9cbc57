#pragma once
#include "common/TextGrid.h"

#include <QStringList>

namespace mirevo::worker {

// Passed as the row to open when the caller has no worker row: a new worker.
constexpr int kNewWorker = 0;

// Data rows whose reading is neither empty nor " " (the count that places
// a new worker of the master list).
int countWorkers(const TextGrid& list);

// The first row from `from` on that holds no worker (blank reading), so a
// new worker never overwrites a stored one; the row just past the end of the
// list when every row from `from` on is taken.
int freeRow(const TextGrid& list, int from);

// What the roster window shows and where it stores: the record read from
// `row` (all empty for a new worker), "～" for a blank blood pressure, the
// default company for a blank company.
struct RosterEntry {
    QStringList record; // kColumns cells
    int targetRow = 0;
};

// `row` names a data row of `list`; kNewWorker, the heading row or a row
// past the end start a new worker stored at `newWorkerRow`.
RosterEntry entryForRow(const TextGrid& list, int row, int newWorkerRow, const QString& defaultCompany);

// Writes columns 1–35 of `record` into `row` of `list`, empties columns
// 36–40 and sets column 41 to the row. Column 0 stays the list's own.
// The list grows when `row` lies past its end. Throws Error for a row
// before the first data row.
void storeWorker(TextGrid& list, int row, const QStringList& record);

// The last data row of `list` holding the worker `name` of `company`
// (the row a refresh of the site list takes the worker from); 0 when
// there is none or the name is blank.
int findWorker(const TextGrid& list, const QString& name, const QString& company);

// An edit made on the site list carried into the master list: stores
// `record` into `row` of `master` as storeWorker() does, but the master
// row keeps its own site dates (columns 30 and 31), which belong to the
// site list.
void storeSiteEdit(TextGrid& master, int row, const QStringList& record);

} // namespace mirevo::worker
