#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class Registry;
class TextGrid;

// Edits of the company list that the registration window offers. Rows are
// company list rows (row 0 is the heading row).
namespace companies {

// The data row whose name and branch equal those of `record` (the last
// such row), or 0.
int rowOfCompany(const TextGrid& list, const QString& name, const QString& branch);

// Registers `record` (50 cells; columns 1–42 and 46–48 are taken) on the
// row of the same company, else on `selectedRow`; the list grows by one row
// either way. Returns the row written. Throws Error for a row that is no
// data row and for a record without company name.
int registerCompany(TextGrid& list, int selectedRow, const QStringList& record);

// Inserts an empty row at `selectedRow` (before row 1 when no data row is
// selected), growing the list when its last row holds data, and renumbers.
// Returns the empty row.
int insertEmptyRow(TextGrid& list, int selectedRow);

// Deletes the companies of rows `from` … `to` (either order), compacts the
// worker master list and renumbers the company list. The workers of a
// company name go with the last row of that name (branches share them).
void deleteCompanies(Registry& registry, int from, int to);

// Column 0 of every data row := its row number.
void renumber(TextGrid& list);

// The first data row whose company name is blank; a new row when none is.
int freeRow(TextGrid& list);

// Rows `top` … `bottom`, each from `left` to the last column joined by TAB
// and ended by CR LF.
QString copyText(const TextGrid& list, int top, int bottom, int left);

// Pastes TAB-separated lines from (`row`, `column`) on; the list grows by a
// row for each line that falls past its end; fields past the last column
// are dropped.
void pasteText(TextGrid& list, int row, int column, const QString& text);

} // namespace companies
} // namespace mirevo
