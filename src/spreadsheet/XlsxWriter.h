#pragma once
// Saving a workbook as an .xlsx package.
#include <string>

namespace mirevo::sheet {

class Workbook;

// Writes the workbook to `path` atomically: a temporary file in the same folder is renamed
// over the target only when complete. Throws SheetError on failure.
void writeXlsx(const Workbook &book, const std::string &path);

} // namespace mirevo::sheet
