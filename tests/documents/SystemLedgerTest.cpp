#include "documents/SystemLedger.h"
#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

const QString kBlankPeriod = QString(10, QChar(0x3000)) + QStringLiteral(" ～ ");

// A first-tier company with every column the ledger prints filled with its
// own heading, so each value can be traced to its cell.
int addFullCompany(TestSite& site, const QString& name)
{
    const int r = site.add(name, "1");
    QStringList& row = site.row(r);
    for (int c = company::Trade1; c <= company::Phone; ++c)
        row[c] = QStringLiteral("c%1").arg(c);
    row[company::PostcodeA] = "760";
    row[company::PostcodeB] = "0050";
    row[company::PeriodFrom] = QStringLiteral("令和 8年 1月 1日");
    row[company::PeriodTo] = QStringLiteral("令和 8年 3月31日");
    row[company::ContractDate] = QStringLiteral("令和 7年12月 1日");
    return r;
}

Workbook& generate(Application& app, const SiteView& site, const QStringList& keys = {"2-1"})
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, keys, {}, forms, out);
    return out;
}

struct Expect {
    const char* cell;
    QString value;
};

TEST(SystemLedger, RightHalfTakesTheCompanyRow)
{
    TestSite site;
    addFullCompany(site, QStringLiteral("一次工業"));
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(1);
    EXPECT_EQ(QString::fromStdString(ws.Name()), QStringLiteral("2-1.施工体制台帳【一次工業】"));
    const Expect cases[] = {
        {"AR4", QStringLiteral("一次工業")},
        {"BH4", QStringLiteral("一次工業 代表")},
        {"AR7", QStringLiteral("〒760-0050")},
        {"AR8", QStringLiteral("一次工業 住所")},
        {"BK9", "TELc39"},
        {"AR10", QStringLiteral("青空ビル新築工事")},
        {"AR13", QStringLiteral("令和 8年 1月 1日～令和 8年 3月31日")},
        {"BH13", QStringLiteral("令和 7年12月 1日")},
        {"AR18", QStringLiteral("c7　工事業")},
        {"BA18", QStringLiteral("c8　 c9")},
        {"BJ18", "c10"},
        {"AR20", QStringLiteral("c11　工事業")},
        {"BA20", QStringLiteral("c12　 c13")},
        {"BJ20", "c14"},
        {"AW25", "c32"},
        {"BD25", "c34"},
        {"BL25", "c36"},
        {"AW29", "c30"},
        {"BD29", "c31"},
        {"BI29", "c33"},
        {"BN29", "c35"},
        {"AR32", "c17"},
        {"AR34", "c18"},
        {"AR36", "c19"},
        {"AR38", "c20"},
        {"BI32", "c27"},
        {"BI34", "c28"},
        {"BI36", "c29"},
        {"BI38", "c21"},
        {"BI40", "c22"},
        {"BI42", "c23"},
        {"AR46", "c37"},
        {"BI46", "c38"},
    };
    for (const Expect& e : cases) {
        EXPECT_EQ(value(ws, e.cell), e.value) << e.cell;
        EXPECT_TRUE(ws.Range(e.cell).MergeCells()) << e.cell << " is not in a box of the form";
    }
    saveChecked(ws.Parent(), "ledger_one");
}

TEST(SystemLedger, LeftHalfTakesTheProjectRecord)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.record.setText("Edit5", QString());
    site.record.setText("Edit6", QString());
    site.record.setText("Edit2", "760");
    site.record.setText("Edit3", "0001");
    site.record.setPrimeNotDedicated(true);
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(1);
    const Expect cases[] = {
        {"AC2", QStringLiteral("令和 8年12月 9日")},
        {"G5", QStringLiteral("元請建設株式会社")},
        {"G7", QStringLiteral("青空ビル新築工事 作業所")},
        // Permit line 2 left at its initial texts is printed as it is.
        {"H13", QStringLiteral("〇〇〇〇 工事業")},
        {"Q13", QStringLiteral("知事 一般 00第　0000 号")},
        {"H16", QStringLiteral("青空ビル新築工事")},
        {"S19", QStringLiteral("〒760-0001")},
        {"H22", kBlankPeriod},
        {"M34", QStringLiteral("加入")},
        {"T38", "00000-00-0000"},
        {"H48", QStringLiteral("現場 次郎")},
        {"Y43", QStringLiteral("契約書記載のとおり")},
        {"H50", QStringLiteral("非専任")}, // never the misspelt 費専任
        {"H59", QStringLiteral("無し")},
        {"Y59", QStringLiteral("無し")},
    };
    for (const Expect& e : cases) {
        EXPECT_EQ(value(ws, e.cell), e.value) << e.cell;
        EXPECT_TRUE(ws.Range(e.cell).MergeCells()) << e.cell << " is not in a box of the form";
    }
    for (const char* cell :
         {"H11",  "Q11", "Z11", "Z13", "H19", "S20", "X22", "M27", "X27", "T34", "AB34", "P38", "Y38",
          "AD38", "H43", "H46", "Y46", "Y48", "K50", "Y50", "H52", "H54", "H56", "Y52",  "Y54", "Y56"})
        EXPECT_TRUE(ws.Range(cell).MergeCells()) << cell << " is not in a box of the form";
}

TEST(SystemLedger, AssistantSupervisingEngineerHasANameAndAQualificationBox)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.record.setText("Edit85", QStringLiteral("補佐 三郎"));
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(1);
    EXPECT_EQ(value(ws, "B58"), QStringLiteral("監理技術者補佐名"));
    EXPECT_EQ(value(ws, "R58"), QStringLiteral("資格内容"));
    EXPECT_EQ(value(ws, "H58"), QStringLiteral("補佐 三郎"));
    for (const char* cell : {"B58", "H58", "R58", "Y58"})
        EXPECT_TRUE(opensABox(ws, cell)) << cell;
    EXPECT_EQ(value(ws, "Y58"), QString()); // the qualification is written by hand
    // Inside the frame of the prime contractor's people.
    EXPECT_EQ(ws.Range("AH58").Borders(sheet::borderRight).Weight(), sheet::xlThin);
    EXPECT_EQ(ws.Range("B58").Borders(sheet::borderBottom).Weight(), sheet::xlThin);
}

TEST(SystemLedger, DedicatedChiefEngineerAndPeriods)
{
    EXPECT_EQ(SystemLedger::period("", ""), kBlankPeriod);
    EXPECT_EQ(SystemLedger::period(" ", " "), kBlankPeriod);
    EXPECT_EQ(SystemLedger::period(" ", ""), kBlankPeriod);
    EXPECT_EQ(SystemLedger::period("", " "), kBlankPeriod);
    EXPECT_EQ(SystemLedger::period("a", ""), QStringLiteral("a～"));
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    Application app;
    EXPECT_EQ(value(generate(app, site.view).Sheets(1), "H50"), QStringLiteral("専任"));
}

TEST(SystemLedger, BlockTopMovesTheRightHalf)
{
    TestSite site;
    addFullCompany(site, QStringLiteral("一次工業"));
    Application app;
    Workbook& book = buildTemplate(app);
    Worksheet& ws = book.Sheets(QStringLiteral("2-1.施工体制台帳"));
    SheetTarget target;
    target.row = 1;
    target.blockTop = 70;
    RunState run{site.view, {}, {}, target};
    SystemLedger().write(ws, run);
    EXPECT_EQ(value(ws, "AR70"), QStringLiteral("一次工業"));
    EXPECT_EQ(value(ws, "BI112"), "c38");
    EXPECT_EQ(value(ws, "AR112"), "c37");
    EXPECT_EQ(value(ws, "AR4"), QString());
}

TEST(SystemLedger, OneSheetPerFirstTierCompanyInTableOrder)
{
    TestSite site;
    site.add(QStringLiteral("一次A"), "1");
    site.add(QStringLiteral("二次B"), "2", 1);
    site.add(QStringLiteral("無段C"), "");  // blank tier: no 2-1 or 2-2 sheet
    site.add(QStringLiteral("一次A"), "1"); // the same company twice
    site.add(QStringLiteral("一次D"), "1");
    Application app;
    Workbook& out = generate(app, site.view, {"list", "2-1"});
    QStringList names;
    for (int i = 1; i <= out.Sheets().Count(); ++i)
        names << QString::fromStdString(out.Sheets(i).Name());
    EXPECT_EQ(
        names,
        (QStringList{QStringLiteral("書類一覧"), QStringLiteral("2-1.施工体制台帳【一次A】"),
                     QStringLiteral("2-1.施工体制台帳【一次A(2)】"), QStringLiteral("2-1.施工体制台帳【一次D】")}));
    EXPECT_EQ(value(out.Sheets(4), "AR4"), QStringLiteral("一次D"));
    saveChecked(out, "ledger_several");
}

TEST(SystemLedger, FormIsOneA3LandscapePage)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(QStringLiteral("2-1.施工体制台帳"));
    EXPECT_EQ(ws.PageSetup().PaperSize(), 8);
    EXPECT_EQ(ws.PageSetup().Orientation(), 2);
    EXPECT_EQ(value(ws, "G2"), QStringLiteral("施工体制台帳"));
    EXPECT_EQ(value(ws, "AL2"), QStringLiteral("《下請負人に関する事項》"));
    EXPECT_EQ(ws.Range("B9").Borders(sheet::borderTop).Weight(), sheet::xlThin);
    EXPECT_LE(printedHeight(ws, SystemLedger::kPageRows), 842.0);
}

} // namespace
