#pragma once
#include "common/TextGrid.h"

#include <QString>
#include <vector>

namespace mirevo {

// The company worker view of the registration window: copies of the
// master list rows of one company. Column 0 holds the mark "〇", column 41
// the master row the copy came from.
namespace workerview {

constexpr int kRows = 49; // heading row and 48 workers; grows to hold all

QStringList headings();
const QString& mark();

// A fresh view of the workers whose company (column 32) is `company`
// exactly, in master list order; none for a blank company name.
TextGrid build(const TextGrid& master, const QString& company);

bool holdsWorker(const TextGrid& view, int row);
bool isMarked(const TextGrid& view, int row);
// Toggles the mark of a row that holds a worker; false when it holds none.
bool toggleMark(TextGrid& view, int row);
// Marks (or unmarks) every row that holds a worker.
void markAll(TextGrid& view, bool marked);

// The master rows that view rows `from` … `to` (either order) point to.
std::vector<int> masterRows(const TextGrid& view, int from, int to);

// The view rows of `from` … `to` that point to a master row.
std::vector<int> rowsWithWorkers(const TextGrid& view, int from, int to);

} // namespace workerview
} // namespace mirevo
