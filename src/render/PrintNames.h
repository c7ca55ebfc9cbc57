#pragma once
// A sheet's print area and print titles, read from the workbook's defined names
// _xlnm.Print_Area and _xlnm.Print_Titles local to the sheet.
#include "spreadsheet/CellRef.h"

#include <string_view>
#include <vector>

namespace mirevo::sheet {
class Worksheet;
}

namespace mirevo::render {

struct PrintTitles {
    int r1 = 0, r2 = 0; // rows repeated at the top of every page; 0: none
    int c1 = 0, c2 = 0; // columns repeated at the left
};

// The ranges of a reference list such as "'名簿'!$A$1:$H$20,'名簿'!$J$1:$K$5", "Sheet1!$1:$3"
// (whole rows) or "Sheet1!$A:$B" (whole columns). Parts it cannot read are left out.
std::vector<sheet::Rect> referenceList(std::string_view formula);

// The print areas of a sheet, in the order given; empty when it has none.
std::vector<sheet::Rect> printAreas(const sheet::Worksheet& sheet);
PrintTitles printTitles(const sheet::Worksheet& sheet);

} // namespace mirevo::render
