#pragma once
#include "Finding.h"

namespace mirevo {
class Project;
}

namespace mirevo::check {

// Checks a site before its documents are made: the project record, the
// prime contractor, every row of the site contractor table with a company
// name and every site worker, on the project's 作成日 (on `today` when that
// is blank or cannot be read). Findings come grouped by company: the works
// first, then the prime contractor, then the table's companies in table
// order; a worker's findings stand with its company.
Report checkSite(const Project& project, const QDate& today);

} // namespace mirevo::check
