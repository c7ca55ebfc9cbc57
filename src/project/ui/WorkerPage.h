#pragma once
#include "PageBase.h"

class QComboBox;
class QMenu;

namespace mirevo {

class Registry;
class WorkerListView;

// The page "作 業 員 名 簿": the company selector `ComboBox22`, the site
// worker list `StringGrid3` and, over it, the filtered view `StringGrid4`
// of the chosen company, with their context menu ("削除", "コピー",
// "クリップボードへ全てコピー"). A double-click on the filtered view edits a
// worker in the worker roster window (site mode); on the full list it shows
// the worker without storing.
class WorkerPage : public PageBase {
    Q_OBJECT
public:
    WorkerPage(Project& project, Registry& registry, WindowSet& windows, QWidget* parent);

    // Showing the page: the selector's companies, the prime contractor
    // chosen, the list refreshed from the registry's worker master list.
    void enter();
    void selectCompany(const QString& company);
    QString company() const;
    // Brings row `row` of the site worker list into view, selected: in its
    // company's view, or in the full list when its company is not offered.
    void showWorker(int row);

    // "会社情報の作業員名簿から登録": beeps without a company, else asks the
    // project window to open the registration window (registerRequested).
    void registerFromRoster();
    // After the registration window handed workers over.
    void finishRegistration();
    // Double-clicks: a filtered row (grid row; an empty one starts a new
    // worker), a full-list row.
    void editWorker(int filteredRow);
    void viewWorker(int row);
    // The context menu's actions on the list last clicked (`filtered` or
    // not), at the row remembered then.
    void deleteRow(bool filtered, int row);
    void copySelected(bool filtered);
    void copyAll(bool filtered);

signals:
    void registerRequested(const QString& company);
    // A worker was stored; `text` says into which lists.
    void workerStored(const QString& text);

private:
    void buildMenu();
    void openMenu(WorkerListView* list, const QPoint& globalPos);
    void refreshLists();
    void computeAges();
    void refreshFromMaster();

    Registry& registry_;
    QComboBox* selector_ = nullptr;
    WorkerListView* full_ = nullptr;
    WorkerListView* filtered_ = nullptr;
    QMenu* menu_ = nullptr;
    WorkerListView* menuList_ = nullptr;
};

} // namespace mirevo
