#pragma once
// The contents of one worksheet: rows of cells (string and style indices), columns, merges,
// page breaks and page set-up. Pure data plus the edits the object model needs.
#include "CellRef.h"
#include "Style.h"
#include "StringTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirevo::sheet {

class StyleTable;

struct Cell {
    uint16_t col = 0;           // 1-based
    uint32_t str = kNoString;   // shared string index, kNoString when empty
    uint32_t style = 0;         // xf index
};

struct Row {
    std::vector<Cell> cells; // ascending by column
    double height = 0;       // points, used when customHeight
    bool customHeight = false;
    bool hidden = false;
};

struct ColInfo {
    double width = 0; // file units (characters plus padding)
    bool custom = false;
    bool hidden = false;
    bool operator==(const ColInfo &) const = default;
};

struct PageSetupData {
    // Margins in inches, as the file stores them.
    double left = 0.7, right = 0.7, top = 0.75, bottom = 0.75, header = 0.3, footer = 0.3;
    int paperSize = 0;   // 0: not set
    int scale = 0;       // 0: not set
    int orientation = 0; // 0: not set, 1 portrait, 2 landscape
    // Fit to pages instead of scaling (a zoom given through the object model turns it off).
    bool fitToPage = false;
    int fitToWidth = 1;
    int fitToHeight = 1;
    bool centerHorizontally = false;
    bool centerVertically = false;
    std::string oddHeader;
    std::string oddFooter;
};

class SheetData {
public:
    std::vector<Row> rows;        // rows[r - 1]
    std::vector<ColInfo> cols;    // cols[c - 1]
    std::vector<Rect> merges;     // never overlapping
    std::vector<int> rowBreaks;   // ascending; a break below row id
    PageSetupData page;

    Row &row(int r);
    const Row *findRow(int r) const;
    Cell &cell(int r, int c);
    const Cell *findCell(int r, int c) const;

    // Applies `edit` to every cell of `area`; with existingOnly only to cells already present
    // (used for whole rows and columns).
    void editStyles(const Rect &area, StyleTable &styles, StyleEdit edit, bool existingOnly);
    void setString(const Rect &area, uint32_t str, bool existingOnly);

    // Merges `area`, replacing merges it overlaps; the values under it other than the
    // top-left one are dropped unless keepValues (files may hold them).
    void merge(const Rect &area, bool keepValues = false);
    // Drops every merge that overlaps `area`.
    void dropMergesIn(const Rect &area);
    const Rect *mergeAt(int r, int c) const;

    void setColumnWidth(int c1, int c2, double width, bool hidden);
    void setRowHeight(int r1, int r2, double points);
    void addRowBreak(int below);

    int lastRow() const { return int(rows.size()); }
};

} // namespace mirevo::sheet
