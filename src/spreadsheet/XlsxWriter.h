#pragma once
// Saving a workbook as an .xlsx package.
#include <string>

namespace mirevo::sheet {

class Workbook;

// Writes the workbook to `path` by the program's rule for replacing a file (OutputFile):
// atomically, through a symbolic link, never over a FIFO, a device or a read-only file, the
// replaced file's permissions kept. Throws SheetError on failure.
// `deflateLevel` 1 (fast) unless a benchmark compares at another level.
void writeXlsx(const Workbook& book, const std::string& path, int deflateLevel = 1);

} // namespace mirevo::sheet
