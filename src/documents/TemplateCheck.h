#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo::sheet {
class Workbook;
class Worksheet;
} // namespace mirevo::sheet

namespace mirevo::documents {

// Whether a template sheet can serve as a form, judged against the form as
// its layout routine draws it. Writers put each value into a box of the form
// by its cell address, so the sheet must hold, at the drawn addresses,
// - most of the form's fixed texts (a user may reword a few labels),
// - most of its boxes (merged cells), and
// - values in at most a third of the boxes that the drawn form leaves empty: those are the
//   boxes the writers fill, and a value there is the mark of a workbook
//   already generated, whose old values would show wherever a new site
//   leaves a box blank.
// Returns the reasons the sheet fails, empty when it passes.
QStringList formSheetProblems(const sheet::Worksheet& sheet, const sheet::Worksheet& drawn);

// Checks the template sheet of every form that the documents `keys` use;
// one line per failing sheet: which sheet, for which form, and why.
QStringList templateProblems(sheet::Workbook& templates, const QStringList& keys);

} // namespace mirevo::documents
