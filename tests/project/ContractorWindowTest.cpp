#include "SiteWindowFixture.h"
#include "project/ContractorEditor.h"
#include "project/SiteTree.h"
#include "project/ui/SiteTreeView.h"
#include "project/ui/TreePanel.h"
#include "registry/CompanyRecord.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace mirevo;
using mirevo::test::SiteWindowFixture;
using mirevo::test::tableNames;

namespace {

const QString kPrime = QStringLiteral("元請建設");
const QString kA = QStringLiteral("一次工業");
const QString kB = QStringLiteral("二次興業");
const QString kC = QStringLiteral("三次建材");
const QString kD = QStringLiteral("四次設備");

struct ContractorWindow : SiteWindowFixture {
    ContractorWindow() { form->showPage(TForm1::Subcontractors); }

    SiteTreeView* tree() const { return find<SiteTreeView>("TreeView1"); }

    void press(const char* button) { find<QPushButton>(button)->click(); }

    void offer(const QString& name) { find<QLineEdit>("Edit86")->setText(name); }

    void registerFirstTier(const QString& name)
    {
        offer(name);
        press("Button_firstTier");
    }

    void registerUnder(int node, const QString& name)
    {
        clickNode(node);
        offer(name);
        press("Button_subcontractor");
    }

    void clickNode(int index)
    {
        QTreeWidgetItem* item = tree()->itemOfIndex(index);
        ASSERT_NE(item, nullptr) << index;
        const QPoint at = tree()->visualItemRect(item).center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }

    // The view's items as "level:text" in display order.
    QStringList shown() const
    {
        QStringList items;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
            int level = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++level;
            items << QStringLiteral("%1:%2").arg(level).arg((*it)->text(0));
        }
        return items;
    }

    QString cell(int column, int row) const { return project.contractors.cell(column, row); }

    // A drag of node `dragged` dropped on `target`, as the view reports it.
    void drag(int dragged, int target, bool shift)
    {
        tree()->dropNode(dragged, target, shift);
        tree()->endDrag();
    }
};

TEST_F(ContractorWindow, TreeLooksCreamAndBoldAndTheNameBarWaitsForACallUp)
{
    SiteTreeView* view = tree();
    EXPECT_TRUE(view->font().bold());
    EXPECT_EQ(view->font().pixelSize(), 16);
    EXPECT_TRUE(view->styleSheet().contains(QStringLiteral("#FFFBF0")));
    EXPECT_EQ(view->dragDropMode(), QAbstractItemView::DragDrop);
    EXPECT_FALSE(find("Panel_nameBar")->isVisibleTo(form.get()));
    EXPECT_EQ(find("Panel_tree")->pos(), QPoint(814, 35));
    EXPECT_EQ(find<QPushButton>("Button_firstTier")->text(), QStringLiteral("登録【1次下請】"));
    EXPECT_EQ(find<QPushButton>("Button_subcontractor")->text(), QStringLiteral("登録【再下請】"));
    EXPECT_EQ(find<QPushButton>("Button_deleteNode")->text(), QStringLiteral("削除"));
    auto* tier = find<QComboBox>("ComboBox21");
    ASSERT_EQ(tier->count(), 9);
    EXPECT_EQ(tier->itemText(0), "1");
    EXPECT_EQ(tier->itemText(8), "9");
    // "特定専門工事の該当" is a pair of its own beside "選任"/"非選任".
    EXPECT_TRUE(find<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton18")->isChecked());
    find<QRadioButton>("RadioButton4")->click();
    EXPECT_TRUE(find<QRadioButton>("RadioButton18")->isChecked());
    EXPECT_TRUE(project.record.editorNotDedicated());
}

TEST_F(ContractorWindow, RegisteringBuildsTreeAndTable)
{
    registerFirstTier(kA);
    registerUnder(0, kB);
    EXPECT_EQ(shown(), (QStringList{"0:" + kA, "1:" + kB}));
    EXPECT_EQ(tableNames(project), (QStringList{kA, kB}));
    // A: tier 1 under the prime contractor; B: tier 2 under A (row 1).
    EXPECT_EQ(cell(company::UpperNo, 1), "0");
    EXPECT_EQ(cell(company::UpperName, 1), kPrime);
    EXPECT_EQ(cell(company::Tier, 1), "1");
    EXPECT_EQ(cell(company::FirstTierName, 1), kA);
    EXPECT_EQ(cell(company::UpperNo, 2), "1");
    EXPECT_EQ(cell(company::UpperName, 2), kA);
    EXPECT_EQ(cell(company::Tier, 2), "2");
    EXPECT_EQ(cell(company::FirstTierName, 2), kA);
    EXPECT_TRUE(find<QLineEdit>("Edit86")->text().isEmpty());
    EXPECT_EQ(project.nodeCount, "2");
    EXPECT_EQ(form->poji(), 2);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ContractorWindow, ClickingANodeLoadsItsRowIntoTheEditor)
{
    registerFirstTier(kA);
    registerFirstTier(kC);
    clickNode(0);
    EXPECT_EQ(project.currentRow, 1);
    EXPECT_EQ(find<QLineEdit>("Edit42")->text(), kA);
    clickNode(1);
    EXPECT_EQ(project.currentRow, 2);
    EXPECT_EQ(find<QLineEdit>("Edit42")->text(), kC);
    EXPECT_EQ(find<QLineEdit>("Edit44")->text(), QStringLiteral("代表 ") + kC);
}

TEST_F(ContractorWindow, RefusedButtonsSayWhyAndChangeNothing)
{
    // No name: nothing is added.
    press("Button_firstTier");
    EXPECT_TRUE(project.tree.isEmpty());
    // No node selected: both buttons say so.
    offer(kB);
    press("Button_subcontractor");
    press("Button_deleteNode");
    EXPECT_EQ(dialogs.messages, (QStringList{sitetree::noUpperSelectedMessage(), sitetree::noNodeSelectedMessage()}));
    EXPECT_TRUE(project.tree.isEmpty());
}

TEST_F(ContractorWindow, DeleteRemovesTheSelectedNodeWithItsSubtree)
{
    registerFirstTier(kA);
    registerUnder(0, kB);
    registerFirstTier(kC);
    clickNode(0);
    press("Button_deleteNode");
    EXPECT_EQ(shown(), (QStringList{"0:" + kC}));
    EXPECT_EQ(tableNames(project), (QStringList{kC}));
    EXPECT_EQ(project.nodeCount, "1");
}

TEST_F(ContractorWindow, TheRowLabelFollowsADeleteAndADrag)
{
    auto label = [this] { return find<QLabel>("Label_currentRow")->text(); };
    registerFirstTier(kA);
    registerFirstTier(kC);
    registerFirstTier(kD);
    clickNode(2);
    ASSERT_EQ(label(), QStringLiteral("No. 3"));
    clickNode(0);
    press("Button_deleteNode");
    EXPECT_EQ(label(), QStringLiteral("No. %1").arg(project.currentRow));

    clickNode(1);
    drag(1, 0, true);
    EXPECT_EQ(label(), QStringLiteral("No. %1").arg(project.currentRow));
}

// Tree A(B), C, D before each drop; the table follows the tree when the
// drag ends.
TEST_F(ContractorWindow, DropWithAndWithoutShift)
{
    struct Case {
        int dragged, target;
        bool shift;
        QStringList tree;
        QStringList table;
        QString tierOfFirst;
    };
    const Case cases[] = {
        // Without Shift: the first child of the target.
        {2, 0, false, {"0:" + kA, "1:" + kC, "1:" + kB, "0:" + kD}, {kA, kC, kB, kD}, "1"},
        {3, 1, false, {"0:" + kA, "1:" + kB, "2:" + kD, "0:" + kC}, {kA, kB, kD, kC}, "1"},
        // With Shift: the first node at the target's level.
        {1, 0, true, {"0:" + kB, "0:" + kA, "0:" + kC, "0:" + kD}, {kB, kA, kC, kD}, "1"},
        {3, 1, true, {"0:" + kA, "1:" + kD, "1:" + kB, "0:" + kC}, {kA, kD, kB, kC}, "1"},
        // On itself or into its own subtree: nothing moves.
        {0, 1, false, {"0:" + kA, "1:" + kB, "0:" + kC, "0:" + kD}, {kA, kB, kC, kD}, "1"},
        {2, 2, true, {"0:" + kA, "1:" + kB, "0:" + kC, "0:" + kD}, {kA, kB, kC, kD}, "1"},
    };
    for (const Case& c : cases) {
        project.tree.clear();
        sitetree::rebuildTable(project, registry.companies);
        registerFirstTier(kA);
        registerUnder(0, kB);
        registerFirstTier(kC);
        registerFirstTier(kD);
        drag(c.dragged, c.target, c.shift);
        EXPECT_EQ(shown(), c.tree) << c.dragged << "→" << c.target << " shift " << c.shift;
        EXPECT_EQ(tableNames(project), c.table) << c.dragged << "→" << c.target << " shift " << c.shift;
        EXPECT_EQ(cell(company::Tier, 1), c.tierOfFirst);
        EXPECT_EQ(cell(company::UpperName, 1), kPrime);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ContractorWindow, DropBelowTheNinthTierIsRefusedWithAMessage)
{
    registerFirstTier(kA);
    for (int level = 1; level < 9; ++level)
        registerUnder(level - 1, kB);
    registerFirstTier(kC);
    registerUnder(9, kD); // C(D): two tiers, dropped under the ninth
    drag(9, 8, false);
    EXPECT_EQ(dialogs.messages, QStringList{SubcontractTree::tooDeepMessage()});
    EXPECT_EQ(project.tree.text(9), kC);
    EXPECT_EQ(project.tree.tier(9), 1);
}

TEST_F(ContractorWindow, DragScrollBandsAndTimer)
{
    SiteTreeView* view = tree();
    const int h = view->viewport()->height();
    ASSERT_GT(h, 2 * SiteTreeView::kScrollBand);
    const std::pair<int, int> bands[] = {{0, -1}, {19, -1}, {20, 0}, {h / 2, 0}, {h - 21, 0}, {h - 20, +1}, {h - 1, +1}};
    for (auto [y, direction] : bands)
        EXPECT_EQ(view->scrollDirectionAt(y), direction) << y;

    for (int i = 0; i < 60; ++i)
        project.tree.addTopLevel(QStringLiteral("社%1").arg(i));
    project.notifyTreeChanged();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    bar->setValue(5);
    EXPECT_EQ(view->scrollTimer()->interval(), 50);
    view->setScrollDirection(+1);
    EXPECT_TRUE(view->scrollTimer()->isActive());
    view->scrollOneLine();
    EXPECT_EQ(bar->value(), 6);
    view->setScrollDirection(-1);
    view->scrollOneLine();
    view->scrollOneLine();
    EXPECT_EQ(bar->value(), 4);
    view->endDrag();
    EXPECT_FALSE(view->scrollTimer()->isActive());
    EXPECT_EQ(view->scrollDirection(), 0);
}

TEST_F(ContractorWindow, CallUpFillsTheUpperCompanyAndOffersTheNameForTheTree)
{
    // The registration window's pick: the company into the editor, written back.
    QString picked;
    opener = [this, &picked](int) {
        project.record.setText(QStringLiteral("Edit42"), picked);
        editor::writeBack(project);
        if (project.currentRow == 0)
            project.currentRow = 1;
    };
    picked = kA;
    press("Button_contractorCallUp");
    EXPECT_EQ(modes, std::vector<int>{3});
    EXPECT_EQ(find<QComboBox>("ComboBox20")->currentText(), editor::primeUpperNo());
    EXPECT_EQ(find<QLineEdit>("Edit75")->text(), kPrime);
    EXPECT_EQ(find<QComboBox>("ComboBox21")->currentText(), "1");
    EXPECT_EQ(cell(company::UpperNo, 1), editor::primeUpperNo());
    EXPECT_EQ(cell(company::UpperName, 1), kPrime);
    EXPECT_EQ(cell(company::Tier, 1), "1");
    EXPECT_EQ(find<QLineEdit>("Edit86")->text(), kA);
    EXPECT_TRUE(find("Panel_nameBar")->isVisibleTo(form.get()));
    registerFirstTier(kA);
    EXPECT_FALSE(find("Panel_nameBar")->isVisibleTo(form.get()));

    // A second company gets a row of its own.
    project.record.setText(QStringLiteral("ComboBox20"), QString());
    picked = kB;
    press("Button_contractorCallUp");
    EXPECT_EQ(cell(company::Name, 1), kA);
    EXPECT_EQ(project.currentRow, 2);
    EXPECT_EQ(cell(company::Name, 2), kB);
    EXPECT_EQ(cell(company::UpperNo, 2), "1");
    EXPECT_EQ(cell(company::UpperName, 2), kA);
    EXPECT_EQ(cell(company::Tier, 2), "2");
    EXPECT_EQ(project.shitaukeCount, 2);
}

TEST_F(ContractorWindow, CallUpClosedWithoutAPickKeepsTheEditorOnItsRow)
{
    registerFirstTier(kA);
    clickNode(0);
    project.contractors.setCell(company::PeriodFrom, 1, QStringLiteral("令和 6年 6月 1日"));
    editor::load(project);
    press("Button_contractorCallUp");
    EXPECT_EQ(modes, std::vector<int>{3});
    EXPECT_EQ(project.currentRow, 1);
    EXPECT_EQ(find<QLineEdit>("Edit42")->text(), kA);
    EXPECT_EQ(find<QLineEdit>("Edit76")->text(), QStringLiteral("令和 6年 6月 1日"));
    EXPECT_FALSE(find("Panel_nameBar")->isVisibleTo(form.get()));
    EXPECT_EQ(tableNames(project), QStringList{kA});
}

TEST_F(ContractorWindow, DoubleClickEmptiesCompanyFieldsAndDateButtonsCopyThePrimesDates)
{
    for (const char* name : {"Edit42", "Edit44", "Edit47", "Edit61", "Edit73"}) {
        auto* field = find<QLineEdit>(name);
        field->setText(QStringLiteral("x"));
        QTest::mouseDClick(field, Qt::LeftButton);
        EXPECT_TRUE(field->text().isEmpty()) << name;
    }
    ProjectRecord& rec = project.record;
    rec.setText("Edit5", QStringLiteral("令和 6年 4月 1日"));
    rec.setText("Edit6", QStringLiteral("令和 7年 3月 31日"));
    rec.setText("Edit78", QStringLiteral("令和 6年 5月 1日"));
    rec.setText("Edit80", QStringLiteral("令和 6年 12月 1日"));
    rec.setText("Edit81", QStringLiteral("令和 6年 4月 20日"));
    rec.setText("Edit42", kA);
    press("Button_samePeriod");
    EXPECT_EQ(find<QLineEdit>("Edit76")->text(), QStringLiteral("令和 6年 4月 1日"));
    EXPECT_EQ(cell(company::PeriodTo, 1), QStringLiteral("令和 7年 3月 31日"));
    press("Button_sameContract");
    EXPECT_EQ(cell(company::PeriodFrom, 1), QStringLiteral("令和 6年 5月 1日"));
    EXPECT_EQ(cell(company::PeriodTo, 1), QStringLiteral("令和 6年 12月 1日"));
    EXPECT_EQ(cell(company::ContractDate, 1), QStringLiteral("令和 6年 4月 20日"));
    EXPECT_EQ(cell(company::Name, 1), kA);
}

TEST_F(ContractorWindow, UpperNumberChoiceTakesThatRowsNameAndTier)
{
    registerFirstTier(kA);
    registerUnder(0, kB);
    registerFirstTier(kC);
    clickNode(2);
    auto* number = find<QComboBox>("ComboBox20");
    const int two = number->findText("2");
    ASSERT_GE(two, 0);
    number->setCurrentIndex(two);
    emit number->activated(two);
    EXPECT_EQ(find<QLineEdit>("Edit75")->text(), kB);
    EXPECT_EQ(find<QComboBox>("ComboBox21")->currentText(), "3");
}

} // namespace
