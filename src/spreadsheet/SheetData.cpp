#include "SheetData.h"

#include "StyleTable.h"

#include <algorithm>

namespace mirevo::sheet {

namespace {

auto lowerCell(std::vector<Cell> &cells, int c)
{
    return std::lower_bound(cells.begin(), cells.end(), c,
                            [](const Cell &cell, int col) { return cell.col < col; });
}

// Cell of column c in a row, inserted when missing.
Cell &cellIn(Row &row, int c)
{
    auto &cells = row.cells;
    if (cells.empty() || cells.back().col < c) {
        cells.push_back(Cell{uint16_t(c), kNoString, 0});
        return cells.back();
    }
    auto it = lowerCell(cells, c);
    if (it == cells.end() || it->col != c)
        it = cells.insert(it, Cell{uint16_t(c), kNoString, 0});
    return *it;
}

} // namespace

Row &SheetData::row(int r)
{
    if (int(rows.size()) < r)
        rows.resize(size_t(r));
    return rows[size_t(r - 1)];
}

const Row *SheetData::findRow(int r) const
{
    return r >= 1 && r <= int(rows.size()) ? &rows[size_t(r - 1)] : nullptr;
}

Cell &SheetData::cell(int r, int c) { return cellIn(row(r), c); }

const Cell *SheetData::findCell(int r, int c) const
{
    const Row *rw = findRow(r);
    if (!rw)
        return nullptr;
    auto it = std::lower_bound(rw->cells.begin(), rw->cells.end(), c,
                               [](const Cell &cell, int col) { return cell.col < col; });
    return it != rw->cells.end() && it->col == c ? &*it : nullptr;
}

void SheetData::editStyles(const Rect &area, StyleTable &styles, StyleEdit edit, bool existingOnly)
{
    // Neighbouring cells mostly share a style, so remember the last derivation.
    uint32_t lastOld = 0xFFFFFFFFu;
    uint32_t lastNew = 0;
    auto restyle = [&](Cell &cell) {
        if (cell.style != lastOld) {
            lastOld = cell.style;
            lastNew = styles.derive(cell.style, edit);
        }
        cell.style = lastNew;
    };
    const int r2 = existingOnly ? std::min(area.r2, lastRow()) : area.r2;
    for (int r = area.r1; r <= r2; ++r) {
        Row &rw = row(r);
        if (existingOnly) {
            for (auto it = lowerCell(rw.cells, area.c1); it != rw.cells.end() && it->col <= area.c2; ++it)
                restyle(*it);
            continue;
        }
        for (int c = area.c1; c <= area.c2; ++c)
            restyle(cellIn(rw, c));
    }
}

void SheetData::setString(const Rect &area, uint32_t str, bool existingOnly)
{
    const int r2 = existingOnly ? std::min(area.r2, lastRow()) : area.r2;
    for (int r = area.r1; r <= r2; ++r) {
        Row &rw = row(r);
        if (existingOnly) {
            for (auto it = lowerCell(rw.cells, area.c1); it != rw.cells.end() && it->col <= area.c2; ++it)
                it->str = str;
            continue;
        }
        for (int c = area.c1; c <= area.c2; ++c)
            cellIn(rw, c).str = str;
    }
}

void SheetData::dropMergesIn(const Rect &area)
{
    std::erase_if(merges, [&](const Rect &m) { return m.intersects(area); });
}

void SheetData::merge(const Rect &area, bool keepValues)
{
    if (area.isSingleCell())
        return;
    dropMergesIn(area);
    merges.push_back(area);
    if (keepValues)
        return;
    // The merged range keeps only the top-left value.
    for (int r = area.r1; r <= std::min(area.r2, lastRow()); ++r)
        for (Cell &cell : rows[size_t(r - 1)].cells)
            if (cell.col >= area.c1 && cell.col <= area.c2 && (r != area.r1 || cell.col != area.c1))
                cell.str = kNoString;
}

const Rect *SheetData::mergeAt(int r, int c) const
{
    for (const Rect &m : merges)
        if (m.contains(r, c))
            return &m;
    return nullptr;
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
        Row &rw = row(r);
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
