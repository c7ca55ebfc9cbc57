#include "TextGrid.h"
#include "Error.h"

#include <algorithm>

namespace mirevo {

TextGrid::TextGrid(int columns, int rows) : columns_(columns), rows_(0)
{
    if (columns < 1)
        throw Error(QStringLiteral("表の列数が不正です: %1").arg(columns));
    setRowCount(rows);
}

void TextGrid::setRowCount(int rows)
{
    if (rows < 0)
        throw Error(QStringLiteral("表の行数が不正です: %1").arg(rows));
    cells_.resize(size_t(rows) * size_t(columns_));
    rows_ = rows;
}

void TextGrid::ensureRow(int row)
{
    if (row >= rows_)
        setRowCount(row + 1);
}

void TextGrid::check(int column, int row) const
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        throw Error(QStringLiteral("表の範囲外です（列 %1, 行 %2; 表は %3 列 × %4 行）")
                        .arg(column)
                        .arg(row)
                        .arg(columns_)
                        .arg(rows_));
}

const QString& TextGrid::cell(int column, int row) const
{
    check(column, row);
    return cells_[size_t(row) * columns_ + column];
}

void TextGrid::setCell(int column, int row, const QString& text)
{
    check(column, row);
    cells_[size_t(row) * columns_ + column] = text;
}

QStringList TextGrid::row(int row) const
{
    check(0, row);
    QStringList items;
    items.reserve(columns_);
    for (int c = 0; c < columns_; ++c)
        items << cells_[size_t(row) * columns_ + c];
    return items;
}

void TextGrid::setRow(int row, const QStringList& items)
{
    check(0, row);
    for (int c = 0; c < columns_; ++c)
        cells_[size_t(row) * columns_ + c] = c < items.size() ? items[c] : QString();
}

void TextGrid::clearRow(int row)
{
    setRow(row, {});
}

void TextGrid::insertRow(int before)
{
    if (before < 0 || before > rows_)
        throw Error(QStringLiteral("行を挿入できません（行 %1, 行数 %2）").arg(before).arg(rows_));
    cells_.insert(cells_.begin() + size_t(before) * columns_, size_t(columns_), QString());
    ++rows_;
}

void TextGrid::removeRow(int row)
{
    check(0, row);
    auto first = cells_.begin() + size_t(row) * columns_;
    cells_.erase(first, first + columns_);
    --rows_;
}

void TextGrid::reorderRows(const std::vector<int>& order)
{
    std::vector<bool> seen(size_t(rows_), false);
    for (int row : order) {
        if (row < 0 || row >= rows_ || seen[size_t(row)])
            throw Error(QStringLiteral("行の並べ替えが不正です（行 %1, 行数 %2）").arg(row).arg(rows_));
        seen[size_t(row)] = true;
    }
    if (int(order.size()) != rows_)
        throw Error(QStringLiteral("行の並べ替えが不正です（%1 行に %2 行分の順序）").arg(rows_).arg(order.size()));
    std::vector<QString> cells(cells_.size());
    for (size_t k = 0; k < order.size(); ++k)
        std::move(cells_.begin() + qsizetype(order[k]) * columns_, cells_.begin() + qsizetype(order[k] + 1) * columns_,
                  cells.begin() + qsizetype(k) * columns_);
    cells_.swap(cells);
}

void TextGrid::clearSingleBlanks()
{
    for (QString& text : cells_)
        if (text == QLatin1String(" "))
            text.clear();
}

bool isBlank(const QString& text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

bool isBlankName(const QString& text)
{
    return isBlank(text) || text == QStringLiteral("　");
}

} // namespace mirevo
