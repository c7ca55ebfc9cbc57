#pragma once
// Loading an .xlsx package into a workbook.
#include "Workbook.h"
#include "ZipReader.h"

#include <string>

namespace mirevo::sheet {

// What one workbook may hold, so that a small hostile file cannot cost gigabytes.
struct ReadLimits {
    PackageLimits package;
    long maxSheets = 100000;
    long maxCells = 10000000; // cells and rows together, over all sheets
};

// Fills the empty workbook `book` from the file. Throws SheetError naming the file and part
// when the package is missing a part, a part is malformed or the file passes a limit; on
// demand, a sheet other than the active one throws when its contents are first needed.
void readXlsx(Workbook& book, const std::string& path, const ReadLimits& limits = {},
              SheetReading reading = SheetReading::AtOpen);

} // namespace mirevo::sheet
