#pragma once

namespace mirevo {

class Project;
class TextGrid;

// The tier outline: the subcontractors of the site contractor table as an
// indented outline, read by the construction system diagram. Column t
// (1 … 9) holds the name of a tier-t company; a company's first
// subcontractor stands in the company's own row one column to the right,
// its further subcontractors in the rows below; column 0 holds the row
// number of every row that has a name. Row 0 holds the headings only after
// a subcontractor call-up. The outline keeps at least 100 rows and grows
// as needed, so no company is ever dropped.
namespace outline {

// Rebuilds `project.tierOutline` from rows 1 … shitaukeCount of the
// contractor table (columns 1, 41 and 42), headings emptied.
void build(Project& project);
// "No.", "1次下請け", "2次下請け", …
void setHeadings(TextGrid& outline);
// The number of the last row that holds a name (0 for an empty outline).
int lastRow(const TextGrid& outline);

} // namespace outline
} // namespace mirevo
