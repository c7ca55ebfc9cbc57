#pragma once
#include <QTreeWidget>

class QTimer;

namespace mirevo {

class SubcontractTree;

// The subcontracting tree as the user sees it (`TreeView1`): cream, bold,
// always expanded, items in display order. Any node can be dragged onto
// another; the view only reports the drop (dropNode) and the end of the
// drag, and shows the model again when told (show()).
//
// While a drag is over the view, the pointer in the top or bottom band of
// `kScrollBand` pixels scrolls the view one line per tick of a 50 ms timer.
class SiteTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kScrollBand = 20;
    static constexpr int kScrollInterval = 50;

    explicit SiteTreeView(QWidget* parent = nullptr);

    // Rebuilds the items from `tree`, expands them all and selects the
    // tree's selected node.
    void showTree(const SubcontractTree& tree);
    // Display index of an item (-1 for none).
    static int indexOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* itemOfIndex(int index) const;

    // The drop handler: node `dragged` dropped on node `target`, Shift held
    // or not. Emits nodeDropped.
    void dropNode(int dragged, int target, bool shift);
    // −1 up, 0 none, +1 down for a pointer at `y` in the viewport.
    int scrollDirectionAt(int y) const;
    void setScrollDirection(int direction);
    int scrollDirection() const { return direction_; }
    QTimer* scrollTimer() const { return timer_; }
    // One tick of the timer: one line up or down.
    void scrollOneLine();
    // Ends a drag (dropped or cancelled): the timer stops, dragEnded.
    void endDrag();

signals:
    void nodeClicked(int index);
    void nodeDropped(int dragged, int target, bool shift);
    void dragEnded();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool fromThisTree(const QDropEvent* event) const;

    QTimer* timer_;
    int direction_ = 0;
};

} // namespace mirevo
