#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QSet>

namespace mirevo {

class TextGrid;

// Shows a text grid in a table view: row 0 as the horizontal header, data
// row r as view row r − 1. Read-only; call refresh() after the grid changed.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(const TextGrid* grid, QObject* parent = nullptr);

    void setGrid(const TextGrid* grid);
    void refresh();
    // Columns whose data cells are centred; the others are left-aligned.
    void setCentredColumns(QSet<int> columns) { centred_ = std::move(columns); }
    void setTextColour(const QColor& colour) { colour_ = colour; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TextGrid* grid_;
    QSet<int> centred_;
    QColor colour_;
};

} // namespace mirevo
