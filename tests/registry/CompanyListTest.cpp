#include "registry/CompanyList.h"
#include "Fixtures.h"
#include "common/Error.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Companies C1 … Cn in rows 1 … n of a list of `rows` rows.
Registry listOf(int n, int rows = Registry::kCompanyRows)
{
    Registry registry;
    registry.companies.setRowCount(rows);
    for (int i = 1; i <= n; ++i)
        putCompany(registry, i, QStringLiteral("C%1").arg(i));
    return registry;
}

QStringList entry(const QString& name, const QString& branch)
{
    QStringList record = companyRecord(name, branch);
    record[company::Dedicated] = "1";
    record[company::SpecialtyWork] = "1";
    record[company::BusinessId] = "12345678901234";
    return record;
}

} // namespace

TEST(CompanyList, RegisteringTheSameCompanyOverwritesItsRowAndStillGrowsTheList)
{
    Registry registry = listOf(8);
    const QStringList row3 = registry.companies.row(3);
    registry.companies.setCell(company::PeriodFrom, 7, "kept 43");
    registry.companies.setCell(company::WorkerCount, 7, "kept 49");

    QStringList record = entry("C7", QStringLiteral("本社"));
    record[company::Address] = QStringLiteral("新住所");
    record[company::PeriodFrom] = "not written";
    const int row = companies::registerCompany(registry.companies, 3, record);

    EXPECT_EQ(row, 7);
    EXPECT_EQ(registry.companies.rowCount(), Registry::kCompanyRows + 1);
    EXPECT_EQ(registry.companies.row(3), row3);
    EXPECT_EQ(registry.companies.cell(company::No, 7), "7");
    EXPECT_EQ(registry.companies.cell(company::Address, 7), QStringLiteral("新住所"));
    EXPECT_EQ(registry.companies.cell(company::PeriodFrom, 7), "kept 43");
    EXPECT_EQ(registry.companies.cell(company::WorkerCount, 7), "kept 49");
    EXPECT_EQ(registry.companies.cell(company::Dedicated, 7), "1");
    EXPECT_EQ(registry.companies.cell(company::BusinessId, 7), "12345678901234");
    EXPECT_EQ(registry.companies.cell(company::SpecialtyWork, 7), "1");
}

TEST(CompanyList, NameAndBranchMustBothMatchToReuseARow)
{
    Registry registry = listOf(2);
    registry.companies.setCell(company::Name, 2, "AB");
    registry.companies.setCell(company::Branch, 2, "C");
    // "A" + "BC" reads like "AB" + "C" but is another company.
    EXPECT_EQ(companies::registerCompany(registry.companies, 5, entry("A", "BC")), 5);
    EXPECT_EQ(companies::registerCompany(registry.companies, 6, entry("C1", QStringLiteral("支店"))), 6);
    EXPECT_EQ(registry.companies.cell(company::Name, 2), "AB");
}

TEST(CompanyList, RegisteringWithoutADataRowIsRefused)
{
    Registry registry = listOf(1);
    const Registry before = registry;
    EXPECT_THROW(companies::registerCompany(registry.companies, 0, entry("N", "")), Error);
    EXPECT_EQ(registry.companies, before.companies);
}

TEST(CompanyList, InsertingMovesRowsDownAndGrowsOnlyWhenTheLastRowHoldsData)
{
    Registry registry = listOf(4, 6);
    companies::insertEmptyRow(registry.companies, 2);
    EXPECT_EQ(registry.companies.rowCount(), 6);
    EXPECT_EQ(companyNames(registry.companies), (QStringList{"C1", "-", "C2", "C3", "C4"}));
    for (int row = 1; row < 6; ++row)
        EXPECT_EQ(registry.companies.cell(company::No, row), QString::number(row));
    EXPECT_EQ(registry.companies.cell(company::Address, 3), "C2:6"); // whole rows move

    companies::insertEmptyRow(registry.companies, 1); // C4 now in the last row
    EXPECT_EQ(registry.companies.rowCount(), 7);
    EXPECT_EQ(companyNames(registry.companies), (QStringList{"-", "C1", "-", "C2", "C3", "C4"}));
}

TEST(CompanyList, InsertingWithoutSelectedRowKeepsTheHeadingRow)
{
    Registry registry = listOf(2, 4);
    const QStringList headings = registry.companies.row(0);
    EXPECT_EQ(companies::insertEmptyRow(registry.companies, 0), 1);
    EXPECT_EQ(registry.companies.row(0), headings);
    EXPECT_EQ(companyNames(registry.companies), (QStringList{"-", "C1", "C2"}));
}

TEST(CompanyList, DeletingARangeRemovesThoseCompaniesAndExactlyTheirWorkers)
{
    Registry registry = listOf(7, 9);
    const char* owners[] = {"C1", "C3", "C4", "C6", "C5", "C3", "C7"};
    for (int i = 0; i < 7; ++i)
        putWorker(registry.workers, i + 1, QStringLiteral("w%1").arg(i + 1), owners[i]);
    putWorker(registry.workers, 9, "orphan", ""); // no company

    companies::deleteCompanies(registry, 5, 3);

    EXPECT_EQ(companyNames(registry.companies), (QStringList{"C1", "C2", "C6", "C7"}));
    EXPECT_EQ(registry.companies.rowCount(), 9);
    for (int row = 1; row < 9; ++row)
        EXPECT_EQ(registry.companies.cell(company::No, row), QString::number(row));
    EXPECT_EQ(workerNames(registry.workers), (QStringList{"w1", "w4", "w7", "orphan"}));
    EXPECT_EQ(registry.workers.cell(worker::No, 3), "00003");
    EXPECT_EQ(registry.workers.rowCount(), Registry::kWorkerRows);
}

TEST(CompanyList, DeletingOneBranchKeepsTheWorkersTheOtherBranchStillNames)
{
    Registry registry = listOf(3, 6);
    putCompany(registry, 2, "C7", QStringLiteral("本社"));
    putCompany(registry, 4, "C7", QStringLiteral("支店"));
    putWorker(registry.workers, 1, "a", "C7");
    putWorker(registry.workers, 2, "b", "C1");
    putWorker(registry.workers, 3, "c", "C7");

    companies::deleteCompanies(registry, 2, 2);
    EXPECT_EQ(companyNames(registry.companies), (QStringList{"C1", "C3", "C7"}));
    EXPECT_EQ(workerNames(registry.workers), (QStringList{"a", "b", "c"}));

    companies::deleteCompanies(registry, 3, 3); // the last row of that name
    EXPECT_EQ(workerNames(registry.workers), QStringList{"b"});

    // Both branches in one range: the workers go with the last of them.
    Registry both = listOf(1, 6);
    putCompany(both, 2, "C7", QStringLiteral("本社"));
    putCompany(both, 3, "C7", QStringLiteral("支店"));
    putWorker(both.workers, 1, "a", "C7");
    companies::deleteCompanies(both, 2, 3);
    EXPECT_EQ(companyNames(both.companies), QStringList{"C1"});
    EXPECT_TRUE(workerNames(both.workers).isEmpty());
}

TEST(CompanyList, RegisteringWithoutACompanyNameIsRefused)
{
    Registry registry = listOf(2);
    const Registry before = registry;
    for (const QString& blank : {QString(), QStringLiteral(" "), QStringLiteral("　")}) {
        EXPECT_THROW(companies::registerCompany(registry.companies, 1, entry(blank, "")), Error);
        EXPECT_THROW(companies::registerCompany(registry.companies, 3, entry(blank, QStringLiteral("支店"))), Error);
    }
    EXPECT_EQ(registry.companies, before.companies);
}

TEST(CompanyList, DeletingABlankRowLeavesWorkersWithoutCompany)
{
    Registry registry = listOf(1);
    putWorker(registry.workers, 1, "orphan", "");
    companies::deleteCompanies(registry, 2, 2);
    EXPECT_EQ(workerNames(registry.workers), QStringList{"orphan"});
    EXPECT_EQ(companyNames(registry.companies), QStringList{"C1"});
}

TEST(CompanyList, CopyJoinsCellsFromTheLeftColumnToTheLastWithTabs)
{
    Registry registry = listOf(3);
    const QString text = companies::copyText(registry.companies, 3, 2, 2);
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2], "");
    const QStringList cells = lines[0].split('\t');
    ASSERT_EQ(cells.size(), 48);
    EXPECT_EQ(cells.first(), QStringLiteral("本社"));
    EXPECT_EQ(cells.last(), "C2:49");
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("本社\tC3:3\t")));
}

TEST(CompanyList, PasteGrowsTheListForLinesPastTheEndAndDropsSurplusFields)
{
    Registry registry = listOf(3, 4);
    QString surplus;
    for (int i = 0; i < 60; ++i)
        surplus += QStringLiteral("f%1\t").arg(i);
    companies::pasteText(registry.companies, 3, 1, QStringLiteral("X\tx2\r\nY\t\r\n") + surplus + "\r\n");
    EXPECT_EQ(registry.companies.rowCount(), 6);
    EXPECT_EQ(registry.companies.cell(company::Name, 3), "X");
    EXPECT_EQ(registry.companies.cell(company::Branch, 3), "x2");
    EXPECT_EQ(registry.companies.cell(company::Representative, 3), "C3:3"); // untouched
    EXPECT_EQ(registry.companies.cell(company::Name, 4), "Y");
    EXPECT_EQ(registry.companies.cell(company::Branch, 4), "");
    EXPECT_EQ(registry.companies.cell(company::WorkerCount, 5), "f48");
    EXPECT_EQ(registry.companies.cell(company::No, 3), "3");
}
