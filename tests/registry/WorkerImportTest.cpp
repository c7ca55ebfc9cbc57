// The worker import and export: CSV reading, headings by name, every row
// checked, the registry written once, and export → import giving the same
// workers.
#include "registry/WorkerImport.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "registry/CompanyRecord.h"
#include "registry/CsvTable.h"
#include "registry/Registry.h"
#include "registry/WorkerExport.h"
#include "registry/WorkerHeadings.h"
#include "roster/WorkerRecord.h"
#include "support/TempHome.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::worker;
using mirevo::test::TempHome;
namespace wi = mirevo::workerimport;

namespace {

const QDate kToday(2026, 12, 10);

Registry registryWith(const QStringList& companies)
{
    Registry r;
    for (int i = 0; i < companies.size(); ++i)
        r.companies.setCell(company::Name, i + 1, companies[i]);
    return r;
}

wi::Plan planText(const QString& text, const Registry& registry, wi::Options options = {})
{
    if (!options.today.isValid())
        options.today = kToday;
    return wi::plan({csv::parse(text), false}, registry, options);
}

TEST(Csv, QuotesSeparatorsAndLineNumbers)
{
    const csv::Table t = csv::parse(QStringLiteral("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",x\ny"));
    ASSERT_EQ(t.records.size(), 4u);
    EXPECT_EQ(t.records[0].fields, (QStringList{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(t.records[0].line, 1);
    EXPECT_EQ(t.records[1].line, 2); // the empty line
    EXPECT_EQ(t.records[2].fields, (QStringList{"two\nlines", "x"}));
    EXPECT_EQ(t.records[2].line, 3);
    EXPECT_EQ(t.records[3].fields, QStringList{"y"});
    EXPECT_EQ(t.records[3].line, 5);
    EXPECT_EQ(t.faultLine, 0);

    const csv::Table tabs = csv::parse(QStringLiteral("氏名\tふりがな\t住所\n山田\tやまだ\t東京都, 港区\n"));
    EXPECT_EQ(tabs.records[1].fields, (QStringList{"山田", "やまだ", "東京都, 港区"}));

    const csv::Table open = csv::parse(QStringLiteral("a,b\nc,\"never closed\nd,e\n"));
    EXPECT_EQ(open.records.size(), 1u);
    EXPECT_EQ(open.faultLine, 2);
}

TEST(Csv, EncodingsAreTold)
{
    const QString text = QStringLiteral("氏名,ふりがな\r\n髙橋,たかはし\r\n");
    EXPECT_EQ(csv::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(csv::decode(text.toUtf8()), text);
    QByteArray sjis;
    ASSERT_TRUE(textfile::toCp932(text, sjis));
    EXPECT_EQ(csv::decode(sjis), text);
}

TEST(Csv, WritingQuotesWhatNeedsIt)
{
    EXPECT_EQ(csv::write({{"a", "b,c", "d\"e", " f", "g\nh"}}),
              QStringLiteral("a,\"b,c\",\"d\"\"e\",\" f\",\"g\nh\"\r\n"));
}

TEST(WorkerHeadings, NamesAndAlternatives)
{
    QStringList unknown;
    const auto columns = wi::matchHeadings(
        {QStringLiteral("フリガナ"), QStringLiteral("氏　名"), QStringLiteral("住所"), QStringLiteral("電話番号"),
         QStringLiteral("ＴＥＬ（連絡先）"), QStringLiteral("雇入 ・ 職長・特別教育①"), QStringLiteral("②"),
         QStringLiteral("技能講習2"), QStringLiteral("免許③"), QStringLiteral("No."), QStringLiteral("社員コード"),
         QStringLiteral("所属会社名"), QStringLiteral("生年月日")},
        &unknown);
    EXPECT_EQ(columns,
              (std::vector<int>{Reading, Name, Address, Phone, FamilyPhone, Education1, Education1 + 1, Skill1 + 1,
                                Licence1 + 2, wi::kIgnoredHeading, wi::kUnknownHeading, Company, Birth}));
    EXPECT_EQ(unknown, QStringList{QStringLiteral("社員コード")});

    // The registry's own headings name every column once.
    QStringList headings = siteHeadings().mid(1, 35);
    headings[Roles - 1] = QStringLiteral("※担当役割");
    std::vector<int> expected;
    for (int c = 1; c <= 35; ++c)
        expected.push_back(c);
    unknown.clear();
    EXPECT_EQ(wi::matchHeadings(headings, &unknown), expected);
    EXPECT_TRUE(unknown.isEmpty()) << unknown.join(',').toStdString();
}

TEST(WorkerImport, RowsAreCheckedAndReportedLineByLine)
{
    TempHome home;
    Registry registry = registryWith({QStringLiteral("山田建設"), QStringLiteral("鈴木工業")});
    registry.workers.setCell(Reading, 1, QStringLiteral("すずき"));
    registry.workers.setCell(Name, 1, QStringLiteral("鈴木一郎"));
    registry.workers.setCell(Company, 1, QStringLiteral("山田建設"));
    const QString text = QStringLiteral("ふりがな,氏名,生年月日,雇用年月日,会社名,血液型,部署\n" // 1
                                        "やまだ,山田太郎,昭和50年5月5日,2016-04-01,,a型,工務\n"  // 2
                                        ",,,,,,\n"                                               // 3: empty, skipped
                                        "たなか,田中花子,1980/13/40,,,,\n"                       // 4
                                        "さとう,佐藤,S50.5.5,,田中組,,\n"                        // 5
                                        ",名無し,,,,,\n"                                         // 6
                                        "すずき,鈴木一郎,R2.4.1,,,,\n"                     // 7: registered already
                                        "やまだ,山田太郎,1975/05/05,,,,\n"                 // 8: the same as line 2
                                        "い,\"伊藤\n次郎\",1990年1月2日,,鈴木工業,ＡＢ,\n" // 9-10
                                        "かとう,加藤,\"1985/1/1\n");                       // 11: never closed
    const wi::Plan p = planText(text, registry, {QStringLiteral("山田建設"), false, {}});
    EXPECT_EQ(p.unknownHeadings, QStringList{QStringLiteral("部署")});
    EXPECT_EQ(p.rejectedLines(),
              (QStringList{QStringLiteral("行 4: 生年月日が読めません: 1980/13/40"),
                           QStringLiteral("行 5: 会社情報リストにない会社です: 田中組"),
                           QStringLiteral("行 6: ふりがなが空です"), QStringLiteral("行 11: 引用符が閉じていません")}));
    EXPECT_EQ(p.summary(), QStringLiteral("取り込み 2 人、更新 0 人、省略 2 人、取り込めなかった行 4"));
    const wi::RowPlan& yamada = p.rows[0];
    EXPECT_EQ(yamada.status, wi::Status::Add);
    EXPECT_EQ(yamada.record[Birth], QStringLiteral("1975/05/05"));
    EXPECT_EQ(yamada.record[Age], QStringLiteral("51"));
    EXPECT_EQ(yamada.record[Employed], QStringLiteral("2016/04/01"));
    EXPECT_EQ(yamada.record[Experience], QStringLiteral("10"));
    EXPECT_EQ(yamada.record[Company], QStringLiteral("山田建設"));
    EXPECT_EQ(yamada.record[BloodType], QStringLiteral("Ａ"));
    EXPECT_EQ(p.rows[4].reason, QStringLiteral("登録済みの作業員です"));
    EXPECT_EQ(p.rows[5].reason, QStringLiteral("2 行目と同じ作業員です"));
    EXPECT_EQ(p.rows[6].record[Name], QStringLiteral("伊藤\n次郎"));
    EXPECT_EQ(p.rows[6].line, 9);
}

TEST(WorkerImport, NoNameColumnIsRefusedAndUpdatesReplaceTheRow)
{
    TempHome home;
    Registry registry = registryWith({QStringLiteral("山田建設")});
    EXPECT_THROW(planText(QStringLiteral("\n\nふりがな,住所\nやまだ,東京\n"), registry), Error);

    registry.workers.setCell(Reading, 3, QStringLiteral("やまだ"));
    registry.workers.setCell(Name, 3, QStringLiteral("山田太郎"));
    registry.workers.setCell(Company, 3, QStringLiteral("山田建設"));
    registry.workers.setCell(Address, 3, QStringLiteral("旧住所"));
    const QString text
        = QStringLiteral("よみがな,名前,住所,会社名\nやまだ,山田太郎,新住所,山田建設\nかとう,加藤,,山田建設\n");
    const wi::Plan p = planText(text, registry, {QString(), true, {}});
    ASSERT_EQ(p.rows[0].status, wi::Status::Update);
    wi::apply(p, registry);
    EXPECT_EQ(registry.workers.cell(Address, 3), QStringLiteral("新住所"));
    // Where the roster window puts a new worker: the first free row from the count + 1.
    EXPECT_EQ(registry.workers.cell(Name, 2), QStringLiteral("加藤"));

    Registry saved;
    saved.load();
    EXPECT_EQ(saved.workers.cell(Address, 3), QStringLiteral("新住所"));
    EXPECT_EQ(saved.workers.cell(Name, 2), QStringLiteral("加藤"));
}

TEST(WorkerImport, ARegistryThatCannotBeWrittenStaysAsItWas)
{
    TempHome home;
    Registry registry = registryWith({QStringLiteral("山田建設")});
    const TextGrid before = registry.workers;
    QDir().mkpath(Registry::fileName()); // a folder where the file should go
    const wi::Plan p = planText(QStringLiteral("ふりがな,氏名,会社名\nやまだ,山田太郎,山田建設\n"), registry);
    EXPECT_THROW(wi::apply(p, registry), Error);
    EXPECT_EQ(registry.workers, before);

    // A registry file read only in part is never written over.
    QDir().rmdir(Registry::fileName());
    textfile::writeLines(Registry::fileName(), {"3"});
    EXPECT_THROW(registry.load(), Error);
    ASSERT_TRUE(registry.readFailed());
    EXPECT_THROW(wi::apply(p, registry), Error);
    EXPECT_EQ(textfile::readLines(Registry::fileName()), QStringList{"3"});
}

// Export, then import into a registry with the same companies and no
// workers: the same workers, column by column.
TEST(WorkerExport, ExportThenImportGivesTheSameWorkers)
{
    TempHome home;
    Registry registry = registryWith({QStringLiteral("山田建設"), QStringLiteral("鈴木工業")});
    const QStringList companies{QStringLiteral("山田建設"), QStringLiteral("鈴木工業"), QStringLiteral("山田建設")};
    for (int row = 1; row <= 3; ++row) {
        registry.workers.setCell(Reading, row, QStringLiteral("よみ%1").arg(row));
        registry.workers.setCell(Name, row, QStringLiteral("作業員%1").arg(row));
        registry.workers.setCell(Company, row, companies[row - 1]);
        registry.workers.setCell(Birth, row, QStringLiteral("1970/0%1/15").arg(row));
        registry.workers.setCell(Age, row, QStringLiteral("56")); // on 2026-12-10
        registry.workers.setCell(Phone, row, QStringLiteral("0120-00-000%1").arg(row));
        registry.workers.setCell(HealthDigits, row, QStringLiteral("0012"));
        registry.workers.setCell(Address, row, QStringLiteral("東京都港区, \"芝\" %1").arg(row));
        registry.workers.setCell(Licence1 + 2, row, QStringLiteral("玉掛け"));
        registry.workers.setCell(BloodType, row, QStringLiteral("ＡＢ"));
        registry.workers.setCell(HealthCheck, row, QStringLiteral("令和 8年 %1月10日").arg(row));
    }
    for (const char* name : {"workers.csv", "workers.xlsx"}) {
        SCOPED_TRACE(name);
        const QString path = home.file(name);
        EXPECT_EQ(workerexport::write(registry, QString(), path), 3);
        EXPECT_EQ(workerexport::write(registry, QStringLiteral("鈴木工業"), home.file(QStringLiteral("one_") + name)),
                  1);
        Registry empty = registryWith({QStringLiteral("山田建設"), QStringLiteral("鈴木工業")});
        const wi::Plan p = wi::plan(wi::readFile(path), empty, {QString(), false, kToday});
        EXPECT_TRUE(p.unknownHeadings.isEmpty()) << p.unknownHeadings.join(',').toStdString();
        ASSERT_EQ(p.count(wi::Status::Add), 3) << p.rejectedLines().join('\n').toStdString();
        wi::apply(p, empty);
        for (int row = 1; row <= 3; ++row)
            for (int column = FirstField; column <= LastField; ++column)
                EXPECT_EQ(empty.workers.cell(column, row), registry.workers.cell(column, row))
                    << "row " << row << " column " << column;
    }
    EXPECT_TRUE(TempHome::readBytes(home.file("workers.csv")).startsWith("\xEF\xBB\xBF"));
}

struct RejectCase {
    const char16_t* row;    // ふりがな,氏名,会社名,雇用年月日,健康診断日
    const char16_t* reason; // empty: taken
};

class RejectReason : public ::testing::TestWithParam<RejectCase> { };

TEST_P(RejectReason, EveryReasonIsSaid)
{
    TempHome home;
    const Registry registry = registryWith({QStringLiteral("山田建設")});
    const QString text
        = QStringLiteral("ふりがな,氏名,会社名,雇用年月日,健康診断日\n") + QString::fromUtf16(GetParam().row);
    const wi::Plan p = planText(text, registry);
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.rows[0].reason, QString::fromUtf16(GetParam().reason));
    EXPECT_EQ(p.rows[0].status == wi::Status::Reject, !QString::fromUtf16(GetParam().reason).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RejectReason,
    ::testing::Values(RejectCase{u"やまだ,,山田建設,,", u"氏名が空です"},
                      RejectCase{u"やまだ,　,山田建設,,", u"氏名が空です"},
                      RejectCase{u",山田,山田建設,,", u"ふりがなが空です"},
                      RejectCase{u"やまだ,山田,,,", u"会社名がありません"},
                      RejectCase{u"やまだ,山田,山田建設株式会社,,", u"会社情報リストにない会社です: 山田建設株式会社"},
                      RejectCase{u"やまだ,山田,山田建設,2016/02/30,", u"雇用年月日が読めません: 2016/02/30"},
                      RejectCase{u"やまだ,山田,山田建設,,令和8年13月1日", u"健康診断日が読めません: 令和8年13月1日"},
                      RejectCase{u"やまだ,山田,山田建設,\"2016/04/01", u"引用符が閉じていません"},
                      RejectCase{u"やまだ,山田,山田建設,H28.4.1,令和 8年 1月10日", u""}));

} // namespace
