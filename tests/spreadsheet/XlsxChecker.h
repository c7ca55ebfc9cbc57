#pragma once
// Structural checker for .xlsx packages written by the engine: part and relationship
// consistency, element order, index ranges, merges, sheet names and page breaks.
#include <string>
#include <vector>

namespace mirevo::sheet::test {

// Every problem found, each naming its part; empty when the package is sound.
std::vector<std::string> checkXlsx(const std::string& path);

} // namespace mirevo::sheet::test
