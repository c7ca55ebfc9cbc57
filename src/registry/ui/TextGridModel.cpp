#include "TextGridModel.h"
#include "common/TextGrid.h"

namespace mirevo {

TextGridModel::TextGridModel(const TextGrid* grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid)
{
}

void TextGridModel::setGrid(const TextGrid* grid)
{
    beginResetModel();
    grid_ = grid;
    endResetModel();
}

void TextGridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int TextGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !grid_ ? 0 : std::max(0, grid_->rowCount() - 1);
}

int TextGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !grid_ ? 0 : grid_->columnCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() + 1 >= grid_->rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return grid_->cell(index.column(), index.row() + 1);
    case Qt::TextAlignmentRole:
        return int((centred_.contains(index.column()) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return colour_.isValid() ? QVariant(colour_) : QVariant();
    default:
        return {};
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !grid_ || grid_->rowCount() == 0)
        return {};
    if (role == Qt::DisplayRole)
        return grid_->cell(section, 0);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

} // namespace mirevo
