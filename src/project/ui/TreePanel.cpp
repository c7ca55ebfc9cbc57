#include "TreePanel.h"
#include "SiteTreeView.h"
#include "common/Dialogs.h"
#include "common/ui/FormKit.h"
#include "project/Project.h"
#include "project/SiteTree.h"
#include "registry/Registry.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace mirevo {
namespace {

constexpr int kWidth = 406;
constexpr int kHeight = 597;
constexpr int kButtonsY = 36;
constexpr int kTreeY = 72;

} // namespace

TreePanel::TreePanel(Project& project, Registry& registry, QWidget* parent)
    : QWidget(parent), project_(project), registry_(registry)
{
    setObjectName("Panel_tree");
    setFixedSize(kWidth, kHeight);
    nameBar_ = buildNameBar();
    buildButtons();
    tree_ = new SiteTreeView(this);
    tree_->setGeometry(0, kTreeY, kWidth, kHeight - kTreeY);
    connectTree();
    tree_->showTree(project_.tree);
}

QWidget* TreePanel::buildNameBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName("Panel_nameBar");
    bar->setGeometry(0, 0, kWidth, 30);
    form::label(bar, QStringLiteral("業者名"), 4, 4, 56);
    name_ = form::edit(bar, "Edit86", 60, 3, kWidth - 64);
    bar->hide();
    return bar;
}

void TreePanel::buildButtons()
{
    auto* first = form::button(this, QStringLiteral("登録【1次下請】"), 4, kButtonsY, 140, 28, "Button_firstTier");
    auto* sub = form::button(this, QStringLiteral("登録【再下請】"), 150, kButtonsY, 140, 28, "Button_subcontractor");
    auto* del = form::button(this, QStringLiteral("削除"), 296, kButtonsY, 90, 28, "Button_deleteNode");
    guide_ = new QFrame(this);
    guide_->setObjectName("Panel_treeButtonsGuide");
    guide_->setGeometry(1, kButtonsY - 3, 388, 34);
    guide_->setAutoFillBackground(true);
    guide_->hide();
    guide_->lower();
    connect(first, &QPushButton::clicked, this, &TreePanel::registerFirstTier);
    connect(sub, &QPushButton::clicked, this, &TreePanel::registerSubcontractor);
    connect(del, &QPushButton::clicked, this, &TreePanel::deleteNode);
}

void TreePanel::connectTree()
{
    connect(&project_, &Project::treeChanged, this, [this] { tree_->showTree(project_.tree); });
    connect(tree_, &SiteTreeView::nodeClicked, this, [this](int index) { sitetree::selectNode(project_, index); });
    // Keys move the selection too; the buttons act on the node shown selected.
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { project_.tree.select(SiteTreeView::indexOf(item)); });
    connect(tree_, &SiteTreeView::nodeDropped, this, &TreePanel::dropNode);
    connect(tree_, &SiteTreeView::dragEnded, this, [this] { sitetree::rebuildTable(project_, registry_.companies); });
}

void TreePanel::offerName(const QString& name)
{
    name_->setText(name);
    nameBar_->show();
    tree_->setFocus();
}

void TreePanel::registerFirstTier()
{
    emit treeButtonPressed();
    guide_->hide();
    if (!sitetree::registerFirstTier(project_, name_->text(), registry_.companies))
        return;
    name_->clear();
    afterButton();
}

void TreePanel::registerSubcontractor()
{
    emit treeButtonPressed();
    guide_->hide();
    const QString refused = sitetree::registerSubcontractor(project_, name_->text(), registry_.companies);
    if (refused.isEmpty())
        name_->clear();
    else
        Dialogs::current().message(refused);
    afterButton();
}

void TreePanel::deleteNode()
{
    emit treeButtonPressed();
    guide_->hide();
    const QString refused = sitetree::deleteSelected(project_, registry_.companies);
    if (!refused.isEmpty())
        Dialogs::current().message(refused);
    afterButton();
}

void TreePanel::afterButton()
{
    tree_->setFocus();
    nameBar_->hide();
}

void TreePanel::dropNode(int dragged, int target, bool shift)
{
    if (sitetree::drop(project_, dragged, target, shift) == SubcontractTree::Drop::TooDeep)
        Dialogs::current().message(SubcontractTree::tooDeepMessage());
}

} // namespace mirevo
