#pragma once
#include "roster/WorkerStore.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TForm2;
class Tdentakukun;

namespace mirevo {
class Registry;
class Project;
class BloodPressurePanel;
} // namespace mirevo

// The worker roster window ("作業員名簿"): the editor of one worker record.
// Created once and reused. The caller sets `mode` and `company`, calls
// openWorker() with the row it designates and resets `mode` to 0 afterwards:
//
//   meibo.mode = 1;                         // registry worker master list
//   meibo.company = currentCompany;         // worker panel's company
//   meibo.openWorker(masterRow);            // or worker::kNewWorker
//   meibo.mode = 0;
//
//   meibo.mode = 2;                         // site worker list
//   meibo.company = companySelectorText;    // project window's company
//   meibo.openWorker(fullListRow);          // or worker::kNewWorker
//   meibo.mode = 0;
//
// "登録" writes the record into the list of the mode (mode 1 then saves the
// registry file) and closes with Accepted; "キャンセル" closes with Rejected.
// In mode 2 a worker who is also in the registry's master list (same 氏名
// and 会社名, before or after the edit) is updated there too and the registry
// saved, so that refreshing the site list from the registry keeps the edit;
// when that save fails nothing is stored and the window stays open. A label
// in the window says which lists "登録" writes, storeNote() what it wrote.
class Tmeibo : public QDialog {
    Q_OBJECT
public:
    Tmeibo(mirevo::Registry& registry, mirevo::Project& project, TForm2& calendar, Tdentakukun& calculator,
           QWidget* parent = nullptr);
    ~Tmeibo() override;

    int mode = 0;    // 1 = registry worker master list, 2 = site worker list
    QString company; // the caller's current company: shown when a record has none

    // Loads `row` of the list of `mode` and runs modally. kNewWorker (or any
    // row that is not a data row of the list) starts a new worker, stored in
    // the first free row from the count of workers + 1 (mode 1) or from the
    // project's st3Count + 1 (mode 2), never over a stored worker. In any
    // other mode the fields keep what they show and "登録" stores nothing.
    int openWorker(int row = mirevo::worker::kNewWorker);
    // Shows `record` (42 cells) without a list to store into, "登録" disabled.
    int viewWorker(const QStringList& record);

    // The opening step of openWorker() without running the event loop.
    void load(int row);
    // Where "登録" writes; 0 when the window has no row to store into.
    int targetRow() const { return targetRow_; }
    // The fields as a worker record (42 cells; 0 and 36–41 empty).
    QStringList record() const;
    // What the last "登録" wrote, for the caller's status line; empty when
    // nothing was stored.
    QString storeNote() const { return storeNote_; }

signals:
    // A record was written into row `row` of the list of `mode`.
    void workerStored(int mode, int row);

private:
    void placeFormInScrollArea();
    // Building the form (TmeiboForm.cpp).
    void buildForm();
    QWidget* buildTopStrip();
    QGroupBox* buildNameGroup();
    QGroupBox* buildRoleGroup();
    QGroupBox* buildPersonalGroup();
    QGroupBox* buildInsuranceGroup();
    void buildButtons();
    void buildEraTable();
    QLineEdit* addEdit(QWidget* parent, int column, const QString& name, const QRect& geometry,
                       const QString& designText = {});
    QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry);

    // Behaviour (Tmeibo.cpp).
    void bindEntryAids();
    void bindEnterOrder();
    void bindDoubleClicks();
    void bindPickers();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showRecord(const QStringList& record);
    void showSiteDates(bool shown);
    void setRoleBoxes(const QString& text);
    void rebuildRoleText();
    void store();
    void storeInto(mirevo::TextGrid& list);
    bool storeSiteWorker();
    int masterRowFor(const QStringList& edited) const;
    void showStoreTarget();
    void saveRegistry();
    int newWorkerRow() const;
    void computeYears(QLineEdit* date, QLineEdit* result, QWidget* next);
    void pickDate(QLineEdit* field, int startMode);
    void pickNumber(QLineEdit* field);
    void enterInPhone();
    void enterInFamilyContact();
    void toggleEraTable();
    void takeEraRow(int row);

    mirevo::Registry& registry_;
    mirevo::Project& project_;
    TForm2& calendar_;
    Tdentakukun& calculator_;
    int targetRow_ = 0;
    QString loadedName_, loadedCompany_; // the worker as it was opened
    QString storeNote_;
    QLabel* storeTarget_ = nullptr;

    std::map<int, QLineEdit*> fields_; // column → field, every column 1–35 but 14
    QComboBox* bloodType_ = nullptr;
    std::array<QCheckBox*, 12> roleBoxes_{};
    QLabel* familyContactLabel_ = nullptr;
    QLabel* familyPhoneLabel_ = nullptr;
    std::array<QLabel*, 2> siteDateLabels_{};
    QGroupBox* personalGroup_ = nullptr;
    QPushButton* storeButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* eraButton_ = nullptr;
    QTableWidget* eraTable_ = nullptr;
    mirevo::BloodPressurePanel* pressurePanel_ = nullptr;
};
