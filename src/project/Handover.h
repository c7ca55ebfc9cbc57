#pragma once
#include <QStringList>

namespace mirevo {

class Project;
class TextGrid;

// What the registration window hands to the project: a picked company as
// prime contractor or subcontractor, and the marked workers of a company.
// `record` is a company record of 50 cells as the entry panel holds it
// (columns 1–42, 46 "0"/"1" for 選任/非選任, 47 business ID).
namespace handover {

// Columns 1–39 into the prime contractor fields, the dedication into
// RadioButton5/6, the business ID into Edit84. Columns 40–42 and 48 stay.
void toPrime(Project& project, const QStringList& record);

// Columns 1–39 into the contractor editor fields, the dedication into
// RadioButton3/4, the business ID into Edit83, then the editor is written
// back into the site contractor table.
void toContractor(Project& project, const QStringList& record);

// The second half of a subcontractor pick: the picked row's upper company
// number, name and tier into the editor, the guide on the tree's buttons,
// and row 1 as current row when there was none.
void completeContractorPick(Project& project, const QStringList& record);

// Appends every marked row of `view` to the site worker list after row
// `st3Count`, on rows that hold no worker (the list grows as needed),
// with column 41 emptied, and counts them into `st3Count`. Returns how many
// workers were appended.
int workersToSite(Project& project, const TextGrid& view);

} // namespace handover
} // namespace mirevo
