#pragma once
// Builds, through the engine's object model, a workbook shaped like a large site's document
// set: 18 formatted A3 forms, 600 sheets copied from them, page blocks repeated by row
// copy and paste, and 1,200 worker blocks of values.
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::bench {

struct SiteShape {
    int sheets = 600;
    int forms = 18;
    int workers = 1200;
};

// Returns the output workbook (owned by `app`).
sheet::Workbook& buildSiteWorkbook(sheet::Application& app, const SiteShape& shape);

} // namespace mirevo::bench
