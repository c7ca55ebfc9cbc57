#include "project/SiteTree.h"
#include "SiteFixtures.h"
#include "common/EraDate.h"
#include "project/ContractorEditor.h"
#include "project/TierOutline.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

const QStringList kNames{"A", "B", "C", "D", "E"};

QString cell(const Project& p, int column, int row)
{
    return p.contractors.cell(column, row);
}

TEST(SiteTree, FirstTierThenSubcontractorGiveTheirRows)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed(kNames);
    ASSERT_TRUE(sitetree::registerFirstTier(p, "A", companies));
    sitetree::selectNode(p, 0);
    EXPECT_EQ(sitetree::registerSubcontractor(p, "B", companies), QString());
    ASSERT_EQ(tableNames(p), (QStringList{"A", "B"}));
    EXPECT_EQ(cell(p, company::Tier, 1), "1");
    EXPECT_EQ(cell(p, company::UpperName, 1), QStringLiteral("元請建設"));
    EXPECT_EQ(cell(p, company::UpperNo, 1), "0");
    EXPECT_EQ(cell(p, company::kColumns, 1), "A");
    EXPECT_EQ(cell(p, company::Tier, 2), "2");
    EXPECT_EQ(cell(p, company::UpperName, 2), "A");
    EXPECT_EQ(cell(p, company::UpperNo, 2), "1");
    EXPECT_EQ(cell(p, company::kColumns, 2), "A");
    EXPECT_EQ(cell(p, company::Representative, 2), QStringLiteral("代表 B")); // from the company list
    EXPECT_EQ(p.contractors.rowCount(), 3);
    EXPECT_EQ(p.shitaukeCount, 2);
    EXPECT_EQ(p.nodeCount, "2");
    EXPECT_EQ(p.guideState, 2);
}

TEST(SiteTree, ShiftDropOnTheFirstTierMakesTheFirstTopLevelNode)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed(kNames);
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::selectNode(p, 0);
    sitetree::registerSubcontractor(p, "B", companies);
    EXPECT_EQ(sitetree::drop(p, 1, 0, true), SubcontractTree::Drop::Moved);
    sitetree::rebuildTable(p, companies);
    EXPECT_EQ(tableNames(p), (QStringList{"B", "A"}));
    EXPECT_EQ(cell(p, company::Tier, 1), "1");
    EXPECT_EQ(cell(p, company::UpperName, 1), QStringLiteral("元請建設"));
}

TEST(SiteTree, RefusedOperationsSayWhy)
{
    Project p;
    const TextGrid companies = companiesNamed(kNames);
    EXPECT_FALSE(sitetree::registerFirstTier(p, "", companies));
    EXPECT_TRUE(p.tree.isEmpty());
    const int rows = p.contractors.rowCount();
    EXPECT_EQ(sitetree::registerSubcontractor(p, "B", companies), QStringLiteral("直近上位の業者を選択して下さい。"));
    EXPECT_EQ(sitetree::deleteSelected(p, companies), QStringLiteral("削除する業者を選択して下さい。"));
    EXPECT_EQ(p.contractors.rowCount(), rows);
}

TEST(SiteTree, NodesWithoutCompanyOrWithTwoCompaniesAndAnEmptyTree)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed({"A", "B", "B"});
    sitetree::registerFirstTier(p, "X", companies);                      // in no company row
    sitetree::registerFirstTier(p, "B", companies);                      // twice in the list
    sitetree::registerFirstTier(p, QStringLiteral("会社名"), companies); // the heading is no company
    EXPECT_EQ(tableNames(p), (QStringList{"B", "B"}));
    EXPECT_EQ(sitetree::rowOfNode(p, 0), 0);
    EXPECT_EQ(sitetree::rowOfNode(p, 1), 1);
    p.tree.select(0);
    sitetree::deleteSelected(p, companies);
    p.tree.select(0);
    sitetree::deleteSelected(p, companies);
    p.tree.select(0);
    sitetree::deleteSelected(p, companies);
    EXPECT_TRUE(p.tree.isEmpty());
    EXPECT_TRUE(tableNames(p).isEmpty());
    EXPECT_EQ(p.shitaukeCount, 0);
    EXPECT_EQ(p.nodeCount, "0");
}

TEST(SiteTree, SiteDatesStayWithTheirCompanyThroughRebuilds)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed({"A", "B", "B"});
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::registerFirstTier(p, "B", companies);
    // rows: A, B (first list row), B (second list row)
    p.contractors.setCell(company::PeriodFrom, 1, "A-from");
    p.contractors.setCell(company::ContractDate, 2, "B1-date");
    p.contractors.setCell(company::PeriodTo, 3, "B2-to");
    sitetree::drop(p, 1, 0, true); // B before A
    sitetree::rebuildTable(p, companies);
    ASSERT_EQ(tableNames(p), (QStringList{"B", "B", "A"}));
    EXPECT_EQ(cell(p, company::ContractDate, 1), "B1-date");
    EXPECT_EQ(cell(p, company::PeriodTo, 2), "B2-to");
    EXPECT_EQ(cell(p, company::PeriodFrom, 3), "A-from");
}

TEST(SiteTree, SelectingANodeLoadsItsOwnRowEvenAfterAMissingCompany)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed(kNames);
    sitetree::registerFirstTier(p, "X", companies);
    sitetree::registerFirstTier(p, "C", companies);
    sitetree::selectNode(p, 1);
    EXPECT_EQ(p.currentRow, 1);
    EXPECT_EQ(p.record.text("Edit42"), "C");
}

TEST(SiteTree, TheEditorFollowsTheTreeSoNoRemovedCompanyComesBack)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed(kNames);
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::registerFirstTier(p, "B", companies);
    sitetree::registerFirstTier(p, "C", companies);
    EXPECT_EQ(p.currentRow, 3); // the new node is selected, the editor on its row
    EXPECT_EQ(p.record.text("Edit42"), "C");
    sitetree::deleteSelected(p, companies);
    EXPECT_EQ(p.currentRow, 2);
    EXPECT_EQ(p.record.text("Edit42"), "B");
    editor::writeBack(p); // the focus leaves an editor field
    EXPECT_EQ(tableNames(p), (QStringList{"A", "B"}));
}

TEST(SiteTree, ListingIndentsByLevel)
{
    SubcontractTree t;
    const int a = t.addTopLevel("A");
    t.addChild(t.addChild(a, "B"), "C");
    const TextGrid l = sitetree::listing(t);
    EXPECT_EQ(l.rowCount(), 50);
    EXPECT_EQ(l.row(2).mid(0, 5), (QStringList{"2", "C", "    C", "3", "A"}));
}

TEST(TierOutline, WorkedExample)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed(kNames);
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::selectNode(p, 0);
    sitetree::registerSubcontractor(p, "B", companies);
    sitetree::registerSubcontractor(p, "C", companies);
    sitetree::selectNode(p, 2);
    sitetree::registerSubcontractor(p, "D", companies);
    sitetree::registerFirstTier(p, "E", companies);
    const TextGrid& o = p.tierOutline;
    EXPECT_EQ(o.row(1).mid(0, 5), (QStringList{"1", "A", "B", "", ""}));
    EXPECT_EQ(o.row(2).mid(0, 5), (QStringList{"2", "", "C", "D", ""}));
    EXPECT_EQ(o.row(3).mid(0, 5), (QStringList{"3", "E", "", "", ""}));
    EXPECT_EQ(outline::lastRow(o), 3);
    EXPECT_EQ(o.rowCount(), 100);
    EXPECT_TRUE(o.cell(1, 0).isEmpty()); // headings only after a call-up
}

TEST(TierOutline, GrowsPastNinetyNineRowsAndKeepsDeepTiers)
{
    Project p;
    withPrime(p);
    QStringList names;
    for (int i = 0; i < 120; ++i)
        names << QStringLiteral("社%1").arg(i);
    names << "T1"
          << "T2"
          << "T3"
          << "T4"
          << "T5"
          << "T6";
    const TextGrid companies = companiesNamed(names);
    sitetree::registerFirstTier(p, "T1", companies);
    for (int tier = 2; tier <= 6; ++tier) {
        sitetree::selectNode(p, tier - 2);
        sitetree::registerSubcontractor(p, QStringLiteral("T%1").arg(tier), companies);
    }
    sitetree::selectNode(p, 0);
    for (int i = 0; i < 120; ++i)
        sitetree::registerSubcontractor(p, names[i], companies);
    const TextGrid& o = p.tierOutline;
    // T2 came first among T1's children: T1 … T6 fill row 1, then one row
    // per further child of T1.
    EXPECT_EQ(o.row(1).mid(0, 7), (QStringList{"1", "T1", "T2", "T3", "T4", "T5", "T6"}));
    EXPECT_EQ(o.cell(2, 2), QStringLiteral("社0"));
    EXPECT_EQ(o.cell(2, 121), QStringLiteral("社119"));
    EXPECT_EQ(o.cell(0, 121), "121");
    EXPECT_EQ(outline::lastRow(o), 121);
    EXPECT_GT(o.rowCount(), 121);
}

} // namespace
