#pragma once
// Elements the engine carries without modelling them, serialised so that they stand on their
// own in the part the engine writes.
#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace mirevo::sheet {

// XML of the element and its contents: elements of the spreadsheet namespace without a
// prefix, the relationships namespace as r:, any other namespace declared where it is first
// used (also those mc:Ignorable names).
std::string outerXml(const pugi::xml_node& node);

// The formula with its relative references moved by (rows, cols); a reference moved off the
// sheet becomes #REF!. Text in quotes, sheet names and function names are left alone.
std::string shiftFormula(std::string_view formula, int rows, int cols);

} // namespace mirevo::sheet
