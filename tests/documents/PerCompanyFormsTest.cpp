// The forms each subcontractor gets one copy of: 9 to 13.
#include "DocumentTestSupport.h"
#include "Spreadsheet.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;
using mirevo::sheet::Application;
using mirevo::sheet::Workbook;
using mirevo::sheet::Worksheet;

namespace {

struct FormRun {
    FormRun(const SiteView& site, const QStringList& keys)
    {
        Workbook& forms = buildTemplate(app);
        out = &app.Workbooks().Add();
        report = convert(site, keys, {}, forms, *out);
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
    site.row(a)[50] = QStringLiteral("一次工業");
    site.row(a)[company::Address] = QStringLiteral("東京都千代田区1-1");
    site.row(a)[27] = QStringLiteral("安全 一");
    const int b = site.add(QStringLiteral("二次設備"), "2", a);
    site.row(b)[company::Representative] = QStringLiteral("二次 花子");
    site.row(b)[company::Phone] = QStringLiteral("06-3333-4444");
    site.row(b)[50] = QStringLiteral("一次工業");
    site.row(b)[company::Address] = QStringLiteral("大阪府大阪市2-2");
    site.row(b)[27] = QStringLiteral("安全 二");
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
    expectCells(ws, {{"G9", "青空ビル新築工事"}, {"G11", "現場 次郎"},
                     {"U11", "持込会社名　　　　　　　(　　　2　次　）"}, {"Y9", "一次工業"},
                     {"Y11", "二次設備"}, {"Y13", "二次 花子"}, {"Y15", "06-3333-4444"},
                     {"Z2", "元請け     確認欄"}, {"Z6", "令和     年     月     日"}});
    for (const char* c : {"G9", "G11", "Y9", "Y11", "Y13", "Y15", "Z2", "U11"})
        EXPECT_TRUE(opensABox(ws, c)) << c;
}

TEST(PerCompanyForms, VehicleNoticeOnePerSubcontractorNoneForThePrime)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"9"});
    EXPECT_EQ(run.names(), (QStringList{QStringLiteral("9.工事用車輌届【一次工業】"),
                                        QStringLiteral("9.工事用車輌届【二次設備】")}));
    expectUpperPart(run.sheet(2));
    EXPECT_EQ(value(run.sheet(1), "U11"), QStringLiteral("持込会社名　　　　　　　(　　　1　次　）"));
    expectCells(run.sheet(2), {{"I7", "工　事　用　車　輌　届"}, {"B33", "運 行 経 路"},
                               {"H38", "4.  運転者が変わった場合は、その都度届け出ること。"}});
    saveChecked(*run.out, "vehicle_notice");
}

TEST(PerCompanyForms, HazardousMaterialsSheetsComeBeforeFireUse)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"11", "10"});
    EXPECT_EQ(run.names(), (QStringList{QStringLiteral("10.危険物持込届【一次工業】"),
                                        QStringLiteral("10.危険物持込届【二次設備】"),
                                        QStringLiteral("11火気使用願【一次工業】"),
                                        QStringLiteral("11火気使用願【二次設備】")}));
    expectUpperPart(run.sheet(2));
    expectUpperPart(run.sheet(4));
    expectCells(run.sheet(2), {{"I7", "危険物　・有害物持込使用届"}, {"AA21", "含有成分"}, {"B40", "備 考"},
                               {"H47", "3. 有害物とは、塗装、防水などに使用する有機溶剤、特定化学物質をいう。"}});
    expectCells(run.sheet(4), {{"I7", "火　気　使　用　願"}, {"B35", "許 可 条 件"}, {"AF34", " 印"},
                               {"B38", "      ※ 毎日時間で管理する場合は、この様式を参考にして書式を作成して下さい。"}});
    saveChecked(*run.out, "hazardous_and_fire");
}

TEST(PerCompanyForms, SpecialReportsComeBeforeOwnerOperatorNotices)
{
    TestSite site;
    addTwoCompanies(site);
    FormRun run(site.view, {"13", "12"});
    EXPECT_EQ(run.names(), (QStringList{QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【一次工業】"),
                                        QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【二次設備】"),
                                        QStringLiteral("13中小事業主・一人親方等就労届出届【一次工業】"),
                                        QStringLiteral("13中小事業主・一人親方等就労届出届【二次設備】")}));
    expectCells(run.sheet(2), {{"G10", "青空ビル新築工事"}, {"G12", "現場 次郎"}, {"T22", "(2)次会社名"},
                               {"Y21", "一次工業"}, {"Y22", "二次設備"}, {"Y23", "大阪府大阪市2-2"},
                               {"Y24", "二次 花子"}, {"Y25", "安全 二"}, {"Z2", "元請け     確認欄"},
                               {"E8", "(15歳以上18歳未満・65歳以上・最低血圧95以上、最高血圧160以上）"}});
    EXPECT_EQ(value(run.sheet(1), "T22"), QStringLiteral("(1)次会社名"));
    expectCells(run.sheet(4), {{"G10", "青空ビル新築工事"}, {"G12", "現場 次郎"}, {"T12", "(2)次会社名"},
                               {"Y10", "一次工業"}, {"Y12", "二次設備"}, {"Y14", "二次設備"},
                               {"Y16", "二次 花子"}, {"B53", "Ⅳ． 元請責任者承諾"}});
    for (const char* c : {"G10", "G12", "Y21", "Y22", "Y23", "Y24", "Y25"})
        EXPECT_TRUE(opensABox(run.sheet(2), c)) << c;
    for (const char* c : {"G10", "G12", "T12", "Y10", "Y12", "Y14", "Y16"})
        EXPECT_TRUE(opensABox(run.sheet(4), c)) << c;
    saveChecked(*run.out, "special_reports");
}

TEST(PerCompanyForms, NoSubcontractorNoSheet)
{
    TestSite site;
    FormRun run(site.view, {"list", "9", "10", "11", "12", "13"});
    EXPECT_EQ(run.names(), QStringList{QStringLiteral("書類一覧")});
}

} // namespace
