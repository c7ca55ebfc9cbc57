// The commands under hostile conditions: special files as input or output, links, names
// that are not text, unknown words and file contents that would steer the terminal.
#include "cli/Cli.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

QString makeFifo(const TempHome& home, const QString& name)
{
    const QString path = home.file(name);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

bool isFifo(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST(CliHostile, AFifoAsProjectIsRefusedNotWaitedFor)
{
    TempHome home;
    const QString fifo = makeFifo(home, "f.anz");
    for (const char* command : {"generate", "pdf"}) {
        const CliResult r = runCli({command, fifo, home.file("o.out")});
        EXPECT_EQ(r.code, 1) << command;
        EXPECT_TRUE(r.err.contains("f.anz")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("通常のファイルではありません"))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(home.file("o.out")));
}

TEST(CliHostile, AnOutputThatIsNoRegularFileIsKept)
{
    TempHome home;
    const QString site = writeSite(home);
    const QString fifo = makeFifo(home, "o.xlsx");
    const QStringList cases[] = {
        {"generate", "--documents", "list", site, fifo},
        {"pdf", "--documents", "list", site, fifo},
        {"template", fifo},
    };
    for (const QStringList& args : cases) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("名前付きパイプ"))) << r.err.toStdString();
        EXPECT_TRUE(isFifo(fifo));
    }
}

TEST(CliHostile, GenerateAndPdfBothWriteThroughALink)
{
    TempHome home;
    const QString site = writeSite(home);
    const struct {
        const char* command;
        const char* name;
        QByteArray magic;
    } cases[]{{"generate", "book.xlsx", "PK"}, {"pdf", "book.pdf", "%PDF"}};
    for (const auto& c : cases) {
        const QString target = home.file(c.name);
        TempHome::writeBytes(target, "old");
        const QString link = home.file(QStringLiteral("link-") + c.name);
        ASSERT_TRUE(QFile::link(target, link));
        const CliResult r = runCli({c.command, "--documents", "list", site, link});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << c.command;
        EXPECT_TRUE(TempHome::readBytes(target).startsWith(c.magic)) << c.command;
    }
}

TEST(CliHostile, UnknownWordsGetTheUsageAndExitCodeTwo)
{
    TempHome home;
    const QString site = writeSite(home);
    const QStringList cases[] = {
        {"generat", site, home.file("o.xlsx")},
        {"--frobnicate"},
        {"-platform", "offscreen"},
        {site, home.file("o.xlsx")},
    };
    for (const QStringList& args : cases) {
        EXPECT_FALSE(cli::startsWindow(args)) << args.join(' ').toStdString();
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("mirevo generate [--documents LIST]")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_TRUE(cli::startsWindow({}));
    EXPECT_TRUE(cli::startsWindow({QStringLiteral("安全書類.XLSX")}));
    EXPECT_TRUE(cli::startsWindow({QStringLiteral("現場.anz")}));
    EXPECT_FALSE(cli::startsWindow({"a.xlsx", "b.xlsx"}));
    EXPECT_FALSE(QFile::exists(home.file("o.xlsx")));
}

TEST(CliHostile, ANameThatIsNotUtf8IsRefusedNotRenamed)
{
    QString refused;
    EXPECT_FALSE(cli::decodeArguments({"generate", "site.anz", "bad\xff.xlsx"}, &refused));
    EXPECT_TRUE(refused.contains("bad\\xff.xlsx")) << refused.toStdString();
    EXPECT_FALSE(cli::decodeArguments({"pdf", "\xe5\xae.anz", "o.pdf"}, &refused)); // a cut character
    EXPECT_TRUE(refused.contains("\\xe5\\xae.anz")) << refused.toStdString();
    const auto good = cli::decodeArguments({"generate", QStringLiteral("現場.anz").toUtf8(), "o.xlsx"}, &refused);
    ASSERT_TRUE(good);
    EXPECT_EQ(*good, (QStringList{"generate", QStringLiteral("現場.anz"), "o.xlsx"}));
}

TEST(CliHostile, TerminalControlsFromFilesAreShownEscaped)
{
    TempHome home;
    const QString site = home.file("site.anz");
    Project p;
    projectfile::save(site, p);
    QFile file(site);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\x1b]0;owned\x07\x1b[2J\r\n");
    file.close();
    const CliResult r = runCli({"generate", site, home.file("o.xlsx")});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(r.err.contains(QChar(0x1b))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("\\x1b]0;owned\\x07\\x1b[2J")) << r.err.toStdString();
}

TEST(CliHostile, AValueTooLongForACellNamesTheSheetAndCell)
{
    TempHome home;
    Project p;
    p.record.setText("Edit10", QString(40000, u'長'));
    projectfile::save(home.file("site.anz"), p);
    const CliResult r = runCli({"generate", "--documents", "list", home.file("site.anz"), home.file("o.xlsx")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("40000 文字"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("シート「"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("のセル "))) << r.err.toStdString();
}

} // namespace
