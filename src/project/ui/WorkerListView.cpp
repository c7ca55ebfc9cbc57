#include "WorkerListView.h"
#include "common/TextGrid.h"
#include "registry/ui/TextGridModel.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace mirevo {

WorkerListView::WorkerListView(const TextGrid& grid, std::vector<int> widths, const QString& name, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(&grid, this)), widths_(std::move(widths))
{
    setObjectName(name);
    model_->setCentredColumns({0, 3, 5, 6, 7, 8, 10, 12, 13, 14, 15});
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setFixedHeight(kRowHeight);
    horizontalHeader()->setMinimumSectionSize(1); // column 0 is 35 pixels
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    applyWidths();
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row() + 1); });
}

void WorkerListView::refresh()
{
    model_->refresh();
    applyWidths();
}

void WorkerListView::applyWidths()
{
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int width = column < int(widths_.size()) ? widths_[size_t(column)] : 0;
        setColumnHidden(column, width == 0);
        if (width > 0)
            setColumnWidth(column, width);
    }
}

std::vector<int> WorkerListView::selectedGridRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

int WorkerListView::gridRowAt(const QPoint& at) const
{
    const QModelIndex index = indexAt(at);
    return index.isValid() ? index.row() + 1 : 0;
}

bool WorkerListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = gridRowAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            pressed_ = row;
        if (event->type() == QEvent::MouseButtonRelease) {
            released_ = row;
            if (mouse->button() == Qt::RightButton)
                emit menuRequested(mouse->globalPosition().toPoint());
        }
    }
    return QTableView::viewportEvent(event);
}

} // namespace mirevo
