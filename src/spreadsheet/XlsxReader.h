#pragma once
// Loading an .xlsx package into a workbook.
#include <string>

namespace mirevo::sheet {

class Workbook;

// Fills the empty workbook `book` from the file. Throws SheetError naming the file and part
// when the package is missing a part or a part is malformed.
void readXlsx(Workbook &book, const std::string &path);

} // namespace mirevo::sheet
