#pragma once
// The contents of one worksheet: rows of cells (string and style indices), columns, merges,
// page breaks and page set-up. Pure data plus the edits the object model needs.
#include "CarriedParts.h"
#include "CellRef.h"
#include "StringTable.h"
#include "Style.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace mirevo::sheet {

class StyleTable;

// How a cell's value is stored in the file; the value itself is always the string `str`
// (a number as the text the file gave, a boolean as "TRUE"/"FALSE").
// An error value (#N/A, #DIV/0!...) is the error's text.
enum class CellKind : uint8_t { Text, Number, Bool, Error };

struct Cell {
    uint16_t col = 0; // 1-based
    CellKind kind = CellKind::Text;
    uint32_t str = kNoString; // shared string index, kNoString when empty
    uint32_t style = 0;       // xf index
    // The formula's <f> element as written back (in the string table), kNoString when the
    // cell holds a plain value; `str` is then its value as last calculated, if any.
    uint32_t formula = kNoString;
};

struct Row {
    std::vector<Cell> cells; // ascending by column
    double height = 0;       // points, used when customHeight or fittedHeight
    bool customHeight = false;
    bool fittedHeight = false; // a height the spreadsheet fitted to the contents (no customHeight)
    bool hidden = false;
};

struct ColInfo {
    double width = 0; // file units (characters plus padding); kept while hidden
    bool custom = false;
    bool hidden = false;
    bool operator==(const ColInfo&) const = default;
};

// <sheetFormatPr>: what rows and columns without a size of their own get.
struct SheetFormat {
    double defaultRowHeight = 13.5;
    bool customHeight = false;
    bool zeroHeight = false;
    double defaultColWidth = 0; // 0: not given
    int baseColWidth = 0;       // 0: not given
};

// The sheet's window as the file gives it: zoom, gridlines, frozen panes, selection. Kept as
// the attributes and children of <sheetView> (the engine writes tabSelected itself).
struct SheetView {
    std::string attributes; // ` zoomScale="85" showGridLines="0"`
    std::string children;   // `<pane .../><selection .../>`
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
    bool printGridLines = false;
    bool printHeadings = false;
    int firstPageNumber = 0; // 0: pages numbered from 1
    // <headerFooter>: the texts of every page (or of the odd pages), of the even pages and of
    // the first page when the flags ask for them; whether they scale with the sheet and keep
    // to its left and right margins.
    std::string oddHeader;
    std::string oddFooter;
    std::string evenHeader;
    std::string evenFooter;
    std::string firstHeader;
    std::string firstFooter;
    bool differentOddEven = false;
    bool differentFirst = false;
    bool scaleWithDoc = true;
    bool alignWithMargins = true;
};

// Rows by number, stored sparsely: pages of 256 rows are allocated only where a row is
// used, so a sheet whose one row is row 1,048,576 costs one page, not a million rows.
class RowStore {
public:
    static constexpr int kPageRows = 256;

    RowStore() = default;
    RowStore(const RowStore& other);
    RowStore& operator=(const RowStore& other);
    RowStore(RowStore&&) noexcept = default;
    RowStore& operator=(RowStore&&) noexcept = default;

    Row& at(int r); // created when missing
    const Row* find(int r) const;
    Row* find(int r);
    // Highest row ever created (0 when none).
    int last() const { return last_; }
    // As a vector indexed r - 1 up to last(): rows never created read as empty.
    size_t size() const { return size_t(last_); }
    const Row& operator[](size_t index) const;
    // Calls f(rowNumber, row) for every created row, top to bottom (rows of a page that were
    // never touched are visited too, empty).
    template <class F> void forEach(F&& f) const
    {
        for (size_t p = 0; p < pages_.size(); ++p)
            if (pages_[p])
                for (int i = 0; i < kPageRows && int(p) * kPageRows + i < last_; ++i)
                    f(int(p) * kPageRows + i + 1, (*pages_[p])[size_t(i)]);
    }
    template <class F> void forEach(F&& f)
    {
        for (size_t p = 0; p < pages_.size(); ++p)
            if (pages_[p])
                for (int i = 0; i < kPageRows && int(p) * kPageRows + i < last_; ++i)
                    f(int(p) * kPageRows + i + 1, (*pages_[p])[size_t(i)]);
    }

private:
    using Page = std::array<Row, kPageRows>;
    std::vector<std::unique_ptr<Page>> pages_;
    int last_ = 0;
};

// Non-overlapping merged ranges, indexed for overlap queries: a range of height h and width w
// sits in the class (ceil(log2 h), ceil(log2 w)), keyed by its top-left cell, so the ranges of
// a class that can reach a rectangle start within 2^hl rows above and 2^wl columns left of
// it. A query costs O(classes × log n + rows visited + hits).
class MergeSet {
    using Level = std::map<std::pair<int, int>, Rect>; // (r1, c1) -> range
    using Levels = std::map<int, Level>;               // class -> ranges

public:
    // Every range, class by class (no particular order; list() sorts).
    class const_iterator {
    public:
        using value_type = Rect;
        using reference = const Rect&;
        using pointer = const Rect*;
        using difference_type = std::ptrdiff_t;
        using iterator_category = std::forward_iterator_tag;
        const_iterator(Levels::const_iterator level, Levels::const_iterator end) : level_(level), end_(end)
        {
            settle();
        }
        reference operator*() const { return it_->second; }
        pointer operator->() const { return &it_->second; }
        const_iterator& operator++()
        {
            if (++it_ == level_->second.end()) {
                ++level_;
                settle();
            }
            return *this;
        }
        bool operator==(const const_iterator& o) const
        {
            return level_ == o.level_ && (level_ == end_ || it_ == o.it_);
        }

    private:
        void settle()
        {
            while (level_ != end_ && level_->second.empty())
                ++level_;
            if (level_ != end_)
                it_ = level_->second.begin();
        }
        Levels::const_iterator level_, end_;
        Level::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(levels_.begin(), levels_.end()); }
    const_iterator end() const { return const_iterator(levels_.end(), levels_.end()); }

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Adds `area`; the caller makes sure it overlaps nothing.
    void insert(const Rect& area);
    // Removes every range overlapping `area`.
    void eraseIntersecting(const Rect& area);
    const Rect* at(int r, int c) const;
    // Every range, top to bottom, then left to right.
    std::vector<Rect> list() const;
    template <class F> void forEachIntersecting(const Rect& area, F&& f) const
    {
        for (const auto& [key, ranges] : levels_)
            scan(ranges, key, area, [&](Level::const_iterator it) {
                if (it->second.intersects(area))
                    f(it->second);
                return std::next(it);
            });
    }

private:
    static constexpr int kWidthClasses = 16;
    static int classOf(const Rect& area);
    // Calls visit(it) for every range of the class that starts where it could reach `area`;
    // visit returns the iterator to continue from.
    template <class Map, class Visit> static void scan(Map& ranges, int key, const Rect& area, Visit&& visit)
    {
        const int rowFrom = area.r1 - (1 << (key / kWidthClasses)) + 1;
        const int colFrom = area.c1 - (1 << (key % kWidthClasses)) + 1;
        auto it = ranges.lower_bound({rowFrom, colFrom});
        while (it != ranges.end() && it->first.first <= area.r2) {
            const auto [r, c] = it->first;
            if (c > area.c2)
                it = ranges.lower_bound({r + 1, colFrom});
            else if (c < colFrom)
                it = ranges.lower_bound({r, colFrom});
            else
                it = visit(it);
        }
    }

    Levels levels_;
    size_t count_ = 0;
};

class SheetData {
public:
    RowStore rows;
    std::vector<ColInfo> cols;  // cols[c - 1]
    MergeSet merges;            // never overlapping
    std::vector<int> rowBreaks; // ascending; a break below row id
    std::vector<int> colBreaks; // ascending; a break right of column id (kept as read)
    PageSetupData page;
    SheetFormat format;
    SheetView view;
    std::string tabColor; // <tabColor .../> as read, empty: none
    SheetExtras extras;

    Row& row(int r);
    const Row* findRow(int r) const;
    Cell& cell(int r, int c);
    const Cell* findCell(int r, int c) const;

    // Applies `edit` to every cell of `area`; with existingOnly only to cells already present
    // (used for whole rows and columns).
    void editStyles(const Rect& area, StyleTable& styles, StyleEdit edit, bool existingOnly);
    void setString(const Rect& area, uint32_t str, bool existingOnly);

    // Merges `area`, replacing merges it overlaps; the values under it other than the
    // top-left one are dropped unless keepValues (files may hold them).
    void merge(const Rect& area, bool keepValues = false);
    // Drops every merge that overlaps `area`.
    void dropMergesIn(const Rect& area);
    const Rect* mergeAt(int r, int c) const;

    void setColumnWidth(int c1, int c2, double width, bool hidden);
    void setRowHeight(int r1, int r2, double points);
    void addRowBreak(int below);

    int lastRow() const { return rows.last(); }
};

} // namespace mirevo::sheet
