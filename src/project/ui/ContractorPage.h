#pragma once
#include "common/ui/WindowSet.h"
#include "PageBase.h"

class QFrame;
class QLabel;

namespace mirevo {

// The page "再下請負業者情報": the contractor editor, which shows one row of
// the site contractor table and writes it back whenever the focus leaves
// one of its fields.
class ContractorPage : public PageBase {
    Q_OBJECT
public:
    ContractorPage(Project& project, WindowSet& windows, QWidget* parent);

    QFrame* guideFrame() const { return guide_; }
    // Shows "No. n" above the editor.
    void showCurrentRow();

signals:
    void callUpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCompany(QWidget* box);
    void buildLedger(QWidget* box);
    void buildInsurance(QWidget* box);
    void buildSite(QWidget* box);
    void watchFocus();
    void copyPrimeDates(bool withContractDate);

    QFrame* guide_ = nullptr;
    QLabel* rowLabel_ = nullptr;
};

} // namespace mirevo
