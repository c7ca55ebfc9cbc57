#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace mirevo {

// A table of text cells addressed by column and row, both from 0.
// Row 0 holds the headings; data rows start at row 1. The column count is
// fixed, the row count grows and shrinks. Out-of-range access throws Error.
class TextGrid {
public:
    explicit TextGrid(int columns = 1, int rows = 1);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    void setRowCount(int rows);
    // Grows the grid so that `row` exists; never shrinks.
    void ensureRow(int row);

    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    QStringList row(int row) const;
    // Fills a row from column 0 on; missing items leave cells empty,
    // surplus items are dropped.
    void setRow(int row, const QStringList& items);
    void clearRow(int row);
    void insertRow(int before);
    void removeRow(int row);
    // Puts the rows in a new order: row k takes the cells of row
    // order[k]. `order` must name every row exactly once.
    void reorderRows(const std::vector<int>& order);

    // Empties every cell that holds exactly one ASCII blank.
    void clearSingleBlanks();

    bool operator==(const TextGrid& other) const = default;

private:
    void check(int column, int row) const;
    int columns_;
    int rows_;
    std::vector<QString> cells_; // row-major
};

// A cell is blank when it is empty or holds exactly one ASCII blank.
bool isBlank(const QString& text);
// Names, company names and readings also count a single full-width blank.
bool isBlankName(const QString& text);

} // namespace mirevo
