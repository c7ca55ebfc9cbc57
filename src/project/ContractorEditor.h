#pragma once
#include <QString>
#include <vector>

namespace mirevo {

class Project;
class TextGrid;

// The contractor editor's exchange with the site contractor table: the
// editor always shows one row (the current row) and writes it back.
namespace editor {

// The text of "直近上位の会社No." that stands for the prime contractor.
QString primeUpperNo(); // "0 : 元請"

// Pixel widths of the table's columns (the table is never shown).
std::vector<int> columnWidths();

// Copies columns 1–45, the dedication and the business ID of the current
// row into the editor fields and rebuilds the tier outline; nothing when
// there is no current row.
void load(Project& project);
// Writes the editor into the current row (row 1 when none), numbers it and
// appends one empty row to the table.
void writeBack(Project& project);
// Numbers the rows with a company name 1, 2, 3 … and counts them.
void renumber(Project& project);
// Copies columns 1–39 of a company row into the editor fields.
void fillFromCompany(Project& project, const TextGrid& companies, int row);

// The upper-company name and tier from "直近上位の会社No.": the prime
// contractor and tier "1" for "0 : 元請", else the row numbered so and its
// tier + 1. A number or tier that is not a number stops it silently.
void refreshUpper(Project& project);
// Columns 40–42 of the current row (row 1 when none) := the editor's
// upper-company number, name and tier.
void writeUpper(Project& project);
// Showing the page "再下請負業者情報": the upper-company name from the row
// numbered as "直近上位の会社No." (the last such row), or the prime
// contractor's name and tier "1" for "0 : 元請".
void refreshOnPageEntry(Project& project);

// Before the registration window picks a subcontractor: when the current
// row holds a company, the pick goes to the first row without one (the
// table grows when there is none) and the site dates start blank, so that
// no company on the site is overwritten.
void beginCallUp(Project& project);
// After the registration window has closed: one more empty row; default
// upper company when none was picked ("0 : 元請"/"1" on row 1, else "1"/"2");
// refresh and write the upper company; renumber; the tier outline with
// its headings.
void finishCallUp(Project& project);

// "元請負に同じ" above "工期": the orderer's period; then write back.
void copyOrdererPeriod(Project& project);
// "元請負に同じ" above "契約日": the prime contractor page's period and
// contract date; then write back.
void copyPrimeDates(Project& project);

} // namespace editor
} // namespace mirevo
