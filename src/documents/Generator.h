#pragma once
#include "Document.h"

#include <QStringList>

#include <functional>

namespace mirevo::sheet {
class Workbook;
class Worksheet;
}

namespace mirevo::documents {

struct Choice;

// The sheet count calculation over the companies of the table.
SheetCounts countSheets(const SiteView& site);
// Pages beyond the first for `items` at `perPage` a page (no cap).
int extraPages(int items, int perPage);

// What a conversion made.
struct ConversionReport {
    int sheets = 0;         // sheets of the output workbook
    QStringList notes;      // what a run could not read and left out
};

// Reports progress: `done` of `total` steps.
using Progress = std::function<void(int done, int total)>;

// The template conversion: for every chosen document (keys of the catalogue,
// in panel order) copies its template sheet(s) into `out` behind its last
// sheet, once or once per company, names each copy and runs the document's
// writer. `out` is a new workbook; its initial sheet is deleted at the end.
// Error when no key names a document. Any failure throws, and `out` keeps
// the sheets made so far.
ConversionReport convert(const SiteView& site, const QStringList& keys, const RunOptions& options,
                         sheet::Workbook& templates, sheet::Workbook& out, const Progress& progress = {});

} // namespace mirevo::documents
