#pragma once
// Saving a workbook as an .xlsx package.
#include <string>

namespace mirevo::sheet {

class Workbook;

// Writes the workbook to `path` atomically: a temporary file in the same folder is renamed
// over the target only when complete. Throws SheetError on failure.
// `deflateLevel` 1 (fast) unless a benchmark compares at another level.
void writeXlsx(const Workbook &book, const std::string &path, int deflateLevel = 1);

} // namespace mirevo::sheet
