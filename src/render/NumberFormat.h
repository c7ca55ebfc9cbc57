#pragma once
// A number as its cell's number format shows it: General, fixed decimals, thousands
// separators, percent, scientific, dates and times (the 1900 date system), the Japanese era
// (g gg ggg, e ee under [$-411] / [$-ja-JP]), sections for positive;negative;zero;text, literal
// text in quotes or after a backslash. Colours ([Red]) and conditions are read and not drawn.
#include <QString>

#include <cstdint>
#include <string>

namespace mirevo::render {

// The code of a built-in number format id (the Japanese spreadsheet's codes for the date ids
// 14, 22 and 27-58); empty for an id without one, which shows as General.
std::string builtinFormatCode(uint32_t id);

// `value` (a number as the file stores it) shown through `code`; `value` itself when it is
// not a number.
QString formatNumber(const QString& value, const std::string& code);

} // namespace mirevo::render
