#include "project/ProjectFile.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

// A project with awkward texts in fields and cells.
void fillSample(Project& p)
{
    p.record.setText("Edit1", QStringLiteral("株式会社 \"髙﨑\", 本社"));
    p.record.setText("Edit9", QStringLiteral("〇〇ビル新築工事"));
    p.record.setText("Edit10", QStringLiteral("元請建設㈱"));
    p.record.setText("ComboBox1", QStringLiteral("口頭による"));
    p.record.setText("Edit84", "12345678901234");
    p.record.setPrimeNotDedicated(true);
    p.contractors.setRow(
        1, {"1", QStringLiteral("一次工業"), "", " ", "a,b", "say \"x\"", QStringLiteral("　"), blankDateTemplate()});
    p.workers.setRow(1, {"1", QStringLiteral("やまだ たろう"), QStringLiteral("山田 太郎")});
    p.treeImage.setRow(1,
                       {"1", QStringLiteral("一次工業"), "", "", "", "", "", "", "", "", QStringLiteral("一次工業")});
    p.nodeCount = "1";
}

TEST(ProjectFile, LayoutPutsEveryItemOnItsLine)
{
    Project p;
    fillSample(p);
    const QStringList lines = projectfile::write(p);
    EXPECT_EQ(lines[0], QStringLiteral("株式会社 \"髙﨑\", 本社")); // fields are plain lines
    EXPECT_EQ(lines[8], QStringLiteral("〇〇ビル新築工事"));
    EXPECT_EQ(lines[40], blankDateTemplate());
    EXPECT_EQ(lines[73], "000-000-0000");
    EXPECT_EQ(lines[74], QStringLiteral("口頭による"));
    EXPECT_EQ(lines[93], "1");
    EXPECT_EQ(lines[94], "25");
    EXPECT_TRUE(lines[95].startsWith(QStringLiteral("No.,会社名,")));
    EXPECT_PRED2([](const QString& a, const QString& b) { return a.startsWith(b); }, lines[96],
                 QStringLiteral("1,一次工業,,\" \",\"a,b\",\"say \"\"x\"\"\",　,\"        年    月     日\""));
    EXPECT_EQ(lines[95 + 25], "49");
    const int afterWorkers = 96 + 25 + 49;
    EXPECT_EQ(lines[afterWorkers], "00000000000000");     // Edit83
    EXPECT_EQ(lines[afterWorkers + 1], "12345678901234"); // Edit84
    EXPECT_EQ(lines[afterWorkers + 2], QStringLiteral("〇〇〇〇"));
    EXPECT_EQ(lines[afterWorkers + 3], "50");
    EXPECT_EQ(lines.size(), afterWorkers + 4 + 50 + 1);
    EXPECT_EQ(lines.last(), "1");
    EXPECT_EQ(lines[0].count(u','), 1);
}

TEST(ProjectFile, SavedAndReadBackByteIdentical)
{
    TempHome home;
    Project p;
    fillSample(p);
    const QString first = home.file("a.anz");
    projectfile::save(first, p);
    Project q;
    projectfile::load(first, q);
    const QString second = home.file("b.anz");
    projectfile::save(second, q);
    EXPECT_EQ(TempHome::readBytes(first), TempHome::readBytes(second));
    EXPECT_TRUE(q.record.primeNotDedicated());
    EXPECT_EQ(q.record.text("Edit1"), p.record.text("Edit1"));
    EXPECT_EQ(q.contractors.cell(company::PostcodeB, 1), "say \"x\"");
    EXPECT_EQ(q.contractors.cell(company::Trade1, 1), blankDateTemplate());
    EXPECT_TRUE(TempHome::readBytes(first).endsWith("\r\n1\r\n"));
}

TEST(ProjectFile, FinishingTheReadEmptiesSingleBlanksAndLoadsRowOne)
{
    TempHome home;
    Project p;
    fillSample(p);
    p.contractors.setCell(company::PeriodFrom, 1, QStringLiteral("令和6年4月1日"));
    p.contractors.setCell(company::Dedicated, 1, "1");
    projectfile::save(home.file("a.anz"), p);
    Project q;
    q.currentRow = 7;
    project::open(home.file("a.anz"), q);
    EXPECT_EQ(q.contractors.cell(company::Representative, 1), "");
    EXPECT_EQ(q.currentRow, 1);
    EXPECT_EQ(q.record.text("Edit42"), QStringLiteral("一次工業"));
    EXPECT_EQ(q.record.text("Edit76"), QStringLiteral("令和6年4月1日"));
    EXPECT_TRUE(q.record.editorNotDedicated());
    EXPECT_EQ(q.shitaukeCount, 1);
}

struct DedicationCase {
    const char* line;
    bool notDedicatedBefore;
    bool notDedicatedAfter;
};

class DedicationLine : public ::testing::TestWithParam<DedicationCase> { };

TEST_P(DedicationLine, SelectsOrKeepsTheChoice)
{
    Project p;
    QStringList lines = projectfile::write(p);
    lines[93] = QString::fromUtf8(GetParam().line);
    Project q;
    q.record.setPrimeNotDedicated(GetParam().notDedicatedBefore);
    projectfile::read(lines, "x.anz", q);
    EXPECT_EQ(q.record.primeNotDedicated(), GetParam().notDedicatedAfter);
}

INSTANTIATE_TEST_SUITE_P(Lines, DedicationLine,
                         ::testing::Values(DedicationCase{"", true, false}, DedicationCase{" ", true, false},
                                           DedicationCase{"0", true, false}, DedicationCase{"1", false, true},
                                           DedicationCase{"2", true, true}, DedicationCase{"2", false, false}));

struct BrokenCase {
    const char* name;
    std::function<void(QStringList&)> damage;
    int reportedLine;
    const char* mentions;
};

class BrokenProjectFile : public ::testing::TestWithParam<BrokenCase> { };

TEST_P(BrokenProjectFile, ReportsFileAndLineAndKeepsWhatWasRead)
{
    Project p;
    p.record.setText("Edit1", QStringLiteral("新しい発注者"));
    QStringList lines = projectfile::write(p);
    GetParam().damage(lines);
    Project q;
    try {
        projectfile::read(lines, "site.anz", q);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("site.anz")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("%1 行目").arg(GetParam().reportedLine)))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().mentions))) << e.message().toStdString();
    }
    EXPECT_EQ(q.record.text("Edit1"), QStringLiteral("新しい発注者"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenProjectFile,
    ::testing::Values(BrokenCase{"empty",
                                 [](QStringList& l) {
                                     l.clear();
                                     l << QStringLiteral("新しい発注者");
                                 },
                                 2, "Edit2"},
                      BrokenCase{"cut in fields", [](QStringList& l) { l = l.mid(0, 50); }, 51, "Edit51"},
                      BrokenCase{"count not a number", [](QStringList& l) { l[94] = "2x"; }, 95, "\"2x\""},
                      BrokenCase{"negative count", [](QStringList& l) { l[94] = "-1"; }, 95, "-1"},
                      BrokenCase{"rows missing", [](QStringList& l) { l = l.mid(0, 100); }, 101, "25 行"},
                      BrokenCase{"count too large", [](QStringList& l) { l[95 + 25] = "999999999"; }, 226, "999999999"},
                      BrokenCase{"no node count", [](QStringList& l) { l.removeLast(); }, 225, "ツリーの項目数"},
                      BrokenCase{"node count not a number", [](QStringList& l) { l.last() = "3a"; }, 225, "\"3a\""}),
    [](const auto& info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

TEST(ProjectFile, EveryTruncationIsReportedAsAnErrorNeverACrash)
{
    Project p;
    fillSample(p);
    const QStringList lines = projectfile::write(p);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        Project q;
        try {
            projectfile::read(lines.mid(0, n), "cut.anz", q);
            ADD_FAILURE() << "no error for a file cut after " << n << " lines";
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("%1 行目").arg(n + 1))) << e.message().toStdString();
        }
    }
}

TEST(ProjectFile, ABadLineIsQuotedShortenedInTheMessage)
{
    Project p;
    QStringList lines = projectfile::write(p);
    lines[94] = QString(100000, u'9') + u'x';
    try {
        projectfile::read(lines, "big.anz", p);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_LT(e.message().size(), 300);
        EXPECT_TRUE(e.message().contains(QStringLiteral("95 行目")));
        EXPECT_TRUE(e.message().contains(QString(80, u'9')));
    }
}

TEST(ProjectFile, LineBreaksInFieldsAndCellsNeverShiftTheLines)
{
    TempHome home;
    Project p;
    fillSample(p);
    p.record.setText("Edit4", QStringLiteral("香川県高松市\r\n番町1-2"));
    p.record.setText("Edit26", QStringLiteral("a\nb\rc"));
    p.record.setText("Edit85", QStringLiteral("補佐\r\n"));
    p.contractors.setCell(company::Address, 1, QStringLiteral("住所\r\n二行目"));
    p.workers.setCell(worker::Address, 1, QStringLiteral("住所\n二行目"));
    p.treeImage.setCell(1, 2, QStringLiteral("x\ry"));
    const QString path = home.file("breaks.anz");
    projectfile::save(path, p);
    EXPECT_EQ(textfile::readLines(path).size(), projectfile::write(Project()).size());
    Project q;
    projectfile::load(path, q);
    EXPECT_EQ(q.record.text("Edit4"), QStringLiteral("香川県高松市 番町1-2"));
    EXPECT_EQ(q.record.text("Edit5"), p.record.text("Edit5"));
    EXPECT_EQ(q.record.text("Edit26"), QStringLiteral("a b c"));
    EXPECT_EQ(q.record.text("Edit85"), QStringLiteral("補佐 "));
    EXPECT_EQ(q.record.text("Edit84"), "12345678901234");
    EXPECT_EQ(q.contractors.cell(company::Address, 1), QStringLiteral("住所 二行目"));
    EXPECT_EQ(q.contractors.cell(company::Trade1, 1), blankDateTemplate());
    EXPECT_EQ(q.workers.cell(worker::Address, 1), QStringLiteral("住所 二行目"));
    EXPECT_EQ(q.treeImage.cell(1, 2), QStringLiteral("x y"));
    EXPECT_EQ(q.treeImage.cell(10, 1), QStringLiteral("一次工業"));
    EXPECT_EQ(q.nodeCount, "1");
}

TEST(ProjectFile, CharactersCodePage932WouldChangeComeBackExactly)
{
    TempHome home;
    Project p;
    p.record.setText("Edit5", QStringLiteral("令和7年4月1日〜"));
    p.record.setText("Edit26", QStringLiteral("1−2—3‖¢£¬"));
    p.record.setText("Edit10", QStringLiteral("ﾔｽ ﾐｶ"));
    const QString path = home.file("exact.anz");
    projectfile::save(path, p);
    Project q;
    projectfile::load(path, q);
    for (const char* field : {"Edit5", "Edit26", "Edit10"})
        EXPECT_EQ(q.record.text(field), p.record.text(field)) << field;
    Project kana;
    kana.record.setText("Edit10", QStringLiteral("ﾔｽ ﾐｶ"));
    projectfile::save(path, kana);
    EXPECT_FALSE(TempHome::readBytes(path).startsWith("\xEF\xBB\xBF")); // still code page 932
    projectfile::load(path, q);
    EXPECT_EQ(q.record.text("Edit10"), QStringLiteral("ﾔｽ ﾐｶ"));
}

TEST(ProjectFile, TextAfterTheLastItemIsAnErrorWithItsLine)
{
    Project p;
    const QStringList lines = projectfile::write(p);
    const QString junkLine = QString::number(lines.size() + 3);
    Project q;
    try {
        projectfile::read(lines + QStringList{"", " ", "extra", "more"}, "x.anz", q);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("x.anz")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("%1 行目").arg(junkLine))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("\"extra\""))) << e.message().toStdString();
    }
    // Blank lines at the end are what an editor may leave.
    EXPECT_NO_THROW(projectfile::read(lines + QStringList{"", "  "}, "x.anz", q));
}

TEST(ProjectFile, AnzIsAppendedUnlessTheNameEndsInLowerCaseDotAnz)
{
    EXPECT_EQ(projectfile::fileNameFor("/tmp/site"), "/tmp/site.anz");
    EXPECT_EQ(projectfile::fileNameFor("/tmp/site.anz"), "/tmp/site.anz");
    EXPECT_EQ(projectfile::fileNameFor("/tmp/site.ANZ"), "/tmp/site.ANZ.anz");
    EXPECT_EQ(projectfile::fileNameFor("/tmp/bonanz"), "/tmp/bonanz.anz");
    EXPECT_EQ(projectfile::fileNameFor("/tmp/anz"), "/tmp/anz.anz");
}

} // namespace
