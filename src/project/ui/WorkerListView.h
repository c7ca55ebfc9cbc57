#pragma once
#include <QTableView>
#include <vector>

namespace mirevo {

class TextGrid;
class TextGridModel;

// One list of the worker page (the full list `StringGrid3` or the filtered
// view `StringGrid4`): a read-only view of a worker grid, row 0 as the
// fixed heading row, 30-pixel rows, each cell on one line, vertically
// centred; the heading and the columns 0, 3, 5–8, 10 and 12–15 centred.
// Rows are grid rows: data rows count from 1, 0 is "no row".
class WorkerListView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    WorkerListView(const TextGrid& grid, std::vector<int> widths, const QString& name, QWidget* parent);

    // Shows the grid again (after any change of it).
    void refresh();
    // The grid row under the pointer when the left button last went down,
    // and when any button last came up.
    int pressedRow() const { return pressed_; }
    int releasedRow() const { return released_; }
    // Grid rows of the selected view rows, in order.
    std::vector<int> selectedGridRows() const;
    // The grid row under a viewport point, 0 for none.
    int gridRowAt(const QPoint& at) const;

signals:
    // The right button came up over the list at `globalPos`.
    void menuRequested(const QPoint& globalPos);
    // A double-click on grid row `row`.
    void rowDoubleClicked(int row);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void applyWidths();

    TextGridModel* model_;
    std::vector<int> widths_;
    int pressed_ = 0;
    int released_ = 0;
};

} // namespace mirevo
