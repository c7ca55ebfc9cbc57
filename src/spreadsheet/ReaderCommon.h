#pragma once
// Helpers shared by the part readers: namespace-agnostic element lookup, attribute parsing
// and errors that name the part.
#include <pugixml.hpp>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo::sheet {

class StringTable;
class StyleTable;
class SheetData;

struct PartContext {
    std::string file;
    std::string part;
    [[noreturn]] void fail(const std::string& why) const;
};

// Local name of an element ("x:row" -> "row").
std::string_view localName(const pugi::xml_node& node);
pugi::xml_node child(const pugi::xml_node& node, std::string_view name);
// Loads the part's XML; throws naming the part when it is not well-formed.
void loadXml(pugi::xml_document& doc, std::string& data, const PartContext& ctx);
bool boolAttr(const pugi::xml_node& node, const char* name, bool fallback);
double doubleAttr(const pugi::xml_node& node, const char* name, double fallback, const PartContext& ctx);
// A number in [lo, hi]; a value outside is ignored (fallback), a malformed or non-finite one
// refused.
double rangedAttr(const pugi::xml_node& node, const char* name, double fallback, double lo, double hi,
                  const PartContext& ctx);
long intAttr(const pugi::xml_node& node, const char* name, long fallback, const PartContext& ctx);
// The same of an attribute in hand (fallback when it is null).
long intValue(const pugi::xml_attribute& a, long fallback, const PartContext& ctx);
// Text of an <is> or <si> item (runs joined, phonetic runs left out).
std::string inlineText(const pugi::xml_node& item);
// Interns an <si> or <is> item: plain, or rich (runs, phonetic guides) kept as item XML.
// `what` names the item in errors.
uint32_t internItem(const pugi::xml_node& item, StringTable& strings, const PartContext& ctx, const std::string& what);
// Whether the bytes are well-formed UTF-8 (pugixml passes any bytes through).
bool isUtf8(std::string_view text);
// Text with _xHHHH_ escapes decoded.
std::string decodeText(std::string_view text);

// Counts the cell and row elements of a sheet's XML while it is inflated, so that a sheet
// holding more than the workbook may still take is refused before it is parsed (its parsed
// form costs many times its text). What it counts is taken from `budget`, which the sheets
// read at the same time share, chunk by chunk; throws naming the part once the budget is
// spent.
class CellCounter {
public:
    CellCounter(std::atomic<long>& budget, const PartContext& ctx) : budget_(budget), ctx_(ctx) { }
    // A budget of its own.
    CellCounter(long budget, const PartContext& ctx) : own_(budget), budget_(own_), ctx_(ctx) { }
    void feed(std::string_view chunk);
    // Elements counted so far (what the parse of the part may spend).
    long counted() const { return count_; }

private:
    void endName();

    std::atomic<long> own_{0};
    std::atomic<long>& budget_;
    const PartContext& ctx_;
    long count_ = 0;
    long unspent_ = 0;    // counted in this chunk, not yet taken from the budget
    bool inName_ = false; // after '<', in the element's name
    char name_[3] = {};   // the first characters of its local name
    int nameLength_ = 0;
    bool long_ = false; // the local name is longer than "row"
};

// Part readers: each returns the map from the file's indices to the workbook's.
std::vector<uint32_t> readStylesPart(const pugi::xml_node& root, StyleTable& styles, const PartContext& ctx);
std::vector<uint32_t> readSharedStringsPart(const pugi::xml_node& root, StringTable& strings, const PartContext& ctx);
// cellsLeft: what the workbook may still hold of cells and rows; counted down (refused below 0).
void readWorksheetPart(const pugi::xml_node& root, SheetData& data, const std::vector<uint32_t>& styles,
                       const std::vector<uint32_t>& strings, StringTable& table, long& cellsLeft,
                       const PartContext& ctx);

} // namespace mirevo::sheet
