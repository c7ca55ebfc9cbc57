#pragma once
#include "registry/WorkerImport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace mirevo {

class Registry;

// The preview of a worker import ("作業員の一括取り込み"): every data row of
// the file with what will happen to it (取り込む / 更新 / 省略 / エラー: why),
// the counts, the headings that are not taken, the company for rows that
// name none (`ComboBox_company`) and whether registered workers are updated
// (`CheckBox_update`). "取り込む" writes the registry once and closes with
// Accepted; "キャンセル" changes nothing.
class WorkerImportDialog : public QDialog {
    Q_OBJECT
public:
    WorkerImportDialog(Registry& registry, workerimport::Source source, const QString& company,
                       QWidget* parent = nullptr);

    const workerimport::Plan& plan() const { return plan_; }
    // Applies the plan; a registry that cannot be written is reported and
    // the dialog stays open.
    void importRows();

private:
    void buildWidgets(const QString& company);
    void replan();
    void showPlan();

    Registry& registry_;
    workerimport::Source source_;
    workerimport::Plan plan_;
    QComboBox* company_ = nullptr;
    QCheckBox* update_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* unknown_ = nullptr;
    QPushButton* import_ = nullptr;
};

} // namespace mirevo
