#pragma once
// What a sheet carries without modelling it: drawings (shapes, lines, pictures), comments,
// hyperlinks, input rules, conditional formats, sheet protection. The sheet keeps their XML
// elements as read and the parts they refer to, with those parts' own relationships; copies
// of a sheet share the parts, the writer gives each copy parts of its own.
#include <memory>
#include <string>
#include <vector>

namespace mirevo::sheet {

struct CarriedPart;

struct CarriedRel {
    std::string id;     // as in the part that refers to it (the kept XML uses it)
    std::string type;   // full type URI
    std::string target; // external targets only (a hyperlink's address)
    bool external = false;
    std::shared_ptr<const CarriedPart> part; // internal targets
};

struct CarriedPart {
    std::string name; // path in the package it came from, e.g. "xl/drawings/drawing1.xml"
    std::string contentType;
    std::string data;
    std::vector<CarriedRel> rels;
    // Images may be shared by several drawings; every other part is written once per use.
    bool shared() const { return contentType.rfind("image/", 0) == 0; }
};

// Self-contained XML of worksheet elements, by where they go in the worksheet part.
struct SheetExtras {
    std::string afterData;        // sheetProtection, protectedRanges, autoFilter, sortState
    std::string afterMerges;      // conditionalFormatting, dataValidations, hyperlinks
    std::string tail;             // ignoredErrors, drawing, legacyDrawing, legacyDrawingHF, picture, extLst
    std::vector<CarriedRel> rels; // the sheet's relationships the kept XML and comments need
    bool empty() const { return afterData.empty() && afterMerges.empty() && tail.empty() && rels.empty(); }
};

} // namespace mirevo::sheet
