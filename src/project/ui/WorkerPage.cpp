#include "WorkerPage.h"
#include "project/Project.h"

#include <QHeaderView>
#include <QTableWidget>

namespace mirevo {
namespace {

int columnWidth(int column)
{
    static const int widths[] = {35, 100, 100, 80, 80, 70, 60, 80, 40, 210, 80, 210, 80, 70, 60, 80, 80,
                                 100, 100, 100, 100, 140, 140, 140, 120, 120, 120, 120, 120, 120, 80, 80, 120};
    return column < int(std::size(widths)) ? widths[column] : 0;
}

} // namespace

WorkerPage::WorkerPage(Project& project, QWidget* parent)
    : QWidget(parent), project_(project), grid_(new QTableWidget(this))
{
    setFixedSize(1216, 636);
    grid_->setObjectName("StringGrid3");
    grid_->setGeometry(0, 40, 1210, 590);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(30);
    connect(&project_, &Project::tablesChanged, this, &WorkerPage::refresh);
    refresh();
}

void WorkerPage::refresh()
{
    const TextGrid& list = project_.workers;
    grid_->setColumnCount(list.columnCount());
    grid_->setRowCount(list.rowCount());
    for (int c = 0; c < list.columnCount(); ++c) {
        grid_->setColumnWidth(c, columnWidth(c));
        grid_->setColumnHidden(c, columnWidth(c) == 0);
    }
    for (int r = 0; r < list.rowCount(); ++r)
        for (int c = 0; c < list.columnCount(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(list.cell(c, r)));
}

} // namespace mirevo
