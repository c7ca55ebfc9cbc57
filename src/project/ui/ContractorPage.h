#pragma once
#include "PageBase.h"
#include "common/ui/WindowSet.h"

class QFrame;
class QLabel;

namespace mirevo {

class Registry;
class TreePanel;

// The page "再下請負業者情報": the contractor editor, which shows one row of
// the site contractor table and writes it back whenever the focus leaves
// one of its fields, and the tree panel beside it.
class ContractorPage : public PageBase {
    Q_OBJECT
public:
    ContractorPage(Project& project, Registry& registry, WindowSet& windows, QWidget* parent);

    QFrame* guideFrame() const { return guide_; }
    TreePanel* treePanel() const { return tree_; }
    // Shows "No. n" above the editor.
    void showCurrentRow();
    // Showing the page: the upper-company name is refreshed.
    void enter();

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
    void watchUpperCompany();
    void emptyOnDoubleClick();

    QFrame* guide_ = nullptr;
    QLabel* rowLabel_ = nullptr;
    TreePanel* tree_ = nullptr;
};

} // namespace mirevo
