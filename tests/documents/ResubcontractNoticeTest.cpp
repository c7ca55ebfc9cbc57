#include "documents/ResubcontractNotice.h"
#include "DocumentTestSupport.h"
#include "common/Error.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

// Fills every column the notice prints with the row's tag and the column
// ("u7"), so each value can be traced to its company and cell.
void fill(TestSite& site, int row, const QString& tag)
{
    QStringList& cells = site.row(row);
    for (int c = company::Trade1; c <= company::Phone; ++c)
        cells[c] = tag + QString::number(c);
    cells[company::PostcodeA] = "760";
    cells[company::PostcodeB] = "0050";
    cells[company::Address] = tag + QStringLiteral("県高松市番町一丁目二番三号ビル四階五号室");
    cells[company::PeriodFrom] = tag + QStringLiteral("自");
    cells[company::PeriodTo] = tag + QStringLiteral("至");
    cells[company::ContractDate] = tag + QStringLiteral("契約");
}

Workbook& generate(Application& app, const SiteView& site)
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, {"2-2"}, {}, forms, out);
    return out;
}

struct Expect {
    const char* cell;
    QString value;
};

void expectCells(Worksheet& ws, std::initializer_list<Expect> cases)
{
    for (const Expect& e : cases) {
        EXPECT_EQ(value(ws, e.cell), e.value) << e.cell;
        EXPECT_TRUE(opensABox(ws, e.cell)) << e.cell << " is not the top-left cell of a box of the form";
    }
}

TEST(ResubcontractNotice, ThirdTierReportsThroughItsUpperCompany)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.add(QStringLiteral("二次建設"), "2", 1);
    site.add(QStringLiteral("三次設備"), "3", 2);
    site.row(2)[company::UpperName] = QStringLiteral("一次工業");
    site.row(3)[company::UpperName] = QStringLiteral("二次建設");
    fill(site, 2, "u");
    fill(site, 3, "r");
    Application app;
    Workbook& out = generate(app, site.view);
    ASSERT_EQ(out.Sheets().Count(), 2);
    Worksheet& ws = out.Sheets(2);
    EXPECT_EQ(QString::fromStdString(ws.Name()), QStringLiteral("2-2.下請届出、再下請通知【三次設備】"));
    expectCells(ws,
                {
                    // Left half: the upper company (row 2), its own upper company in G6.
                    {"AC2", QStringLiteral("令和 8年12月 9日")},
                    {"G6", QStringLiteral("一次工業")},
                    {"G9", QStringLiteral("現場 次郎")},
                    {"H12", QStringLiteral("元請建設株式会社")},
                    {"Z7", "760-0050"},
                    {"Y8", QStringLiteral("u県高松市番町一丁目二番三号ビル四階")},
                    {"Y10", QStringLiteral("五号室")},
                    {"Y12", "u39"},
                    {"Y14", QStringLiteral("二次建設")},
                    {"Y16", QStringLiteral("二次建設 代表")},
                    {"H19", QStringLiteral("青空ビル新築工事")},
                    {"H22", QStringLiteral("u自～u至")},
                    {"X22", QStringLiteral("u契約")},
                    {"H27", QStringLiteral("u7　工事業")},
                    {"Q27", QStringLiteral("u8　 u9")},
                    {"Z27", "u10"},
                    {"H29", QStringLiteral("u11　工事業")},
                    {"Q29", QStringLiteral("u12　 u13")},
                    {"Z29", "u14"},
                    {"M34", "u32"},
                    {"T34", "u34"},
                    {"AB34", "u36"},
                    {"M38", "u30"},
                    {"T38", "u31"},
                    {"Y38", "u33"},
                    {"AD38", "u35"},
                    {"H41", "u15"},
                    {"H43", "u16"},
                    {"H45", "u17"},
                    {"H47", "u18"},
                    {"H49", "u19"},
                    {"H51", "u20"},
                    {"Y41", "u27"},
                    {"Y43", "u28"},
                    {"Y45", "u29"},
                    {"Y47", "u21"},
                    {"Y49", "u22"},
                    {"Y51", "u23"},
                    {"H54", "u37"},
                    {"Y54", "u38"},
                    // Right half: the company itself (row 3), at the ledger's cells.
                    {"AR4", QStringLiteral("三次設備")},
                    {"BH4", QStringLiteral("三次設備 代表")},
                    {"AR7", QStringLiteral("〒760-0050")},
                    {"AR8", QStringLiteral("r県高松市番町一丁目二番三号ビル四階五号室")},
                    {"BK9", "TELr39"},
                    {"AR10", QStringLiteral("青空ビル新築工事")},
                    {"AR13", QStringLiteral("r自～r至")},
                    {"BH13", QStringLiteral("r契約")},
                    {"AR18", QStringLiteral("r7　工事業")},
                    {"BA18", QStringLiteral("r8　 r9")},
                    {"BJ18", "r10"},
                    {"AW25", "r32"},
                    {"BN29", "r35"},
                    {"AR32", "r17"},
                    {"AR38", "r20"},
                    {"BI32", "r27"},
                    {"BI42", "r23"},
                    {"AR46", "r37"},
                    {"BI46", "r38"},
                });
    saveChecked(out, "notice_third_tier");
}

TEST(ResubcontractNotice, BlankUpperNumberMeansThePrimeContractor)
{
    for (const QString& upper : {QString(), QStringLiteral(" "), QStringLiteral("　"), QStringLiteral("0 : 元請")}) {
        TestSite site;
        site.record.setText("Edit27", QStringLiteral("建築"));
        site.record.setText("Edit21", "12345-67-8901");
        site.record.setText("Edit26", QStringLiteral("香川県高松市"));
        site.record.setText("Edit5", QString());
        site.record.setText("Edit6", QString());
        site.record.setText("Edit7", QStringLiteral("令和 7年11月 1日"));
        const int r = site.add(QStringLiteral("二次建設"), "2");
        site.row(r)[company::UpperNo] = upper;
        Application app;
        Worksheet& ws = generate(app, site.view).Sheets(1);
        expectCells(ws,
                    {
                        {"G6", QStringLiteral("元請建設株式会社")},
                        {"Y14", QStringLiteral("元請建設株式会社")},
                        {"Y16", QStringLiteral("元請 一郎")},
                        {"Z7", "760-0050"},
                        {"Y8", QStringLiteral("香川県高松市")},
                        {"Y10", ""},
                        {"Y12", "000-000-0000"},
                        {"H22", QStringLiteral("～")},
                        {"X22", QStringLiteral("令和 7年11月 1日")},
                        {"H27", QStringLiteral("建築　工事業")},
                        {"Q27", QStringLiteral("知事 一般　 00第　0000 号")},
                        {"M34", QStringLiteral("加入")},
                        {"T38", "12345-67-8901"},
                        {"H45", QStringLiteral("現場 次郎")},
                        {"H54", QStringLiteral("無し")},
                        {"AR4", QStringLiteral("二次建設")},
                        // The company's own empty period is "～" too, not the ledger's blank text.
                        {"AR13", QStringLiteral("～")},
                    });
    }
}

TEST(ResubcontractNotice, AddressIsCutAfterEighteenCharacters)
{
    EXPECT_EQ(ResubcontractNotice::addressLines(QString()), (QStringList{"", ""}));
    const QString eighteen = QStringLiteral("香川県高松市番町一丁目二番三号四五六");
    ASSERT_EQ(eighteen.size(), 18);
    EXPECT_EQ(ResubcontractNotice::addressLines(eighteen), (QStringList{eighteen, ""}));
    EXPECT_EQ(ResubcontractNotice::addressLines(eighteen + QStringLiteral("七")),
              (QStringList{eighteen, QStringLiteral("七")}));
    // A character outside the basic plane is one character and stays whole.
    const QString wide = QString(17, QChar(0x4E00)) + QStringLiteral("𠮷") + QStringLiteral("町");
    EXPECT_EQ(ResubcontractNotice::addressLines(wide),
              (QStringList{QString(17, QChar(0x4E00)) + QStringLiteral("𠮷"), QStringLiteral("町")}));
}

TEST(ResubcontractNotice, PeriodAndPostcodeEdgeCases)
{
    for (const auto& [from, to] : {std::pair<QString, QString>{"", ""}, {" ", " "}, {" ", ""}, {"", " "}})
        EXPECT_EQ(ResubcontractNotice::period(from, to), QStringLiteral("～"));
    EXPECT_EQ(ResubcontractNotice::period("a", ""), QStringLiteral("a～"));
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.add(QStringLiteral("二次建設"), "2", 1);
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(1);
    EXPECT_EQ(value(ws, "Z7"), QString()); // no postcode: not a lone "-"
    EXPECT_EQ(value(ws, "Y14"), QStringLiteral("一次工業"));
}

TEST(ResubcontractNotice, UpperNumberWithoutACompanyIsReported)
{
    TestSite site;
    site.add(QStringLiteral("二次建設"), "2", 7);
    Application app;
    try {
        generate(app, site.view);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("二次建設"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("7"))) << e.message().toStdString();
    }
}

TEST(ResubcontractNotice, InterleavesWithTheLedgerInTableOrder)
{
    TestSite site;
    site.add(QStringLiteral("一次A"), "1");
    site.add(QStringLiteral("二次B"), "2", 1);
    site.add(QStringLiteral("一次C"), "1");
    site.add(QStringLiteral("四次D"), "4", 2);
    Application app;
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site.view, {"2-1", "2-2"}, {}, forms, out);
    QStringList names;
    for (int i = 1; i <= out.Sheets().Count(); ++i)
        names << QString::fromStdString(out.Sheets(i).Name());
    EXPECT_EQ(names,
              (QStringList{
                  QStringLiteral("2-1.施工体制台帳【一次A】"), QStringLiteral("2-2.下請届出、再下請通知【二次B】"),
                  QStringLiteral("2-1.施工体制台帳【一次C】"), QStringLiteral("2-2.下請届出、再下請通知【四次D】")}));
    EXPECT_EQ(value(out.Sheets(4), "Y14"), QStringLiteral("二次B"));
}

TEST(ResubcontractNotice, FormIsOneA3LandscapePage)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(QStringLiteral("2-2.下請届出、再下請通知"));
    EXPECT_EQ(ws.PageSetup().PaperSize(), 8);
    EXPECT_EQ(ws.PageSetup().Orientation(), 2);
    EXPECT_EQ(value(ws, "G2"), QStringLiteral("再下請負通知書"));
    EXPECT_EQ(value(ws, "AL2"), QStringLiteral("《下請負人に関する事項》"));
    EXPECT_EQ(value(ws, "AM56"), QStringLiteral("※再下請通知書の添付書類（建設業法施行規則第１４条の４第３項）"));
    EXPECT_EQ(value(ws, "AM53"), QString()); // the ledger's own note is not on this form
    EXPECT_LE(printedHeight(ws, ResubcontractNotice::kPageRows), 842.0);
}

} // namespace
