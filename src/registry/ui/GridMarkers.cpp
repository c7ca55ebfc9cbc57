#include "GridMarkers.h"

#include <QMouseEvent>
#include <QTableView>

namespace mirevo {

GridMarkers::GridMarkers(QTableView* view) : QObject(view), view_(view), viewport_(view->viewport())
{
    viewport_->installEventFilter(this);
}

bool GridMarkers::eventFilter(QObject* watched, QEvent* event)
{
    // Compared with the viewport kept at construction: while the view is
    // being destroyed its viewport still receives events, and the view
    // must not be called any more.
    if (watched != viewport_)
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QModelIndex index = view_->indexAt(mouse->position().toPoint());
    const int row = index.isValid() ? index.row() + 1 : 0;
    const int column = index.isValid() ? index.column() : 0;
    if (type == QEvent::MouseButtonPress) {
        pressedRow = row;
        pressedColumn = column;
        emit pressed(row, column);
    } else if (type == QEvent::MouseButtonRelease) {
        selectedRow = row;
        selectedColumn = column;
        emit released(row, column);
    } else {
        emit doubleClicked(row, column);
    }
    return false;
}

} // namespace mirevo
