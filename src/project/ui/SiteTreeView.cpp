#include "SiteTreeView.h"
#include "project/SubcontractTree.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <vector>

namespace mirevo {

SiteTreeView::SiteTreeView(QWidget* parent) : QTreeWidget(parent), timer_(new QTimer(this))
{
    setObjectName("TreeView1");
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // The drag scrolls through the bands below, not through Qt's own margin.
    setAutoScroll(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QFont bold = font();
    bold.setPixelSize(16);
    bold.setBold(true);
    setFont(bold);
    setStyleSheet(QStringLiteral("QTreeWidget#TreeView1 { background-color: #FFFBF0; }"));
    timer_->setInterval(kScrollInterval);
    connect(timer_, &QTimer::timeout, this, &SiteTreeView::scrollOneLine);
}

void SiteTreeView::showTree(const SubcontractTree& tree)
{
    // Rebuilding the items says nothing about the user's selection.
    const QSignalBlocker quiet(this);
    clear();
    std::vector<QTreeWidgetItem*> items(size_t(tree.size()), nullptr);
    for (int i = 0; i < tree.size(); ++i) {
        const int parent = tree.parent(i);
        auto* item = parent < 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(items[size_t(parent)]);
        item->setText(0, tree.text(i));
        item->setData(0, Qt::UserRole, i);
        items[size_t(i)] = item;
    }
    expandAll();
    if (QTreeWidgetItem* selected = itemOfIndex(tree.selected())) {
        setCurrentItem(selected);
        scrollToItem(selected);
    }
}

int SiteTreeView::indexOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

QTreeWidgetItem* SiteTreeView::itemOfIndex(int index) const
{
    if (index < 0)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<SiteTreeView*>(this)); *it; ++it)
        if (indexOf(*it) == index)
            return *it;
    return nullptr;
}

void SiteTreeView::dropNode(int dragged, int target, bool shift)
{
    emit nodeDropped(dragged, target, shift);
}

int SiteTreeView::scrollDirectionAt(int y) const
{
    if (y < kScrollBand)
        return -1;
    if (y >= viewport()->height() - kScrollBand)
        return +1;
    return 0;
}

void SiteTreeView::setScrollDirection(int direction)
{
    direction_ = direction;
    if (direction == 0)
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
}

void SiteTreeView::scrollOneLine()
{
    verticalScrollBar()->triggerAction(direction_ < 0 ? QAbstractSlider::SliderSingleStepSub
                                                      : QAbstractSlider::SliderSingleStepAdd);
}

void SiteTreeView::endDrag()
{
    setScrollDirection(0);
    emit dragEnded();
}

void SiteTreeView::startDrag(Qt::DropActions supportedActions)
{
    // The drop never lets Qt move items (the model moves, the view is
    // rebuilt), so whatever exec() returns no row is removed here.
    QTreeWidget::startDrag(supportedActions);
    endDrag();
}

bool SiteTreeView::fromThisTree(const QDropEvent* event) const
{
    // The only tree of the window is this one.
    return event->source() == this;
}

void SiteTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    if (fromThisTree(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SiteTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    const QPoint at = event->position().toPoint();
    setScrollDirection(scrollDirectionAt(at.y()));
    if (fromThisTree(event) && itemAt(at))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SiteTreeView::dragLeaveEvent(QDragLeaveEvent* event)
{
    setScrollDirection(0);
    QTreeWidget::dragLeaveEvent(event);
}

void SiteTreeView::dropEvent(QDropEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (!fromThisTree(event) || !target) {
        event->ignore();
        return;
    }
    const int dragged = indexOf(currentItem());
    const int onto = indexOf(target);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dragged >= 0)
        dropNode(dragged, onto, shift);
}

void SiteTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
        emit nodeClicked(indexOf(item));
}

} // namespace mirevo
