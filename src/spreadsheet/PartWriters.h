#pragma once
// One writer per package part; each appends the whole XML of its part to `out`.
#include <cstdint>
#include <string>
#include <vector>

namespace mirevo::sheet {

class Workbook;
class Worksheet;
class StringTable;
class StyleTable;

// Shared strings in the order the sheets first use them; `index` maps a table index to the
// position in sharedStrings.xml.
struct StringOrder {
    const StringTable* table = nullptr;
    std::vector<uint32_t> index;
    std::vector<uint32_t> order;
};
StringOrder orderStrings(const Workbook& book);

namespace ns {
inline constexpr const char* main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char* rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* pkgRel = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* types = "http://schemas.openxmlformats.org/package/2006/content-types";
} // namespace ns

// A part written as given (the theme, drawings, images, comments) under its name in the package.
struct PlainPart {
    std::string name;
    std::string contentType;
};
struct PackageRel {
    std::string id;
    std::string type;   // full type URI
    std::string target; // absolute ("/xl/...") or, when external, as given
    bool external = false;
};

void writeContentTypes(std::string& out, int sheetCount, const std::vector<PlainPart>& plain);
void writeRootRels(std::string& out);
void writeWorkbookRels(std::string& out, int sheetCount, bool theme);
void writeRels(std::string& out, const std::vector<PackageRel>& rels);
void writeWorkbookPart(std::string& out, const Workbook& book);
void writeWorksheetPart(std::string& out, const Worksheet& sheet, bool selected, const StringOrder& strings);
void writeStylesPart(std::string& out, const StyleTable& styles);
void writeSharedStringsPart(std::string& out, const StringTable& strings, const StringOrder& order);
void writeCorePart(std::string& out);
void writeAppPart(std::string& out);

} // namespace mirevo::sheet
