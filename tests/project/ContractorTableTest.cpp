#include "SiteFixtures.h"
#include "common/EraDate.h"
#include "project/CompanyLookup.h"
#include "project/ContractorEditor.h"
#include "project/SiteTree.h"
#include "registry/CompanyRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Table rows: No. 1 "一次" tier 1, No. 2 "二次" tier 1, No. 3 "三次" tier "x".
Project& tableOfThree(Project& p)
{
    withPrime(p);
    p.contractors.setRow(1, {"1", QStringLiteral("一次")});
    p.contractors.setRow(2, {"2", QStringLiteral("二次")});
    p.contractors.setRow(3, {"3", QStringLiteral("三次")});
    p.contractors.setCell(company::Tier, 1, "1");
    p.contractors.setCell(company::Tier, 2, "1");
    p.contractors.setCell(company::Tier, 3, "x");
    return p;
}

struct UpperCase {
    const char* shown;
    const char* name;
    const char* tier;
};

class RefreshUpper : public ::testing::TestWithParam<UpperCase> {};

TEST_P(RefreshUpper, NameAndTierFollowTheNumber)
{
    const UpperCase& c = GetParam();
    Project p;
    tableOfThree(p);
    p.record.setText("Edit75", "before");
    p.record.setText("ComboBox21", "9");
    p.record.setText("ComboBox20", QString::fromUtf8(c.shown));
    editor::refreshUpper(p);
    EXPECT_EQ(p.record.text("Edit75"), QString::fromUtf8(c.name)) << c.shown;
    EXPECT_EQ(p.record.text("ComboBox21"), QString::fromUtf8(c.tier)) << c.shown;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefreshUpper,
    ::testing::Values(UpperCase{"0 : 元請", "元請建設", "1"},
                      UpperCase{"2", "二次", "2"},          // the row numbered 2, tier 1 + 1
                      UpperCase{"7", "before", "8"},       // no such row: provisional n + 1
                      UpperCase{"3", "三次", "4"},          // tier not a number: stops after the name
                      UpperCase{"abc", "before", "9"}));   // not a number: nothing

TEST(ContractorTable, WriteUpperGoesToTheCurrentRowOrRowOne)
{
    Project p;
    tableOfThree(p);
    p.record.setText("ComboBox20", "2");
    p.record.setText("Edit75", QStringLiteral("二次"));
    p.record.setText("ComboBox21", "2");
    editor::writeUpper(p);
    EXPECT_EQ(p.contractors.row(1).mid(40, 3), (QStringList{"2", QStringLiteral("二次"), "2"}));
    p.currentRow = 3;
    editor::writeUpper(p);
    EXPECT_EQ(p.contractors.cell(company::Tier, 3), "2");
}

TEST(ContractorTable, PageEntryTakesTheLastRowOfTheNumber)
{
    Project p;
    tableOfThree(p);
    p.contractors.setCell(company::No, 3, "2");
    p.record.setText("ComboBox20", "2");
    editor::refreshOnPageEntry(p);
    EXPECT_EQ(p.record.text("Edit75"), QStringLiteral("三次"));
    p.record.setText("ComboBox20", "0 : 元請");
    p.record.setText("ComboBox21", "3");
    editor::refreshOnPageEntry(p);
    EXPECT_EQ(p.record.text("Edit75"), QStringLiteral("元請建設"));
    EXPECT_EQ(p.record.text("ComboBox21"), "1");
}

TEST(ContractorTable, CallUpOfTheFirstCompanyFillsTheUpperCompany)
{
    Project p;
    withPrime(p);
    editor::beginCallUp(p);
    // What the registration window does on confirming.
    p.record.setText("Edit42", QStringLiteral("一次工業"));
    editor::writeBack(p);
    p.record.setText("ComboBox20", "");
    const int rows = p.contractors.rowCount();
    editor::finishCallUp(p);
    EXPECT_EQ(p.contractors.rowCount(), rows + 1);
    EXPECT_EQ(p.record.text("ComboBox20"), "0 : 元請");
    EXPECT_EQ(p.record.text("Edit75"), QStringLiteral("元請建設"));
    EXPECT_EQ(p.record.text("ComboBox21"), "1");
    EXPECT_EQ(p.contractors.row(1).mid(40, 3), (QStringList{"0 : 元請", QStringLiteral("元請建設"), "1"}));
    EXPECT_EQ(p.shitaukeCount, 1);
    EXPECT_EQ(p.tierOutline.row(0).mid(0, 5),
              (QStringList{"No.", QStringLiteral("1次下請け"), QStringLiteral("2次下請け"), QStringLiteral("3次下請け"),
                           QStringLiteral("4次下請け")}));
}

TEST(ContractorTable, ASecondCallUpKeepsTheFirstCompanyAndItsDates)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed({"A", "B"});
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::selectNode(p, 0);
    p.record.setText("Edit76", "A-from");
    editor::writeBack(p);
    editor::beginCallUp(p);
    EXPECT_EQ(p.currentRow, 2);
    EXPECT_EQ(p.record.text("Edit76"), blankDateTemplate());
    p.record.setText("Edit42", "B");
    editor::writeBack(p);
    p.record.setText("ComboBox20", "");
    editor::finishCallUp(p);
    EXPECT_EQ(p.record.text("ComboBox20"), "1");
    EXPECT_EQ(p.record.text("Edit75"), "A");
    EXPECT_EQ(p.record.text("ComboBox21"), "2");
    EXPECT_EQ(p.contractors.cell(company::PeriodFrom, 1), "A-from");
    sitetree::registerSubcontractor(p, "B", companies);
    EXPECT_EQ(tableNames(p), (QStringList{"A", "B"}));
    EXPECT_EQ(p.contractors.cell(company::PeriodFrom, 1), "A-from");
}

TEST(ContractorTable, DateCopiesWriteBack)
{
    Project p;
    p.record.setText("Edit5", "o-from");
    p.record.setText("Edit6", "o-to");
    p.record.setText("Edit78", "p-from");
    p.record.setText("Edit80", "p-to");
    p.record.setText("Edit81", "p-date");
    editor::copyOrdererPeriod(p);
    EXPECT_EQ(p.contractors.row(1).mid(43, 3), (QStringList{"o-from", "o-to", blankDateTemplate()}));
    editor::copyPrimeDates(p);
    EXPECT_EQ(p.contractors.row(1).mid(43, 3), (QStringList{"p-from", "p-to", "p-date"}));
}

TEST(ContractorTable, LookupTakesTheLastMatchAndKeepsValuesOtherwise)
{
    Project p;
    withPrime(p);
    const TextGrid companies = companiesNamed({"A", "B"});
    sitetree::registerFirstTier(p, "A", companies);
    sitetree::registerFirstTier(p, "B", companies);
    p.contractors.setCell(company::PeriodFrom, 2, "f");
    p.contractors.setCell(company::PeriodTo, 2, "t");
    CompanyLookup out;
    lookupCompany(p, "B", out);
    EXPECT_EQ(out.name, "B");
    EXPECT_EQ(out.businessId, "'10002");
    EXPECT_EQ(out.representative, QStringLiteral("代表 B"));
    EXPECT_EQ(out.specialistWork, QStringLiteral("有"));
    EXPECT_EQ(out.period, QStringLiteral("f～t"));
    lookupCompany(p, "nobody", out);
    EXPECT_EQ(out.name, "B");
    p.contractors.setCell(company::SpecialtyWork, 1, "?");
    lookupCompany(p, "A", out);
    EXPECT_EQ(out.name, "A");
    EXPECT_EQ(out.specialistWork, QStringLiteral("有")); // unknown flag: unchanged
    p.contractors.setCell(company::SpecialtyWork, 1, " ");
    lookupCompany(p, "A", out);
    EXPECT_EQ(out.specialistWork, QStringLiteral("無"));
}

TEST(ContractorTable, ColumnWidths)
{
    const std::vector<int> w = editor::columnWidths();
    ASSERT_EQ(w.size(), 55u);
    EXPECT_EQ(w[company::No] + w[company::Name] + w[company::Branch] + w[company::UpperNo] + w[company::UpperName] + w[company::Tier] + w[company::FirstTierName], 25 + 250 + 100 + 60 + 100 + 60 + 80);
    EXPECT_EQ(w[company::Representative] + w[company::PeriodFrom] + w[company::WorkerCount] + w[company::TableSpare4], 0);
}

} // namespace
