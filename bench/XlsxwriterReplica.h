#pragma once
// Writes the cells, merges, formats, widths, heights and page set-up of an engine workbook
// through libxlsxwriter, for comparison.
#include <string>

namespace mirevo::sheet {
class Workbook;
}

namespace mirevo::bench {

void writeWithXlsxwriter(const sheet::Workbook& book, const std::string& path, bool constantMemory = false);

} // namespace mirevo::bench
