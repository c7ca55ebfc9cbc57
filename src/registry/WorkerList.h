#pragma once
#include <QDate>
#include <QString>
#include <vector>

namespace mirevo {

class TextGrid;

// Housekeeping of the registry's worker master list. A row holds a worker
// when its reading (column 1) is not blank; column 0 holds the row index as
// five-digit text ("00007") for such rows.
namespace workers {

// The five-digit list number of a row.
QString listNumber(int row);

// Column 0 of every worker row := its own index; rows without a reading
// keep their other cells.
void numberByPosition(TextGrid& list);

// Empties every row whose company (column 32) is `company` and marks it
// "99999" so that compact() moves it to the end.
void markCompanyWorkersEmpty(TextGrid& list, const QString& company);

// Moves the empty rows (blank number and reading, or marked "99999") to the
// end, keeping the workers in their order, then numbers the rows.
void compact(TextGrid& list);

// Removes the given master rows (rows below move up, the list keeps its
// row count) and points column 41 of every row that has one at the row
// itself again. Rows that are no data rows are ignored. Returns how many
// rows were removed.
int removeRows(TextGrid& list, std::vector<int> rows);

// Rewrites the dates of employment and birth as yyyy/mm/dd and the age
// from the birth date, for `today`. A date that is no date throws Error
// naming the row; rows before it keep their new values.
void recalculateAges(TextGrid& list, const QDate& today);

} // namespace workers
} // namespace mirevo
