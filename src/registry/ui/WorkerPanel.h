#pragma once
#include "common/TextGrid.h"

#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class Tmeibo;

namespace mirevo {

class GridMarkers;
class Registry;
class TextGridModel;

// The worker panel of the registration window: the workers of one company
// (the company worker view `StringGrid2`), marking them for the site,
// deleting them, and editing one in the worker roster window.
class WorkerPanel : public QWidget {
    Q_OBJECT
public:
    WorkerPanel(Registry& registry, Tmeibo& roster, QWidget* parent = nullptr);

    // Shows the workers of `company`; `picking` offers the marking buttons
    // instead of "戻る".
    void open(const QString& company, bool picking);
    // Builds the view from the worker master list again.
    void rebuild();
    void resetSelectButton();

    const QString& company() const { return company_; }
    const TextGrid& view() const { return view_; }
    GridMarkers* markers() const { return markers_; }

    // "全員選択" / "選択解除".
    void toggleSelectAll();
    // "削除": the workers of the view rows from the pressed to the selected row.
    void deleteWorkers();
    // Opens the worker roster window on the worker of `viewRow` (a new
    // worker of the company for a row without one), then recalculates the
    // ages of the master list.
    void editWorker(int viewRow);

signals:
    void backRequested();
    void handOverRequested();
    void cancelRequested();

private:
    QTableView* buildView();
    void markOnRelease(int row, int column);
    QString deleteQuestion(const std::vector<int>& rows) const;

    Registry& registry_;
    Tmeibo& roster_;
    QString company_;
    bool picking_ = false;
    TextGrid view_;
    QLabel* companyLabel_ = nullptr;
    QTableView* table_ = nullptr;
    TextGridModel* model_ = nullptr;
    GridMarkers* markers_ = nullptr;
    QMenu* menu_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* selectAllButton_ = nullptr;
    QPushButton* handOverButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace mirevo
