// The rule by which every file of the program is replaced (what it refuses is tested with
// the workbook and the commands): what the replaced file keeps, and what it leaves behind.
#include "common/OutputFile.h"
#include "common/Error.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

void save(const QString& path, const QByteArray& bytes)
{
    OutputFile file(path);
    file.begin();
    file.write(bytes);
    file.commit();
}

QString saveError(const QString& path)
{
    try {
        save(path, "new");
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

unsigned modeOf(const QString& path)
{
    struct stat st { };
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The id of a process that has ended.
pid_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(OutputFile, AReplacedFileKeepsItsModeAndANewOneFollowsTheUmask)
{
    TempHome home;
    const QString path = home.file("o.xlsx");
    save(path, "old");
    for (const unsigned mode : {0640u, 0600u, 0664u, 0200u}) {
        ::chmod(QFile::encodeName(path).constData(), mode);
        save(path, "new");
        EXPECT_EQ(modeOf(path) & 07777, mode);
        EXPECT_TRUE(S_ISREG(modeOf(path)));
    }
    const mode_t mask = ::umask(027);
    save(home.file("fresh.xlsx"), "x");
    ::umask(mask);
    EXPECT_EQ(modeOf(home.file("fresh.xlsx")) & 07777, 0640u);
}

TEST(OutputFile, ALinkIsWrittenThroughAndStaysALink)
{
    TempHome home;
    QDir(home.path()).mkdir("real");
    const QString target = home.file("real/book.xlsx");
    save(target, "old");
    const QString link = home.file("link.xlsx");
    ASSERT_TRUE(QFile::link("real/book.xlsx", link)); // relative to the link's folder
    save(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TempHome::readBytes(target), "new");

    const QString dangling = home.file("later.xlsx");
    ASSERT_TRUE(QFile::link(home.file("real/later.xlsx"), dangling));
    save(dangling, "made");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(TempHome::readBytes(home.file("real/later.xlsx")), "made");
    EXPECT_EQ(entries(home.file("real")), (QStringList{"book.xlsx", "later.xlsx"}));

    ASSERT_TRUE(QFile::link(home.file("loop.xlsx"), home.file("loop.xlsx")));
    EXPECT_FALSE(saveError(home.file("loop.xlsx")).isEmpty());
}

TEST(OutputFile, TemporariesNeverTouchOtherFilesAndFitAnyName)
{
    TempHome home;
    const QString path = home.file("o.xlsx");
    // Names an older save used for its temporary file: a file and a folder.
    TempHome::writeBytes(path + ".mirevo-tmp", "someone's");
    QDir(home.path()).mkdir("p.xlsx.mirevo-tmp");
    for (const QString& name : {path, home.file("p.xlsx")}) {
        save(name, "old");
        save(name, "new");
        EXPECT_EQ(TempHome::readBytes(name), "new");
    }
    EXPECT_EQ(TempHome::readBytes(path + ".mirevo-tmp"), "someone's");
    EXPECT_EQ(entries(home.path()), (QStringList{"o.xlsx", "o.xlsx.mirevo-tmp", "p.xlsx", "p.xlsx.mirevo-tmp"}));

    for (const int length : {245, 250, 255}) {
        const QString longName = home.file(QString(length - 5, u'a') + ".xlsx");
        save(longName, "old");
        save(longName, "new");
        EXPECT_EQ(TempHome::readBytes(longName), "new") << length;
        QFile::remove(longName);
    }
}

TEST(OutputFile, StaleTemporariesOfEndedRunsAreRemovedOthersStay)
{
    TempHome home;
    const QString dead = OutputFile::temporaryPrefix(deadPid()) + "AbC123.tmp";
    const QString living = OutputFile::temporaryPrefix(::getppid()) + "AbC123.tmp";
    const QString foreign = ".mirevo-otherhost-1-AbC123.tmp";
    const QString lookalike = OutputFile::temporaryPrefix(deadPid()) + "notours.xlsx";
    for (const QString& name : {dead, living, foreign, lookalike})
        TempHome::writeBytes(home.file(name), "partial");
    save(home.file("o.xlsx"), "new");
    const QStringList left = entries(home.path());
    EXPECT_FALSE(left.contains(dead));
    EXPECT_TRUE(left.contains(living));
    EXPECT_TRUE(left.contains(foreign));
    EXPECT_TRUE(left.contains(lookalike));
}

// A write that fails half-way (here at a file size limit, which holds for root too) is
// reported at commit, and the old file stays.
TEST(OutputFile, AFailedWriteIsReportedAndReplacesNothing)
{
    TempHome home;
    const QString path = home.file("o.xlsx");
    save(path, "old");
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QString message = [&] {
            try {
                save(path, QByteArray(10000, 'x'));
            } catch (const Error& e) {
                return e.message();
            }
            return QString();
        }();
        ::_exit(message.contains("o.xlsx") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(TempHome::readBytes(path), "old");
    EXPECT_EQ(entries(home.path()), QStringList{"o.xlsx"});
}
