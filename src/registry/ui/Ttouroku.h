#pragma once
#include <QDialog>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QWidget;
class Tmeibo;

namespace mirevo {
class CompanyEntryPanel;
class GridMarkers;
class Project;
class Registry;
class TextGridModel;
class WorkerPanel;
} // namespace mirevo

// The company registration window ("会社情報登録フォーム"). Created once and
// reused; the caller loads the registry, sets `mode`, runs exec() and resets
// `mode` to 0:
//
//   registry.load(); touroku.mode = 0; touroku.exec();      // start menu
//   registry.load(); touroku.mode = 1;                      // site workers
//   touroku.siteCompany = companySelectorText; touroku.exec();
//   registry.load(); touroku.mode = 2; touroku.exec();      // prime contractor
//   registry.load(); touroku.mode = 3; touroku.exec();      // subcontractor
//   touroku.mode = 0;
//
// What reaches the project: mode 1 appends the marked workers to
// project.workers after project.st3Count and raises st3Count; mode 2 fills
// the prime contractor fields (Edit10 …, RadioButton5/6, Edit84); mode 3
// fills the contractor editor fields (Edit42 …, RadioButton3/4, Edit83),
// writes them back into the site contractor table, then sets ComboBox20,
// Edit75, ComboBox21 from the picked row, guideState 3 and currentRow 1 when
// it was 0. Modes 2 and 3 pick on the press of the left button over a row
// with a company name and close the window; a row without one only beeps.
//
// Controls by object name: the company list `StringGrid1`, the worker view
// `StringGrid2`, the entry fields by their component names (see
// CompanyEntryPanel), the panels `companyPanel` and `workerPanel`, the
// buttons `closeButton` "閉じる", `helpButton` "HELP", `saveCompanyButton`
// "会社情報の個別保存", `loadCompanyButton` "会社情報の個別読込",
// `registerButton`, `workersButton`, `webButton`, and on the worker panel
// `backButton`, `selectAllButton`, `handOverButton`, `cancelButton`; the
// list menus `companyMenu` (`deleteCompaniesAction`, `copyAction`,
// `pasteAction`, `insertRowAction`) and `workerMenu` (`deleteWorkersAction`).
class Ttouroku : public QDialog {
    Q_OBJECT
public:
    Ttouroku(mirevo::Registry& registry, mirevo::Project& project, Tmeibo& roster, QWidget* parent = nullptr);
    ~Ttouroku() override;

    // 0 stand-alone registration, 1 pick workers for the site, 2 pick the
    // prime contractor, 3 pick a subcontractor.
    int mode = 0;
    // Mode 1: the company whose workers are offered (the project window's
    // company selector).
    QString siteCompany;

    // Company list markers: the row under the pointer when the left button
    // went down last, and when it came up last (0 = none).
    int pressedRow() const;
    int selectedRow() const;

    // The operations behind the buttons and menus, callable by tests and
    // by the windows that drive this one.
    void registerCompany();
    void insertRow();
    void deleteCompanies();
    void copyRows();
    void pasteRows();
    void saveCompanyFile();
    void loadCompanyFile();
    // "作業員の一括取り込み…": a file, then its preview; "作業員一覧を書き出す…":
    // every worker of the registry to a .csv or .xlsx file.
    void importWorkers();
    void exportWorkers();
    void openWorkerPanel();

signals:
    // Closed while in mode 0: the start menu shows itself again.
    void closedInStandAloneMode();

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    QWidget* buildCompanyPanel();
    QTableView* buildCompanyList();
    void buildCompanyMenu();
    void connectWorkerPanel();
    void activate();
    void centreOnScreen();
    void fitListToScreen();
    void showCompanyPanel();
    void fitTo(QWidget* panel, int extraWidth, int extraHeight);
    void refreshList();
    void showSelectedRow();
    void loadRowIntoEntry(int row);
    void clickCompany(int row);
    void pickPrime(int row);
    void pickContractor(int row);
    void handOverWorkers();
    void closeAndSave();

    mirevo::Registry& registry_;
    mirevo::Project& project_;
    Tmeibo& roster_;

    QWidget* companyPanel_ = nullptr;
    QTableView* list_ = nullptr;
    mirevo::TextGridModel* listModel_ = nullptr;
    mirevo::GridMarkers* markers_ = nullptr;
    QMenu* companyMenu_ = nullptr;
    QLabel* pickHint_ = nullptr;
    QPushButton* saveCompanyButton_ = nullptr;
    QPushButton* loadCompanyButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    mirevo::CompanyEntryPanel* entry_ = nullptr;
    mirevo::WorkerPanel* workers_ = nullptr;
};
