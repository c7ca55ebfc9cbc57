#pragma once
#include <QString>

namespace mirevo {

class Project;
class TextGrid;

// The contractor editor's exchange with the site contractor table: the
// editor always shows one row (the current row) and writes it back.
namespace editor {

// Copies columns 1–45, the dedication and the business ID of the current
// row into the editor fields; nothing when there is no current row.
void load(Project& project);
// Writes the editor into the current row (row 1 when none), numbers it and
// appends one empty row to the table.
void writeBack(Project& project);
// Numbers the rows with a company name 1, 2, 3 … and counts them.
void renumber(Project& project);
// Copies columns 1–39 of a company row into the editor fields.
void fillFromCompany(Project& project, const TextGrid& companies, int row);

} // namespace editor
} // namespace mirevo
