#pragma once
// A1-style references: parsing, formatting and rectangles (1-based, inclusive).
#include <string>
#include <string_view>

namespace mirevo::sheet {

constexpr int kMaxRows = 1048576;
constexpr int kMaxCols = 16384;

struct CellPos {
    int row = 1;
    int col = 1;
};

struct Rect {
    int r1 = 1, c1 = 1, r2 = 1, c2 = 1;

    bool contains(int r, int c) const { return r >= r1 && r <= r2 && c >= c1 && c <= c2; }
    bool intersects(const Rect& o) const { return r1 <= o.r2 && o.r1 <= r2 && c1 <= o.c2 && o.c1 <= c2; }
    bool containsRect(const Rect& o) const { return o.r1 >= r1 && o.r2 <= r2 && o.c1 >= c1 && o.c2 <= c2; }
    bool isSingleCell() const { return r1 == r2 && c1 == c2; }
    bool operator==(const Rect&) const = default;
};

// "B5" -> {5, 2}; throws SheetError on anything else.
CellPos parseCell(std::string_view ref);
// "A1:C3" or "B5" (a single cell); throws SheetError on anything else.
Rect parseRect(std::string_view ref);
// Rectangle spanned by two references, each "B5" or "A1:C3".
Rect spanRect(std::string_view first, std::string_view last);

// 1 -> "A", 27 -> "AA"; writes into out, returns the length (at most 3).
int columnLetters(int col, char* out);
std::string columnName(int col);
std::string cellName(int row, int col);
std::string rectName(const Rect& r);

} // namespace mirevo::sheet
