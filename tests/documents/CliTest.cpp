#include "cli/Cli.h"
#include "XlsxChecker.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

TEST(Cli, HelpDescribesTheCommands)
{
    for (const char* arg : {"--help", "-h", "help"}) {
        const CliResult r = runCli({arg});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.contains("mirevo generate [--documents LIST]"));
        EXPECT_TRUE(r.out.contains("mirevo template OUT.xlsx"));
    }
    EXPECT_TRUE(cli::isCommand("generate"));
    EXPECT_FALSE(cli::isCommand("-platform"));
}

TEST(Cli, GenerateWritesTheWorkbookAndOneLine)
{
    TempHome home;
    const QString out = home.file("out.xlsx");
    const CliResult r = runCli({"generate", "--documents", "list,1", writeSite(home), out});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("2 シート")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("内蔵の様式"))); // no template in the program folder
    EXPECT_TRUE(QFile::exists(out));
}

TEST(Cli, WrongUsageExitsWithTwo)
{
    TempHome home;
    const QString site = writeSite(home);
    const QStringList cases[] = {
        {"generate"},
        {"generate", site},
        {"generate", "--documents", "2-9", site, home.file("o.xlsx")},
        {"generate", "--education", "full", site, home.file("o.xlsx")},
        {"generate", "--colour", site, home.file("o.xlsx")},
        {"generate", site, home.file("o.xlsx"), "--template"},
        {"template"},
        {"frobnicate"},
    };
    for (const QStringList& args : cases) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_FALSE(QFile::exists(home.file("o.xlsx")));
    }
}

TEST(Cli, FailuresLeaveTheOutputAsItWas)
{
    TempHome home;
    const QString site = writeSite(home);
    const QString out = home.file("out.xlsx");
    TempHome::writeBytes(out, "old");
    TempHome::writeBytes(home.file("bad.anz"), "only one line\r\n");
    const QStringList cases[] = {
        {"generate", home.file("bad.anz"), out},                       // malformed project
        {"generate", home.file("missing.anz"), out},                   // no project
        {"generate", "--template", home.file("none.xlsx"), site, out}, // no template
        {"generate", "--template", home.file("bad.anz"), site, out},   // template that is no workbook
    };
    for (const QStringList& args : cases) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("mirevo: ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(TempHome::readBytes(out), QByteArray("old"));
    }
}

TEST(Cli, RefusesToWriteOverTheProject)
{
    TempHome home;
    const QString site = writeSite(home);
    const QByteArray before = TempHome::readBytes(site);
    EXPECT_EQ(runCli({"generate", site, site}).code, 1);
    EXPECT_EQ(TempHome::readBytes(site), before);
}

TEST(Cli, TemplateCommandWritesTheTemplate)
{
    TempHome home;
    const CliResult r = runCli({"template", home.file("forms.xlsx")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(QFile::exists(home.file("forms.xlsx")));
    const CliResult used = runCli({"generate", "--documents", "list", "--template", home.file("forms.xlsx"),
                                   writeSite(home), home.file("o.xlsx")});
    EXPECT_EQ(used.code, 0) << used.err.toStdString();
    // The template in use, then the pre-submission check's counts.
    const QStringList lines = used.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << used.err.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("テンプレート: %1").arg(QDir::toNativeSeparators(home.file("forms.xlsx"))));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("提出前チェック: エラー "))) << lines[1].toStdString();
}

// The program itself, run from a folder of its own with the template beside
// it, while MIREVO_HOME names a folder without one.
TEST(Cli, TheTemplateBesideTheProgramIsUsedWhenTheProgramFolderHasNone)
{
    TempHome home;
    QTemporaryDir bin(QStringLiteral(MIREVO_DOCUMENTS_SCRATCH "/bin-XXXXXX"));
    ASSERT_TRUE(bin.isValid());
    const QString program = bin.filePath("mirevo");
    if (::link(MIREVO_EXECUTABLE, program.toLocal8Bit().constData()) != 0) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(MIREVO_EXECUTABLE), program));
    }
    const QString beside = bin.filePath(QStringLiteral("安全書類(一覧).xlsx"));
    ASSERT_EQ(runCli({"template", beside}).code, 0);
    const QString site = writeSite(home);
    auto run = [&] {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIREVO_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(program, {"generate", "--documents", "list", site, home.file("o.xlsx")});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0);
        return QString::fromUtf8(p.readAllStandardError());
    };
    EXPECT_TRUE(run().contains(QStringLiteral("テンプレート: ") + QDir::toNativeSeparators(beside)));
    QFile::remove(beside);
    const QString missing = run();
    EXPECT_TRUE(missing.contains(QStringLiteral("注意: テンプレート 安全書類(一覧).xlsx が見つかりません")))
        << missing.toStdString();
    EXPECT_TRUE(missing.contains(home.file(QStringLiteral("安全書類(一覧).xlsx"))));
    EXPECT_TRUE(missing.contains(beside));
}

} // namespace

namespace {

TEST(Cli, TheSampleSiteGenerates)
{
    TempHome home;
    QDir().mkpath(QStringLiteral(MIREVO_DOCUMENTS_OUTPUT));
    const QString out = QStringLiteral(MIREVO_DOCUMENTS_OUTPUT "/sample_site.xlsx");
    const CliResult r = runCli({"generate", QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz"), out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // 書類一覧, 1.誓約書, one 2-1 sheet for each of the three first-tier
    // companies, one 2-2 sheet for each of the four others, and a roster for
    // the prime contractor and each of the seven companies, and as many
    // new-entrant education records; the diagram, the qualification mount
    // and table; two sheets each of 7 and of 8 and one each of 9 to 13 for
    // each of the seven companies.
    EXPECT_TRUE(r.out.contains(QStringLiteral(": 91 シート"))) << r.out.toStdString();
    const std::vector<std::string> problems = sheet::test::checkXlsx(out.toStdString());
    EXPECT_TRUE(problems.empty()) << problems.front();
}

} // namespace
