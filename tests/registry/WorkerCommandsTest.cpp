// `mirevo import-workers` and `mirevo export-workers` on the registry of the program folder.
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::worker;
using mirevo::test::runCli;
using mirevo::test::TempHome;

namespace {

struct WorkerCommands : ::testing::Test {
    WorkerCommands()
    {
        Registry r;
        r.companies.setCell(company::Name, 1, QStringLiteral("山田建設"));
        r.companies.setCell(company::Name, 2, QStringLiteral("鈴木工業"));
        r.save();
    }
    TempHome home;
};

TEST_F(WorkerCommands, ImportReportsRejectedLinesAndImportsTheRest)
{
    TempHome::writeBytes(home.file("list.csv"),
                         QStringLiteral("ふりがな,氏名,生年月日,部署\n"
                                        "やまだ,山田太郎,1975/05/05,工務\n"
                                        "たなか,田中,1980/13/40,\n")
                             .toUtf8());
    const auto r = runCli({"import-workers", "--company", QStringLiteral("山田建設"), home.file("list.csv")});
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, QStringLiteral("取り込み 1 人、更新 0 人、省略 0 人、取り込めなかった行 1\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("行 3: 生年月日が読めません: 1980/13/40"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("部署")));
    Registry saved;
    saved.load();
    EXPECT_EQ(saved.workers.cell(Name, 1), QStringLiteral("山田太郎"));
    EXPECT_EQ(saved.workers.cell(Company, 1), QStringLiteral("山田建設"));

    // Again: the worker is there already; with --update it is updated.
    EXPECT_EQ(runCli({"import-workers", "--company", QStringLiteral("山田建設"), home.file("list.csv")}).out,
              QStringLiteral("取り込み 0 人、更新 0 人、省略 1 人、取り込めなかった行 1\n"));
    EXPECT_EQ(
        runCli({"import-workers", "--update", "--company", QStringLiteral("山田建設"), home.file("list.csv")}).out,
        QStringLiteral("取り込み 0 人、更新 1 人、省略 0 人、取り込めなかった行 1\n"));
}

TEST_F(WorkerCommands, FailuresChangeNothingAndWrongUsageIsTwo)
{
    const QByteArray before = TempHome::readBytes(Registry::fileName());
    TempHome::writeBytes(home.file("noname.csv"), "a,b\n1,2\n");
    EXPECT_EQ(runCli({"import-workers", home.file("missing.csv")}).code, 1);
    const auto noName = runCli({"import-workers", home.file("noname.csv")});
    EXPECT_EQ(noName.code, 1);
    EXPECT_TRUE(noName.err.contains(QStringLiteral("氏名の列がありません"))) << noName.err.toStdString();
    EXPECT_EQ(runCli({"import-workers", "--company", QStringLiteral("田中組"), home.file("noname.csv")}).code, 1);
    EXPECT_EQ(TempHome::readBytes(Registry::fileName()), before);

    EXPECT_EQ(runCli({"import-workers"}).code, 2);
    EXPECT_EQ(runCli({"import-workers", "--bogus", "x.csv"}).code, 2);
    EXPECT_EQ(runCli({"export-workers", "--update", "x.csv"}).code, 2);
    EXPECT_EQ(runCli({"export-workers", home.file("x.txt")}).code, 1);
}

TEST_F(WorkerCommands, ExportWritesEveryWorkerOrOneCompany)
{
    Registry r;
    r.load();
    for (int row = 1; row <= 2; ++row) {
        r.workers.setCell(Reading, row, QStringLiteral("よみ%1").arg(row));
        r.workers.setCell(Name, row, QStringLiteral("作業員%1").arg(row));
        r.workers.setCell(Company, row, row == 1 ? QStringLiteral("山田建設") : QStringLiteral("鈴木工業"));
    }
    r.save();
    const auto all = runCli({"export-workers", home.file("all.csv")});
    EXPECT_EQ(all.code, 0);
    EXPECT_TRUE(all.out.startsWith(QStringLiteral("作業員 2 人を"))) << all.out.toStdString();
    const auto one = runCli({"export-workers", "--company", QStringLiteral("鈴木工業"), home.file("one.xlsx")});
    EXPECT_EQ(one.code, 0);
    EXPECT_TRUE(one.out.startsWith(QStringLiteral("作業員 1 人を")));
    const QByteArray bytes = TempHome::readBytes(home.file("all.csv"));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(QString::fromUtf8(bytes.mid(3)).startsWith(QStringLiteral("ふりがな,氏名,職種,※担当役割,")))
        << bytes.left(60).toStdString();
}

} // namespace
