// The forms each subcontractor gets one copy of: 9 to 13.
#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/SpecialWorkerReport.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

struct FormRun {
    FormRun(const SiteView& site, const QStringList& keys, const RunOptions& options = {})
    {
        Workbook& forms = buildTemplate(app);
        out = &app.Workbooks().Add();
        report = convert(site, keys, options, forms, *out);
    }
    QStringList names()
    {
        QStringList list;
        for (int i = 1; i <= out->Sheets().Count(); ++i)
            list << QString::fromStdString(out->Sheets(i).Name());
        return list;
    }
    Worksheet& sheet(int i) { return out->Sheets(i); }

    Application app;
    Workbook* out = nullptr;
    ConversionReport report;
};

// A prime contractor, a first-tier and a second-tier company under it.
void addTwoCompanies(TestSite& site)
{
    const int a = site.add(QStringLiteral("一次工業"), "1");
    site.row(a)[company::Representative] = QStringLiteral("一次 太郎");
    site.row(a)[company::Phone] = QStringLiteral("03-1111-2222");
    site.row(a)[company::FirstTierName] = QStringLiteral("一次工業");
    site.row(a)[company::Address] = QStringLiteral("東京都千代田区1-1");
    site.row(a)[company::SafetyManager] = QStringLiteral("安全 一");
    const int b = site.add(QStringLiteral("二次設備"), "2", a);
    site.row(b)[company::Representative] = QStringLiteral("二次 花子");
    site.row(b)[company::Phone] = QStringLiteral("06-3333-4444");
    site.row(b)[company::FirstTierName] = QStringLiteral("一次工業");
    site.row(b)[company::Address] = QStringLiteral("大阪府大阪市2-2");
    site.row(b)[company::SafetyManager] = QStringLiteral("安全 二");
}

struct CellCase {
    const char* cell;
    const char* text;
};

void expectCells(Worksheet& ws, std::initializer_list<CellCase> cases)
{
    for (const CellCase& c : cases)
        EXPECT_EQ(value(ws, c.cell), QString::fromUtf8(c.text)) << ws.Name() << " " << c.cell;
}

// The upper part forms 9, 10 and 11 share, for the second-tier company.
void expectUpperPart(Worksheet& ws)
{
    expectCells(ws,
                {{"G9", "青空ビル新築工事"},
                 {"G11", "現場 次郎"},
                 {"U11", "持込会社名　　　　　　　(　　　2　次　）"},
                 {"Y9", "一次工業"},
                 {"Y11", "二次設備"},
                 {"Y13", "二次 花子"},
                 {"Y15", "06-3333-4444"},
                 {"Z2", "元請け     確認欄"},
                 {"Z6", "令和     年     月     日"}});
    for (const char* c : {"G9", "G11", "Y9", "Y11", "Y13", "Y15", "Z2", "U11"})
        EXPECT_TRUE(opensABox(ws, c)) << c;
}

TEST(PerCompanyForms, VehicleNoticeOnePerSubcontractorNoneForThePrime)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"9"});
    EXPECT_EQ(
        run.names(),
        (QStringList{QStringLiteral("9.工事用車輌届【一次工業】"), QStringLiteral("9.工事用車輌届【二次設備】")}));
    expectUpperPart(run.sheet(2));
    EXPECT_EQ(value(run.sheet(1), "U11"), QStringLiteral("持込会社名　　　　　　　(　　　1　次　）"));
    expectCells(run.sheet(2),
                {{"I7", "工　事　用　車　輌　届"},
                 {"B33", "運 行 経 路"},
                 {"H38", "4.  運転者が変わった場合は、その都度届け出ること。"}});
    saveChecked(*run.out, "vehicle_notice");
}

TEST(PerCompanyForms, HazardousMaterialsSheetsComeBeforeFireUse)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"11", "10"});
    EXPECT_EQ(run.names(),
              (QStringList{QStringLiteral("10.危険物持込届【一次工業】"), QStringLiteral("10.危険物持込届【二次設備】"),
                           QStringLiteral("11火気使用願【一次工業】"), QStringLiteral("11火気使用願【二次設備】")}));
    expectUpperPart(run.sheet(2));
    expectUpperPart(run.sheet(4));
    expectCells(run.sheet(2),
                {{"I7", "危険物　・有害物持込使用届"},
                 {"AA21", "含有成分"},
                 {"B40", "備 考"},
                 {"H47", "3. 有害物とは、塗装、防水などに使用する有機溶剤、特定化学物質をいう。"}});
    expectCells(run.sheet(4),
                {{"I7", "火　気　使　用　願"},
                 {"B35", "許 可 条 件"},
                 {"AF34", " 印"},
                 {"B38", "      ※ 毎日時間で管理する場合は、この様式を参考にして書式を作成して下さい。"}});
    saveChecked(*run.out, "hazardous_and_fire");
}

TEST(PerCompanyForms, SpecialReportsComeBeforeOwnerOperatorNotices)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"13", "12"});
    EXPECT_EQ(run.names(),
              (QStringList{QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【一次工業】"),
                           QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【二次設備】"),
                           QStringLiteral("13中小事業主・一人親方等就労届出届【一次工業】"),
                           QStringLiteral("13中小事業主・一人親方等就労届出届【二次設備】")}));
    expectCells(run.sheet(2),
                {{"G10", "青空ビル新築工事"},
                 {"G12", "現場 次郎"},
                 {"T22", "(2)次会社名"},
                 {"Y21", "一次工業"},
                 {"Y22", "二次設備"},
                 {"Y23", "大阪府大阪市2-2"},
                 {"Y24", "二次 花子"},
                 {"Y25", "安全 二"},
                 {"Z2", "元請け     確認欄"},
                 {"E8", "(15歳以上18歳未満・65歳以上・最低血圧95以上、最高血圧160以上）"}});
    EXPECT_EQ(value(run.sheet(1), "T22"), QStringLiteral("(1)次会社名"));
    expectCells(run.sheet(4),
                {{"G10", "青空ビル新築工事"},
                 {"G12", "現場 次郎"},
                 {"T12", "(2)次会社名"},
                 {"Y10", "一次工業"},
                 {"Y12", "二次設備"},
                 {"Y14", "二次設備"},
                 {"Y16", "二次 花子"},
                 {"B53", "Ⅳ． 元請責任者承諾"}});
    for (const char* c : {"G10", "G12", "Y21", "Y22", "Y23", "Y24", "Y25"})
        EXPECT_TRUE(opensABox(run.sheet(2), c)) << c;
    for (const char* c : {"G10", "G12", "T12", "Y10", "Y12", "Y14", "Y16"})
        EXPECT_TRUE(opensABox(run.sheet(4), c)) << c;
    saveChecked(*run.out, "special_reports");
}

QStringList workerRow(const QString& company, const QString& name, const QString& birth, const QString& pressure)
{
    QStringList w(worker::kColumns);
    w[worker::Company] = company;
    w[worker::Name] = name;
    w[worker::Reading] = QStringLiteral("よみ");
    w[worker::Birth] = birth;
    w[worker::Address] = QStringLiteral("住所 ") + name;
    w[worker::BloodPressure] = pressure;
    return w;
}

// The creation date of the test site is 令和 8年12月 9日 (2026-12-09).
TEST(PerCompanyForms, SpecialReportFilledForMinorsElderlyAndHypertensive)
{
    TestSite site;
    addTwoCompanies(site);
    const QString b = QStringLiteral("二次設備");
    site.view.workers << workerRow(b, QStringLiteral("年少"), "2009/12/10", QStringLiteral("～"))        // 16: reported
                      << workerRow(b, QStringLiteral("成人"), "2008/12/09", QStringLiteral("120～80"))   // 18 today
                      << workerRow(b, QStringLiteral("高齢"), "1956/01/05", QString())                   // 70
                      << workerRow(b, QStringLiteral("六十四"), "1962/12/10", QStringLiteral("159～94")) // 64
                      << workerRow(b, QStringLiteral("低圧"), "1980/01/01", QStringLiteral("130～95"))
                      << workerRow(b, QStringLiteral("高圧"), "1980/01/01", QStringLiteral("160～70"))
                      << workerRow(b, QStringLiteral("不明"), QStringLiteral("昭和"), QStringLiteral("高め"));
    FormRun run(site.view, {"12"});
    const QString prefix = QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【");
    QStringList names = run.names();
    ASSERT_EQ(names.size(), 6) << names.join(u' ').toStdString();
    EXPECT_TRUE(names[1].startsWith(prefix)); // the company's blank form first
    EXPECT_EQ(value(run.sheet(2), "J15"), QString());
    struct Case {
        int sheet;
        const char* name;
        const char* birth;
        const char* age;
        const char* high;
        const char* low;
    };
    const Case cases[] = {{3, "年少", "2009年 12月 10日", "16", "", ""},
                          {4, "高齢", "1956年 1月 5日", "70", "", ""},
                          {5, "低圧", "1980年 1月 1日", "46", "130", "95"},
                          {6, "高圧", "1980年 1月 1日", "46", "160", "70"}};
    for (const Case& c : cases) {
        Worksheet& ws = run.sheet(c.sheet);
        const QString name = QString::fromUtf8(c.name);
        EXPECT_TRUE(names[c.sheet - 1].startsWith(prefix + name)) << names[c.sheet - 1].toStdString();
        expectCells(ws,
                    {{"J15", (std::string(c.name) + "（よみ）").c_str()},
                     {"U15", c.birth},
                     {"AE15", c.age},
                     {"N17", c.high},
                     {"U17", c.low},
                     {"T22", "(2)次会社名"},
                     {"Y22", "二次設備"}});
        EXPECT_EQ(value(ws, "J16"), QStringLiteral("住所 ") + name);
    }
    EXPECT_EQ(run.report.notes.size(), 2) << run.report.notes.join(u'\n').toStdString();
    EXPECT_TRUE(run.report.notes.join(u' ').contains(QStringLiteral("不明")));
    saveChecked(*run.out, "special_reports_filled");
}

// Sheets 1 and 2 are the blank forms of the two companies; the filled
// reports of the second-tier company follow.
TEST(PerCompanyForms, SpecialReportJudgesTheAgeByWhatCanBeRead)
{
    TestSite site;
    addTwoCompanies(site);
    const QString b = QStringLiteral("二次設備");
    auto aged = [&](const char* name, const QString& birth, const char* age) {
        QStringList w = workerRow(b, QString::fromUtf8(name), birth, QString());
        w[worker::Age] = QString::fromUtf8(age);
        return w;
    };
    site.view.workers << aged("読めない十七", QStringLiteral("平成二十一年"), "17")
                      << aged("空欄七十", QString(), "70歳")
                      << aged("空欄四十", QString(), "40")                   // no report, nothing to say
                      << aged("何もない", QString(), "")                     // no report, nothing to say
                      << aged("生年月日優先", "1990/01/01", "17")            // 36 by the birth date
                      << aged("和暦", QStringLiteral("平成2年1月1日"), "17") // 36 as well
                      << aged("読めない三十", QStringLiteral("不明"), "30"); // an adult, and that is said
    QStringList pressure = aged("高血圧四十", QString(), "40");
    pressure[worker::BloodPressure] = QStringLiteral("170～90");
    site.view.workers << pressure;
    FormRun run(site.view, {"12"});
    ASSERT_EQ(run.names().size(), 5) << run.names().join(u' ').toStdString();
    expectCells(run.sheet(3), {{"J15", "読めない十七（よみ）"}, {"U15", "平成二十一年"}, {"AE15", "17"}});
    expectCells(run.sheet(4), {{"J15", "空欄七十（よみ）"}, {"U15", "　　　　年    月    日　"}, {"AE15", "70"}});
    expectCells(run.sheet(5), {{"J15", "高血圧四十（よみ）"}, {"AE15", "40"}, {"N17", "170"}});
    EXPECT_EQ(run.report.notes,
              (QStringList{
                  QStringLiteral("12: 読めない十七（二次設備） の生年月日が読めないため、年齢欄の 17 歳で判断しました: "
                                 "\"平成二十一年\""),
                  QStringLiteral("12: 空欄七十（二次設備） は生年月日が空欄のため、年齢欄の 70 歳で判断しました"),
                  QStringLiteral("12: 読めない三十（二次設備） の生年月日が読めないため、年齢欄の 30 歳で判断しました: "
                                 "\"不明\""),
                  QStringLiteral("12: 高血圧四十（二次設備） は生年月日が空欄のため、年齢欄の 40 歳を書きました")}));
}

TEST(PerCompanyForms, AgeColumn)
{
    EXPECT_EQ(SpecialWorkerReport::readAge(QStringLiteral("17")), 17);
    EXPECT_EQ(SpecialWorkerReport::readAge(QStringLiteral(" 65歳 ")), 65);
    EXPECT_EQ(SpecialWorkerReport::readAge(QStringLiteral("１７才")), 17);
    for (const char* text : {"", " ", "十七", "17.5", "-1", "1234", "才"})
        EXPECT_FALSE(SpecialWorkerReport::readAge(QString::fromUtf8(text)).has_value()) << text;
}

// "住所・TEL (無)" blanks the worker's address on the report as on the
// education pages of the same run; the health check is an era date.
TEST(PerCompanyForms, SpecialReportAddressOptionAndHealthCheck)
{
    TestSite site;
    addTwoCompanies(site);
    const QString b = QStringLiteral("二次設備");
    QStringList checked = workerRow(b, QStringLiteral("健診済"), "2010/04/01", QString());
    checked[worker::HealthCheck] = QStringLiteral("2026/4/10");
    QStringList vague = workerRow(b, QStringLiteral("健診不明"), "1950/04/01", QString());
    vague[worker::HealthCheck] = QStringLiteral("昨年春");
    QStringList none = workerRow(b, QStringLiteral("健診なし"), "1950/04/01", QString());
    site.view.workers << checked << vague << none;
    FormRun run(site.view, {"6", "12"}, {.noAddress = true});
    QStringList names = run.names();
    const int first = int(names.indexOf(QRegularExpression(QStringLiteral("12.*【健診済・.*"))));
    ASSERT_GE(first, 0) << names.join(u' ').toStdString();
    Worksheet& report = run.sheet(first + 1);
    expectCells(report, {{"J16", ""}, {"AB17", "令和 8年 4月 10日"}, {"Y23", "大阪府大阪市2-2"}});
    expectCells(run.sheet(first + 2), {{"J16", ""}, {"AB17", "昨年春"}});
    expectCells(run.sheet(first + 3), {{"AB17", "　　　　年    月    日　"}});
    Worksheet& education = run.sheet(int(names.indexOf(QStringLiteral("新規入場者教育【二次設備】"))) + 1);
    EXPECT_EQ(value(education, "G16"), QString());
    EXPECT_EQ(run.report.notes,
              QStringList{QStringLiteral(
                  "12: 健診不明（二次設備） の健康診断日が読めないため、そのまま書きました: \"昨年春\"")});
}

TEST(PerCompanyForms, CreationDates)
{
    EXPECT_EQ(SpecialWorkerReport::readDate(QStringLiteral("令和 8年12月 9日")), QDate(2026, 12, 9));
    EXPECT_EQ(SpecialWorkerReport::readDate(QStringLiteral("平成元年 1月 8日")), QDate(1989, 1, 8));
    EXPECT_EQ(SpecialWorkerReport::readDate(QStringLiteral("2026/12/09")), QDate(2026, 12, 9));
    EXPECT_FALSE(SpecialWorkerReport::readDate(QStringLiteral("        年    月     日")).isValid());
}

TEST(PerCompanyForms, UnreadableCreationDateMakesNoFilledReports)
{
    TestSite site;
    addTwoCompanies(site);
    site.record.setText("Edit41", QStringLiteral("        年    月     日"));
    site.view.workers << workerRow(QStringLiteral("一次工業"), QStringLiteral("年少"), "2012/01/01", QString());
    FormRun run(site.view, {"12"});
    EXPECT_EQ(run.names().size(), 2);
    ASSERT_EQ(run.report.notes.size(), 1);
    EXPECT_TRUE(run.report.notes[0].contains(QStringLiteral("作成日")));
}

TEST(PerCompanyForms, NoSubcontractorNoSheet)
{
    TestSite site;
    FormRun run(site.view, {"list", "9", "10", "11", "12", "13"});
    EXPECT_EQ(run.names(), QStringList{QStringLiteral("書類一覧")});
}

} // namespace
