#include "Fixtures.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "registry/CompanyFile.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

QString message(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(RegistryFile, RoundTripKeepsAwkwardCellsAndEmptiesSingleBlanks)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, QStringLiteral("㈱髙橋, \"本店\""));
    saved.companies.setCell(company::Address, 1, QStringLiteral("東京都 港区　芝"));
    saved.companies.setCell(company::Trade1, 1, QStringLiteral("　"));
    saved.companies.setCell(company::Trade2, 1, QStringLiteral(" "));
    putWorker(saved.workers, 1, QStringLiteral("山田,太郎"), QStringLiteral("㈱髙橋"));
    saved.save();

    Registry loaded;
    loaded.load();
    Registry expected = saved;
    expected.companies.setCell(company::Trade2, 1, QString());
    EXPECT_EQ(loaded.companies, expected.companies);
    EXPECT_EQ(loaded.workers, expected.workers);
}

TEST(RegistryFile, LineBreaksInCellsNeverShiftTheLines)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, "A");
    putCompany(saved, 2, "B");
    saved.companies.setCell(company::Address, 1, QStringLiteral("高松市\r\n番町"));
    saved.companies.setCell(company::Representative, 2, QStringLiteral("x\ny\rz"));
    putWorker(saved.workers, 1, "w1", "A");
    saved.workers.setCell(worker::Address, 1, QStringLiteral("住所\r\n二行目"));
    putWorker(saved.workers, 2, "w2", "B");
    saved.save();

    Registry loaded;
    loaded.load();
    Registry expected = saved;
    expected.companies.setCell(company::Address, 1, QStringLiteral("高松市 番町"));
    expected.companies.setCell(company::Representative, 2, QStringLiteral("x y z"));
    expected.workers.setCell(worker::Address, 1, QStringLiteral("住所 二行目"));
    EXPECT_EQ(loaded.companies, expected.companies);
    EXPECT_EQ(loaded.workers, expected.workers);
}

TEST(RegistryFile, HalfWidthKanaAndLookAlikesComeBackExactly)
{
    TempHome home;
    Registry saved;
    putCompany(saved, 1, QStringLiteral("ﾔｽ ﾐｶ"));
    putWorker(saved.workers, 1, QStringLiteral("ﾔﾏﾀﾞ"), QStringLiteral("ﾔｽ ﾐｶ"));
    saved.save();
    EXPECT_FALSE(TempHome::readBytes(Registry::fileName()).startsWith("\xEF\xBB\xBF"));
    Registry loaded;
    loaded.load();
    EXPECT_EQ(loaded.companies, saved.companies);
    EXPECT_EQ(loaded.workers, saved.workers);

    saved.companies.setCell(company::Address, 1, QStringLiteral("1〜2−3—‖¢£¬"));
    saved.save();
    loaded.load();
    EXPECT_EQ(loaded.companies, saved.companies);
}

TEST(RegistryFile, WorkerRowsAreNumberedByPositionAndRowsWithoutReadingEmptied)
{
    TempHome home;
    Registry saved;
    putWorker(saved.workers, 1, "A", "X");
    putWorker(saved.workers, 3, "B", "X");
    saved.workers.setCell(worker::No, 3, "7");
    putWorker(saved.workers, 5, "C", "X");
    saved.workers.setCell(worker::Reading, 5, QStringLiteral("　")); // no reading: no worker
    putWorker(saved.workers, 6, "D", "X");
    saved.workers.setCell(worker::No, 6, QString());
    saved.save();

    Registry loaded;
    loaded.load();
    EXPECT_EQ(loaded.workers.cell(worker::No, 1), "00001");
    EXPECT_EQ(loaded.workers.cell(worker::No, 3), "00003");
    EXPECT_EQ(loaded.workers.cell(worker::No, 6), "00006");
    EXPECT_EQ(loaded.workers.row(5), QStringList(QList<QString>(worker::kColumns)));
    EXPECT_EQ(loaded.workers.row(2), QStringList(QList<QString>(worker::kColumns)));
    EXPECT_EQ(loaded.companies.cell(company::Name, 0), QStringLiteral("会社名"));
}

TEST(RegistryFile, FileLayoutIsCountsThenCommaTextRowsInCp932)
{
    TempHome home;
    Registry registry;
    registry.companies.setRowCount(2);
    registry.workers.setRowCount(1);
    registry.companies.setRow(1, {"1", QStringLiteral("Ａ社 東京"), "x\"y", QStringLiteral("　"), "", "a,b"});
    registry.save();

    const QStringList lines = textfile::readLines(Registry::fileName());
    ASSERT_EQ(lines.size(), 2 + 2 + 1);
    EXPECT_EQ(lines[0], "2");
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("No.,会社名,支店・営業所名,")));
    EXPECT_EQ(lines[2], QStringLiteral("1,\"Ａ社 東京\",\"x\"\"y\",　,,\"a,b\"") + QString(44, u','));
    EXPECT_EQ(lines[3], "1");
    EXPECT_TRUE(lines[4].startsWith("No.,"));

    const QByteArray bytes = TempHome::readBytes(Registry::fileName());
    EXPECT_TRUE(bytes.startsWith("2\r\nNo.,"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.contains(",\x81\x40,")); // the full-width blank, bare, in code page 932
}

TEST(RegistryFile, MissingFileIsAnEmptyRegistry)
{
    TempHome home;
    Registry registry;
    EXPECT_NO_THROW(registry.load());
    EXPECT_EQ(registry.companies.rowCount(), Registry::kCompanyRows);
    EXPECT_EQ(registry.workers.rowCount(), Registry::kWorkerRows);
}

struct BadRegistryFile {
    const char* name;
    QByteArray bytes;
    int line;            // named in the message
    int companyRowsKept; // company rows in memory afterwards
};

class MalformedRegistryFile : public ::testing::TestWithParam<BadRegistryFile> {};

TEST_P(MalformedRegistryFile, IsReportedWithFileAndLine)
{
    TempHome home;
    TempHome::writeBytes(Registry::fileName(), GetParam().bytes);
    Registry registry;
    const QString text = message([&] { registry.load(); });
    EXPECT_TRUE(text.contains("kaisya_set.kss")) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("の %1 行目").arg(GetParam().line))) << text.toStdString();
    EXPECT_EQ(registry.companies.rowCount(), GetParam().companyRowsKept);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, MalformedRegistryFile,
    ::testing::Values(BadRegistryFile{"CompanyCountNoNumber", "abc\r\nNo.\r\n", 1, Registry::kCompanyRows},
                      BadRegistryFile{"CompanyCountNegative", "-2\r\n", 1, Registry::kCompanyRows},
                      BadRegistryFile{"CompanyRowsShort", "3\r\nNo.\r\n1,A\r\n", 4, 2},
                      BadRegistryFile{"WorkerCountNoNumber", "2\r\nNo.\r\n1,A\r\n2x\r\nNo.\r\n", 4, 2},
                      BadRegistryFile{"WorkerCountMissing", "2\r\nNo.\r\n1,A\r\n", 4, 2},
                      BadRegistryFile{"WorkerRowsShort", "1\r\nNo.\r\n3\r\nNo.\r\n", 5, 1},
                      BadRegistryFile{"Empty", "", 1, Registry::kCompanyRows}),
    [](const auto& info) { return std::string(info.param.name); });

// The registry is read at every window activation and a company file on request: a FIFO
// there must not hang the program, nor a huge file exhaust its memory.
TEST(RegistryFile, SpecialAndHugeFilesAreRefusedWithTheirName)
{
    TempHome home;
    Registry registry;
    ASSERT_EQ(::mkfifo(QFile::encodeName(Registry::fileName()).constData(), 0600), 0);
    QString text = message([&] { registry.load(); });
    EXPECT_TRUE(text.contains("kaisya_set.kss") && text.contains(QStringLiteral("名前付きパイプ"))) << text.toStdString();

    const QString company = home.file("big.kda");
    ASSERT_TRUE(QFile(company).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::resize(company, textfile::kMaxBytes + 1));
    text = message([&] { companyfile::load(registry, company); });
    EXPECT_TRUE(text.contains("big.kda") && text.contains(QStringLiteral("大きすぎます"))) << text.toStdString();
}
