#include "common/Clock.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

const QString kSample = QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz");

TEST(CheckCommand, SampleSitePassesWithExitZero)
{
    const CliResult r = runCli({"check", kSample});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("作成日 令和8年12月1日 で確認しました。"));
    EXPECT_EQ(lines.last(), QStringLiteral("エラー 0 件、警告 0 件、情報 0 件"));
}

// The small site of the command tests: a prime contractor and one company
// with hardly anything filled in.
TEST(CheckCommand, FindingsGiveExitFourAndCsvLines)
{
    const TempHome home;
    const QString site = writeSite(home);
    const CliResult text = runCli({"check", site});
    EXPECT_EQ(text.code, 4);
    EXPECT_TRUE(text.out.contains(QStringLiteral("■ 一次工業"))) << text.out.toStdString();
    const CliResult csv = runCli({"check", "--csv", site});
    EXPECT_EQ(csv.code, 4);
    const QStringList lines = csv.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), QStringLiteral("level,code,company,worker,field,message"));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "error,project-missing,,,工事名称,工事名称が入力されていません。画面上部の「工事名称」を入力してください。")))
        << csv.out.toStdString();
    EXPECT_TRUE(csv.out.contains(QStringLiteral("\nwarning,company-missing,一次工業,,住所,")));
}

TEST(CheckCommand, WrongUsageAndUnreadableSites)
{
    const TempHome home;
    const QString broken = home.file("broken.anz");
    TempHome::writeBytes(broken, QByteArray("only one line\r\n"));
    struct Row {
        QStringList args;
        int code;
        const char* says;
    };
    const Row rows[] = {
        {{"check"}, 2, "SITE.anz を一つ指定してください"},
        {{"check", "a.anz", "b.anz"}, 2, "SITE.anz を一つ指定してください"},
        {{"check", "--xml", kSample}, 2, "知らないオプションです: --xml"},
        {{"check", home.file("none.anz")}, 1, "none.anz"},
        {{"check", broken}, 1, "broken.anz"},
    };
    for (const Row& row : rows) {
        const CliResult r = runCli(row.args);
        EXPECT_EQ(r.code, row.code) << row.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.says))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

TEST(CheckCommand, HelpNamesTheCommand)
{
    EXPECT_TRUE(runCli({"--help"}).out.contains(QStringLiteral("mirevo check [--csv] SITE.anz")));
}

// The program itself: UTF-8 bytes on standard output and the exit code.
TEST(CheckCommand, ProgramWritesUtf8CsvAndExitsWithFour)
{
    const TempHome home;
    const QString site = writeSite(home);
    QProcess program;
    program.start(QStringLiteral(MIREVO_EXECUTABLE), {"check", "--csv", site});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 4);
    const QByteArray out = program.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("level,code,company,worker,field,message\n")) << out.left(80).toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("warning,business-id,一次工業,,事業者ID,").toUtf8())) << out.toStdString();
}

} // namespace
