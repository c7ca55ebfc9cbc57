#pragma once
// Snapshot taken by CellRange::Copy and applied by CellRange::PasteSpecial.
#include "SheetData.h"

#include <memory>
#include <vector>

namespace mirevo::sheet {

struct WorkbookTables;

struct Clipboard {
    std::shared_ptr<WorkbookTables> tables; // tables the style and string indices refer to
    Rect source;
    bool wholeRows = false;
    std::vector<Row> rows;    // source rows; cells outside the source columns left out
    std::vector<Rect> merges; // merges inside the source, relative to its top-left (0-based)
};

} // namespace mirevo::sheet
