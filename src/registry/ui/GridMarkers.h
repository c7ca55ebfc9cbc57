#pragma once
#include <QObject>

class QTableView;

namespace mirevo {

// The row markers of a grid window: the cell under the pointer when the
// left button went down last (pressed) and came up last (selected), in grid
// rows (data rows from 1; 0 when the pointer was over no cell). The right
// button changes neither.
class GridMarkers : public QObject {
    Q_OBJECT
public:
    explicit GridMarkers(QTableView* view);

    int pressedRow = 0;
    int pressedColumn = 0;
    int selectedRow = 0;
    int selectedColumn = 0;

    void reset() { pressedRow = pressedColumn = selectedRow = selectedColumn = 0; }

signals:
    void pressed(int row, int column);
    void released(int row, int column);
    void doubleClicked(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* view_;
    QWidget* viewport_;
};

} // namespace mirevo
