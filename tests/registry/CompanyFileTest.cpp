#include "registry/CompanyFile.h"
#include "Fixtures.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "support/TempHome.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

QStringList fileLines(const QString& path)
{
    const QByteArray bytes = TempHome::readBytes(path);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

// A registry holding company "K" in row 1 with workers in master rows 2
// and 4, and another company's worker in row 3.
Registry registryWithK()
{
    Registry registry;
    putCompany(registry, 1, "K");
    putWorker(registry.workers, 2, "k1", "K");
    putWorker(registry.workers, 3, "o1", "Other");
    putWorker(registry.workers, 4, "k2", "K");
    return registry;
}

} // namespace

TEST(CompanyFile, ExtensionIsAppendedUnlessTheNameEndsInLowerCaseKda)
{
    EXPECT_EQ(companyfile::withExtension("a"), "a.kda");
    EXPECT_EQ(companyfile::withExtension("/x/a.kda"), "/x/a.kda");
    EXPECT_EQ(companyfile::withExtension("akda"), "akda");
    EXPECT_EQ(companyfile::withExtension("a.KDA"), "a.KDA.kda");
    EXPECT_EQ(companyfile::withExtension("a.Kda"), "a.Kda.kda");
}

TEST(CompanyFile, CompanyWithoutWorkersIsExactlyFiftyLines)
{
    TempHome home;
    Registry registry;
    putCompany(registry, 2, "Solo");
    registry.companies.setCell(company::Address, 2, "line\r\nbreak"); // would shift every later line
    const QString path = home.file("solo.kda");
    companyfile::save(registry, 2, path);
    const QStringList lines = fileLines(path);
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines[0], "Solo");
    EXPECT_EQ(lines[company::Address - 1], "line break");
    EXPECT_EQ(lines[48], "Solo:49");
    EXPECT_EQ(lines[49], "0");
}

TEST(CompanyFile, SavedAndLoadedGivesTheSameCellsLineBreaksAsBlanks)
{
    TempHome home;
    Registry source = registryWithK();
    source.companies.setCell(company::Address, 1, QStringLiteral("高松市\r\n番町"));
    source.companies.setCell(company::Phone, 1, QStringLiteral("〜 ﾔｽ"));
    source.workers.setCell(worker::Address, 4, QStringLiteral("住所\n二行目"));
    const QString path = home.file("K.kda");
    companyfile::save(source, 1, path);

    Registry target;
    ASSERT_EQ(companyfile::load(target, path).companyRow, 1);
    QStringList company = source.companies.row(1);
    company[company::Address] = QStringLiteral("高松市 番町");
    EXPECT_EQ(target.companies.row(1).mid(1), company.mid(1));
    EXPECT_EQ(workerNames(target.workers), (QStringList{"k1", "k2"}));
    QStringList k2 = source.workers.row(4);
    k2[9] = QStringLiteral("住所 二行目");
    EXPECT_EQ(target.workers.row(2).mid(1, 40), k2.mid(1, 40));
}

TEST(CompanyFile, ARowWithoutCompanyNameIsNotSaved)
{
    TempHome home;
    Registry registry = registryWithK();
    putWorker(registry.workers, 5, "nobody", ""); // belongs to no company
    const QString path = home.file("blank.kda");
    for (const QString& blank : {QString(), QStringLiteral(" "), QStringLiteral("　")}) {
        registry.companies.setCell(company::Name, 2, blank);
        EXPECT_THROW(companyfile::save(registry, 2, path), Error);
        EXPECT_FALSE(QFileInfo::exists(path));
    }
}

TEST(CompanyFile, AFileWithoutCompanyNameLoadsNothing)
{
    QStringList lines = companyfile::lines(registryWithK(), 1);
    lines[0] = QStringLiteral("　");
    Registry target;
    target.companies.setRowCount(2); // no other blank row to pass as a duplicate
    const Registry before = target;
    try {
        companyfile::load(target, lines, "blank.kda");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("1 行目"))) << e.message().toStdString();
    }
    EXPECT_EQ(target.workers, before.workers);
    EXPECT_TRUE(isBlankName(target.companies.cell(company::Name, 1)));
}

TEST(CompanyFile, WorkersFollowInMasterOrderWithColumnsOneToForty)
{
    const QStringList lines = companyfile::lines(registryWithK(), 1);
    ASSERT_EQ(lines.size(), 50 + 2 * 40);
    EXPECT_EQ(lines[49], "2");
    EXPECT_EQ(lines[50], QStringLiteral("k1よみ"));
    EXPECT_EQ(lines[50 + 31], "K");     // column 32
    EXPECT_EQ(lines[50 + 39], "k1-40"); // column 40; 41 is not written
    EXPECT_EQ(lines[90 + 1], "k2");
}

TEST(CompanyFile, LoadPutsCompanyOnFirstBlankRowAndWorkersOnFreeRowsOnly)
{
    TempHome home;
    const QString path = home.file("K.kda");
    companyfile::save(registryWithK(), 1, path);

    Registry target;
    putCompany(target, 1, "A");
    putCompany(target, 3, "B");
    putWorker(target.workers, 1, "a1", "A");
    putWorker(target.workers, 3, "b1", "B"); // row 2 free, row 3 taken
    const auto loaded = companyfile::load(target, path);

    EXPECT_EQ(loaded.result, companyfile::LoadResult::Loaded);
    EXPECT_EQ(loaded.companyRow, 2);
    EXPECT_EQ(companyNames(target.companies), (QStringList{"A", "K", "B"}));
    EXPECT_EQ(target.companies.cell(company::SpecialtyWork, 2), "K:48");
    EXPECT_EQ(workerNames(target.workers), (QStringList{"a1", "k1", "b1", "k2"}));
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(target.workers.cell(worker::No, row), QStringLiteral("0000%1").arg(row));
    EXPECT_EQ(target.workers.cell(worker::Licence1 + 2, 2), "k1-29");
}

TEST(CompanyFile, LoadingACompanyAlreadyListedChangesNothing)
{
    TempHome home;
    const QString path = home.file("K.kda");
    companyfile::save(registryWithK(), 1, path);
    for (int existingRow : {1, 3}) { // above and below the first blank row
        Registry target;
        putCompany(target, existingRow, "K", QStringLiteral("別の支店"));
        const Registry before = target;
        EXPECT_EQ(companyfile::load(target, path).result, companyfile::LoadResult::Duplicate);
        EXPECT_EQ(target.companies, before.companies);
        EXPECT_EQ(target.workers, before.workers);
    }
}

TEST(CompanyFile, FullListsGrowInsteadOfLosingData)
{
    TempHome home;
    const QString path = home.file("K.kda");
    companyfile::save(registryWithK(), 1, path);
    Registry target;
    target.companies.setRowCount(2);
    putCompany(target, 1, "A");
    target.workers.setRowCount(2);
    putWorker(target.workers, 1, "a1", "A");

    const auto loaded = companyfile::load(target, path);
    EXPECT_EQ(loaded.companyRow, 2);
    EXPECT_EQ(companyNames(target.companies), (QStringList{"A", "K"}));
    EXPECT_EQ(workerNames(target.workers), (QStringList{"a1", "k1", "k2"}));
}

struct BadCompanyFile {
    const char* name;
    int lineCount;  // lines of a valid one-worker file kept
    QString line50; // replaces line 50 when the file has it
    int reportedLine;
    bool companyWritten;
};

class MalformedCompanyFile : public ::testing::TestWithParam<BadCompanyFile> { };

TEST_P(MalformedCompanyFile, IsReportedWithoutStoringWorkers)
{
    const BadCompanyFile& bad = GetParam();
    Registry source;
    putCompany(source, 1, "K");
    putWorker(source.workers, 1, "k1", "K");
    QStringList lines = companyfile::lines(source, 1).mid(0, bad.lineCount);
    if (lines.size() >= 50 && !bad.line50.isNull())
        lines[49] = bad.line50;

    Registry target;
    const Registry before = target;
    try {
        companyfile::load(target, lines, "bad.kda");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("bad.kda"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("の %1 行目").arg(bad.reportedLine)))
            << e.message().toStdString();
    }
    EXPECT_EQ(target.companies.cell(company::Name, 1), bad.companyWritten ? "K" : "");
    EXPECT_EQ(target.workers, before.workers);
}

INSTANTIATE_TEST_SUITE_P(CompanyFile, MalformedCompanyFile,
                         ::testing::Values(BadCompanyFile{"CountMissing", 49, {}, 50, true},
                                           BadCompanyFile{"CountNoNumber", 90, "one", 50, true},
                                           BadCompanyFile{"CountEmpty", 90, "", 50, true},
                                           BadCompanyFile{"WorkerLinesShort", 70, {}, 51, true},
                                           BadCompanyFile{"MoreWorkersThanLines", 90, "2", 51, true},
                                           BadCompanyFile{"CompanyLinesShort", 10, {}, 11, false}),
                         [](const auto& info) { return std::string(info.param.name); });
