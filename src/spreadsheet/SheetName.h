#pragma once
// Sheet name rules of the spreadsheet application.
#include <string>
#include <string_view>

namespace mirevo::sheet {

// Throws SheetError saying why `name` cannot be a sheet name (ignoring other sheets).
void checkSheetName(std::string_view name);
// Whether two names are the same sheet name (the comparison ignores case).
bool sameSheetName(std::string_view a, std::string_view b);
// Key equal for names that are the same sheet name (case folded), for look-up tables.
std::string sheetNameKey(std::string_view name);
// "'name'!" with apostrophes doubled: a sheet prefix valid in any formula.
std::string sheetPrefix(std::string_view name);
// The formula with every reference to sheet `from` ('from'! or from!) pointing to `to`.
std::string renameSheetReferences(std::string_view formula, std::string_view from, std::string_view to);
// Length as the spreadsheet counts it (UTF-16 code units).
int sheetNameLength(std::string_view utf8);
// `base` shortened so that it plus `suffix` fits the length limit.
std::string fitSheetName(std::string_view base, std::string_view suffix);

} // namespace mirevo::sheet
