#pragma once
#include <QWidget>

class QFrame;
class QLineEdit;

namespace mirevo {

class Project;
class Registry;
class SiteTreeView;

// The tree panel of the subcontractor page: the name bar ("業者名", the
// company to register, `Edit86`), the buttons "登録【1次下請】", "登録【再下請】"
// and "削除" with their guide frame, and the subcontracting tree. Every
// change of the tree rebuilds the site contractor table from the tree and
// the registry's company list.
class TreePanel : public QWidget {
    Q_OBJECT
public:
    TreePanel(Project& project, Registry& registry, QWidget* parent);

    SiteTreeView* tree() const { return tree_; }
    QFrame* guideFrame() const { return guide_; }
    // After a call-up: the company's name in the name bar, which shows, and
    // the focus on the tree.
    void offerName(const QString& name);

    // The buttons.
    void registerFirstTier();
    void registerSubcontractor();
    void deleteNode();

signals:
    // A tree button was pressed: the call-up button's guide takes over.
    void treeButtonPressed();

private:
    QWidget* buildNameBar();
    void buildButtons();
    void connectTree();
    void afterButton();
    void dropNode(int dragged, int target, bool shift);

    Project& project_;
    Registry& registry_;
    QWidget* nameBar_ = nullptr;
    QLineEdit* name_ = nullptr;
    QFrame* guide_ = nullptr;
    SiteTreeView* tree_ = nullptr;
};

} // namespace mirevo
