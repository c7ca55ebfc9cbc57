#pragma once
// A workbook as PDF: one PDF page per printed page, in sheet order, each on its sheet's
// paper and orientation, fonts embedded.
#include <QString>

#include <vector>

namespace mirevo::sheet {
class Workbook;
}

namespace mirevo::render {

// Writes the printed pages of `sheets` (0-based positions; all sheets when empty) to `path`,
// atomically. Returns the number of pages. Throws SheetError when the file cannot be written
// or there is nothing to print.
int exportPdf(const sheet::Workbook& book, const QString& path, const std::vector<int>& sheets = {});

} // namespace mirevo::render
