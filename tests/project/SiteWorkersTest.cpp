#include "project/SiteWorkers.h"
#include "SiteFixtures.h"
#include "common/Error.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Puts a worker into row `row` of a worker list.
void putWorker(TextGrid& list, int row, const QString& reading, const QString& name, const QString& company,
               const QString& birth = QString())
{
    list.ensureRow(row);
    list.setCell(worker::Reading, row, reading);
    list.setCell(worker::Name, row, name);
    list.setCell(worker::Company, row, company);
    list.setCell(worker::Birth, row, birth);
}

QStringList names(const TextGrid& list)
{
    QStringList out;
    for (int row = 1; row < list.rowCount(); ++row)
        out << list.cell(worker::Name, row);
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

TEST(SiteWorkers, FilterCopiesOneCompanyAndCounts)
{
    Project p;
    putWorker(p.workers, 1, "a", "A1", "X");
    putWorker(p.workers, 2, "b", "B1", "Y");
    putWorker(p.workers, 3, "c", "A2", "X");
    putWorker(p.workers, 4, "", " ", "X"); // a single blank is no name
    siteworkers::selectCompany(p, "X");
    EXPECT_EQ(names(p.filteredWorkers), (QStringList{"A1", "A2"}));
    EXPECT_EQ(p.filteredWorkers.cell(worker::SourceRow, 2), "3");
    EXPECT_EQ(p.filteredWorkers.cell(worker::No, 2), "2");
    EXPECT_EQ(p.workers.cell(worker::No, 3), "3");
    EXPECT_EQ(p.workers.cell(worker::Name, 4), "");
    EXPECT_EQ(p.st3Count, 3);
    siteworkers::selectCompany(p, siteworkers::allWorkers());
    EXPECT_TRUE(names(p.filteredWorkers).isEmpty());
}

TEST(SiteWorkers, FilteredViewGrowsWithTheCompany)
{
    Project p;
    for (int row = 1; row <= 120; ++row)
        putWorker(p.workers, row, "r", QStringLiteral("W%1").arg(row), "X");
    siteworkers::selectCompany(p, "X");
    EXPECT_EQ(names(p.filteredWorkers).size(), 120);
    EXPECT_EQ(p.st3Count, 120);
}

TEST(SiteWorkers, CompanyChoicesListEachNameOnce)
{
    Project p;
    withPrime(p, "P");
    p.contractors.setCell(company::Name, 1, "P");
    p.contractors.setCell(company::Name, 2, "Q");
    p.contractors.setCell(company::Name, 3, " ");
    p.contractors.setCell(company::Name, 4, "Q");
    EXPECT_EQ(siteworkers::companyChoices(p), (QStringList{QStringLiteral("全員表示"), "P", "Q"}));
}

TEST(SiteWorkers, RemoveDuplicatesKeepsTheLastDataInTheFirstRowThenCompacts)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X");
    putWorker(p.workers, 2, "t", QStringLiteral("田中"), "X");
    putWorker(p.workers, 3, "s", QStringLiteral("田中"), "Y"); // another person
    putWorker(p.workers, 4, "b", "B", "X");
    putWorker(p.workers, 5, "t2", QStringLiteral("田中"), "X");
    p.workers.setCell(worker::Trade, 5, QStringLiteral("鳶"));
    putWorker(p.workers, 6, QStringLiteral("よみ"), "", ""); // no name: no duplicate
    putWorker(p.workers, 8, "z", "Z", "X");
    siteworkers::removeDuplicates(p);
    EXPECT_EQ(names(p.workers), (QStringList{"A", QStringLiteral("田中"), QStringLiteral("田中"), "B", "", "Z"}));
    EXPECT_EQ(p.workers.cell(worker::Reading, 2), "t2");
    EXPECT_EQ(p.workers.cell(worker::Trade, 2), QStringLiteral("鳶"));
    EXPECT_EQ(p.workers.cell(worker::Company, 3), "Y");
    EXPECT_EQ(p.workers.cell(worker::Reading, 5), QStringLiteral("よみ"));
    EXPECT_EQ(p.workers.rowCount(), Project::kWorkerRows);
}

TEST(SiteWorkers, CompactMovesRowsWithoutReadingToTheEnd)
{
    Project p;
    putWorker(p.workers, 1, "", "N", "X"); // a name without reading moves too
    putWorker(p.workers, 2, "b", "B", "X");
    putWorker(p.workers, 4, QStringLiteral("　"), "F", "X");
    putWorker(p.workers, 5, "c", "C", "X");
    p.workers.setCell(worker::SortKey, 5, "junk");
    siteworkers::compact(p);
    EXPECT_EQ(p.workers.cell(worker::Name, 1), "B");
    EXPECT_EQ(p.workers.cell(worker::Name, 2), "C");
    EXPECT_EQ(p.workers.cell(worker::Name, 3), "N");
    EXPECT_EQ(p.workers.cell(worker::Name, 4), "");
    EXPECT_EQ(p.workers.cell(worker::Name, 5), "F"); // in their order
    EXPECT_EQ(p.workers.cell(worker::SortKey, 2), "");
    EXPECT_EQ(p.workers.row(0), worker::siteHeadings());
}

struct AgeCase {
    const char* birth;
    const char* today;
    const char* written;
    const char* age;
};

class ComputeAges : public ::testing::TestWithParam<AgeCase> { };

TEST_P(ComputeAges, AgeAndDateText)
{
    const AgeCase& c = GetParam();
    Project p;
    putWorker(p.workers, 1, "a", "A", "X", QString::fromUtf8(c.birth));
    siteworkers::computeAges(p, QDate::fromString(QString::fromUtf8(c.today), "yyyy-MM-dd"));
    EXPECT_EQ(p.workers.cell(worker::Birth, 1), QString::fromUtf8(c.written)) << c.birth << " " << c.today;
    EXPECT_EQ(p.workers.cell(worker::Age, 1), QString::fromUtf8(c.age)) << c.birth << " " << c.today;
}

INSTANTIATE_TEST_SUITE_P(Cases, ComputeAges,
                         ::testing::Values(AgeCase{"1980/5/7", "2026-05-06", "1980/05/07", "45"},
                                           AgeCase{"1980/5/7", "2026-05-07", "1980/05/07", "46"},
                                           AgeCase{"2000/02/29", "2025-02-27", "2000/02/29", "24"},
                                           AgeCase{"2000/02/29", "2025-02-28", "2000/02/29",
                                                   "25"}, // common year: on the 28th
                                           AgeCase{"2000/02/29", "2024-02-28", "2000/02/29", "23"},
                                           AgeCase{"2000/02/29", "2024-02-29", "2000/02/29", "24"}));

TEST(SiteWorkers, UnreadableDateNamesRowAndWorkerAndKeepsEarlierRows)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X", "1990/1/2");
    putWorker(p.workers, 2, "b", QStringLiteral("山田 花子"), "X", QStringLiteral("昭和"));
    putWorker(p.workers, 3, "c", "C", "X", "1991/3/4");
    try {
        siteworkers::computeAges(p, QDate(2026, 12, 9));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("2 行目"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("山田 花子"))) << e.message().toStdString();
    }
    EXPECT_EQ(p.workers.cell(worker::Birth, 1), "1990/01/02");
    EXPECT_EQ(p.workers.cell(worker::Birth, 3), "1991/3/4");
}

TEST(SiteWorkers, EmploymentDatesAreRewrittenToo)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X");
    p.workers.setCell(worker::Employed, 1, "2001/4/1");
    siteworkers::computeAges(p, QDate(2026, 12, 9));
    EXPECT_EQ(p.workers.cell(worker::Employed, 1), "2001/04/01");
    EXPECT_EQ(p.workers.cell(worker::Age, 1), "");
}

TEST(SiteWorkers, CountWorkersPerCompany)
{
    Project p;
    withPrime(p, "P");
    p.contractors.setCell(company::Name, 1, "Q");
    p.contractors.setCell(company::Name, 2, "R");
    putWorker(p.workers, 1, "a", "A", "P");
    putWorker(p.workers, 2, "b", "B", "Q");
    putWorker(p.workers, 3, "c", "C", "Q");
    putWorker(p.workers, 4, "d", "D", "P");
    siteworkers::countWorkers(p);
    EXPECT_EQ(p.motoukeNinzu, 2);
    EXPECT_EQ(p.contractors.cell(company::WorkerCount, 1), "2");
    EXPECT_EQ(p.contractors.cell(company::WorkerCount, 2), "0");
    EXPECT_EQ(p.contractors.cell(company::WorkerCount, 3), "");
}

TEST(SiteWorkers, ReloadFromMasterKeepsSiteDatesAndMatchesThePerson)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X");
    p.workers.setCell(worker::SiteEntry, 1, "2026/12/01");
    p.workers.setCell(worker::SiteEducation, 1, "2026/12/02");
    putWorker(p.workers, 2, "b", "A", "Y"); // same name, another company
    TextGrid master(worker::kColumns, 5);
    putWorker(master, 1, "old", "A", "X");
    putWorker(master, 3, "new", "A", "X");
    master.setCell(worker::Trade, 3, QStringLiteral("大工"));
    master.setCell(worker::SiteEntry, 3, "master");
    master.setCell(worker::SourceRow, 3, "3");
    siteworkers::reloadFromMaster(p, master);
    EXPECT_EQ(p.workers.cell(worker::Reading, 1), "new");
    EXPECT_EQ(p.workers.cell(worker::Trade, 1), QStringLiteral("大工"));
    EXPECT_EQ(p.workers.cell(worker::SiteEntry, 1), "2026/12/01");
    EXPECT_EQ(p.workers.cell(worker::SiteEducation, 1), "2026/12/02");
    EXPECT_EQ(p.workers.cell(worker::SourceRow, 1), "3");
    EXPECT_EQ(p.workers.cell(worker::Reading, 2), "b");
}

TEST(SiteWorkers, DeletingRowsMovesTheRestUpAndRenumbers)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X");
    putWorker(p.workers, 2, "b", "B", "Y");
    putWorker(p.workers, 3, "c", "C", "X");
    siteworkers::filter(p);
    EXPECT_EQ(siteworkers::deleteQuestion(p.workers, 2), QStringLiteral("No. 2 [ b ]  を削除しますか？"));
    ASSERT_TRUE(siteworkers::deleteRow(p, 2));
    EXPECT_EQ(names(p.workers), (QStringList{"A", "C"}));
    EXPECT_EQ(p.workers.cell(worker::No, 2), "2");
    EXPECT_EQ(p.workers.cell(worker::No, 3), "");
    EXPECT_EQ(p.st3Count, 2);
    EXPECT_FALSE(siteworkers::deleteRow(p, 0));
    siteworkers::selectCompany(p, "X");
    EXPECT_FALSE(siteworkers::deleteFilteredRow(p, 5)); // an empty filtered row
    ASSERT_TRUE(siteworkers::deleteFilteredRow(p, 2));  // C
    EXPECT_EQ(names(p.workers), (QStringList{"A"}));
    EXPECT_EQ(names(p.filteredWorkers), (QStringList{"A"}));
}

TEST(SiteWorkers, ClipboardTexts)
{
    Project p;
    putWorker(p.workers, 1, "a", "A", "X");
    putWorker(p.workers, 2, "b", "B", "X");
    const QString one = siteworkers::copyRows(p.workers, {2});
    EXPECT_EQ(one.count(u'\t'), 33);
    EXPECT_TRUE(one.startsWith(QStringLiteral("\tb\tB\t")));
    EXPECT_TRUE(one.endsWith(QStringLiteral("\tX\t\r\n")));
    const QString all = siteworkers::copyAll(p.workers);
    EXPECT_EQ(all.count(QStringLiteral("\r\n")), 3);
    EXPECT_TRUE(all.startsWith(QStringLiteral("No.\tふりがな\t氏名\t")));
}

TEST(SiteWorkers, ColumnWidths)
{
    const auto full = siteworkers::columnWidths(false);
    const auto view = siteworkers::columnWidths(true);
    ASSERT_EQ(full.size(), 42u);
    ASSERT_EQ(view.size(), 55u);
    EXPECT_EQ((std::vector<int>(full.begin(), full.begin() + 9)),
              (std::vector<int>{35, 100, 100, 80, 80, 70, 60, 80, 40}));
    EXPECT_EQ(full[20] + full[21] + full[29] + full[30] + full[32], 100 + 140 + 120 + 80 + 120);
    EXPECT_EQ(full[33] + full[41], 0);
    EXPECT_EQ(view[33] + view[35] + view[36], 240);
}

} // namespace
