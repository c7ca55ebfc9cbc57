#include "SheetData.h"

#include "StyleTable.h"

#include <algorithm>
#include <utility>

namespace mirevo::sheet {

namespace {

auto lowerCell(std::vector<Cell>& cells, int c)
{
    return std::lower_bound(cells.begin(), cells.end(), c, [](const Cell& cell, int col) { return cell.col < col; });
}

// Cell of column c in a row, inserted when missing.
Cell& cellIn(Row& row, int c)
{
    auto& cells = row.cells;
    if (cells.empty() || cells.back().col < c) {
        cells.push_back(Cell{uint16_t(c), CellKind::Text, kNoString, 0});
        return cells.back();
    }
    auto it = lowerCell(cells, c);
    if (it == cells.end() || it->col != c)
        it = cells.insert(it, Cell{uint16_t(c), CellKind::Text, kNoString, 0});
    return *it;
}

} // namespace

// ---- RowStore -------------------------------------------------------------------------

RowStore::RowStore(const RowStore& other) : last_(other.last_)
{
    pages_.reserve(other.pages_.size());
    for (const auto& page : other.pages_)
        pages_.push_back(page ? std::make_unique<Page>(*page) : nullptr);
}

RowStore& RowStore::operator=(const RowStore& other)
{
    if (this != &other)
        *this = RowStore(other);
    return *this;
}

Row& RowStore::at(int r)
{
    const size_t p = size_t(r - 1) / kPageRows;
    if (pages_.size() <= p)
        pages_.resize(p + 1);
    if (!pages_[p])
        pages_[p] = std::make_unique<Page>();
    last_ = std::max(last_, r);
    return (*pages_[p])[size_t(r - 1) % kPageRows];
}

const Row* RowStore::find(int r) const
{
    if (r < 1 || r > last_)
        return nullptr;
    const auto& page = pages_[size_t(r - 1) / kPageRows];
    return page ? &(*page)[size_t(r - 1) % kPageRows] : nullptr;
}

const Row& RowStore::operator[](size_t index) const
{
    static const Row empty;
    const Row* row = find(int(index) + 1);
    return row ? *row : empty;
}

Row* RowStore::find(int r)
{
    return const_cast<Row*>(std::as_const(*this).find(r));
}

// ---- MergeSet -------------------------------------------------------------------------

int MergeSet::classOf(const Rect& area)
{
    int hl = 0, wl = 0;
    while ((1 << hl) < area.r2 - area.r1 + 1)
        ++hl;
    while ((1 << wl) < area.c2 - area.c1 + 1)
        ++wl;
    return hl * kWidthClasses + wl;
}

void MergeSet::insert(const Rect& area)
{
    if (levels_[classOf(area)].emplace(std::pair{area.r1, area.c1}, area).second)
        ++count_;
}

void MergeSet::eraseIntersecting(const Rect& area)
{
    for (auto& [key, level] : levels_) {
        Level& ranges = level; // a structured binding cannot be captured before C++20's fix in clang 16
        scan(ranges, key, area, [&](Level::iterator it) {
            if (!it->second.intersects(area))
                return std::next(it);
            --count_;
            return ranges.erase(it);
        });
    }
}

const Rect* MergeSet::at(int r, int c) const
{
    const Rect* found = nullptr;
    forEachIntersecting(Rect{r, c, r, c}, [&](const Rect& m) { found = &m; });
    return found;
}

std::vector<Rect> MergeSet::list() const
{
    std::vector<Rect> all;
    all.reserve(count_);
    for (const auto& [key, ranges] : levels_)
        for (const auto& entry : ranges)
            all.push_back(entry.second);
    std::sort(all.begin(), all.end(), [](const Rect& a, const Rect& b) {
        return std::pair{a.r1, a.c1} < std::pair{b.r1, b.c1};
    });
    return all;
}

// ---- SheetData ------------------------------------------------------------------------

Row& SheetData::row(int r)
{
    return rows.at(r);
}

const Row* SheetData::findRow(int r) const
{
    return rows.find(r);
}

Cell& SheetData::cell(int r, int c)
{
    return cellIn(row(r), c);
}

const Cell* SheetData::findCell(int r, int c) const
{
    const Row* rw = rows.find(r);
    if (!rw)
        return nullptr;
    auto it = std::lower_bound(rw->cells.begin(), rw->cells.end(), c,
                               [](const Cell& cell, int col) { return cell.col < col; });
    return it != rw->cells.end() && it->col == c ? &*it : nullptr;
}

void SheetData::editStyles(const Rect& area, StyleTable& styles, StyleEdit edit, bool existingOnly)
{
    // Neighbouring cells mostly share a style, so remember the last derivation.
    uint32_t lastOld = 0xFFFFFFFFu;
    uint32_t lastNew = 0;
    auto restyle = [&](Cell& cell) {
        if (cell.style != lastOld) {
            lastOld = cell.style;
            lastNew = styles.derive(cell.style, edit);
        }
        cell.style = lastNew;
    };
    const int r2 = existingOnly ? std::min(area.r2, lastRow()) : area.r2;
    for (int r = area.r1; r <= r2; ++r) {
        if (existingOnly) {
            if (Row* rw = rows.find(r))
                for (auto it = lowerCell(rw->cells, area.c1); it != rw->cells.end() && it->col <= area.c2; ++it)
                    restyle(*it);
            continue;
        }
        Row& rw = row(r);
        for (int c = area.c1; c <= area.c2; ++c)
            restyle(cellIn(rw, c));
    }
}

void SheetData::setString(const Rect& area, uint32_t str, bool existingOnly)
{
    const int r2 = existingOnly ? std::min(area.r2, lastRow()) : area.r2;
    for (int r = area.r1; r <= r2; ++r) {
        if (existingOnly) {
            if (Row* rw = rows.find(r))
                for (auto it = lowerCell(rw->cells, area.c1); it != rw->cells.end() && it->col <= area.c2; ++it)
                    *it = Cell{it->col, CellKind::Text, str, it->style};
            continue;
        }
        Row& rw = row(r);
        for (int c = area.c1; c <= area.c2; ++c) {
            Cell& cell = cellIn(rw, c);
            cell.str = str;
            cell.kind = CellKind::Text;
            cell.formula = kNoString;
        }
    }
}

void SheetData::dropMergesIn(const Rect& area)
{
    merges.eraseIntersecting(area);
}

void SheetData::merge(const Rect& area, bool keepValues)
{
    if (area.isSingleCell())
        return;
    dropMergesIn(area);
    merges.insert(area);
    if (keepValues)
        return;
    // The merged range keeps only the top-left value.
    for (int r = area.r1; r <= std::min(area.r2, lastRow()); ++r)
        if (Row* rw = rows.find(r))
            for (Cell& cell : rw->cells)
                if (cell.col >= area.c1 && cell.col <= area.c2 && (r != area.r1 || cell.col != area.c1)) {
                    cell.str = kNoString;
                    cell.formula = kNoString;
                }
}

const Rect* SheetData::mergeAt(int r, int c) const
{
    return merges.at(r, c);
}

void SheetData::setColumnWidth(int c1, int c2, double width, bool hidden)
{
    if (int(cols.size()) < c2)
        cols.resize(size_t(c2));
    for (int c = c1; c <= c2; ++c)
        cols[size_t(c - 1)] = ColInfo{width, true, hidden};
}

void SheetData::setRowHeight(int r1, int r2, double points)
{
    for (int r = r1; r <= r2; ++r) {
        Row& rw = row(r);
        rw.height = points;
        rw.customHeight = true;
        rw.hidden = points == 0;
    }
}

void SheetData::addRowBreak(int below)
{
    auto it = std::lower_bound(rowBreaks.begin(), rowBreaks.end(), below);
    if (it == rowBreaks.end() || *it != below)
        rowBreaks.insert(it, below);
}

} // namespace mirevo::sheet
