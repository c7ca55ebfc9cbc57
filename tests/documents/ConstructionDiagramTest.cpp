#include "documents/ConstructionDiagram.h"
#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;
using namespace mirevo::sheet;

namespace {

// A site whose tier outline has the given rows (tier cells from column 1);
// every named company is in the contractor table unless it starts with "?".
struct Diagram {
    explicit Diagram(const QList<QStringList>& outline)
    {
        int no = 0;
        for (const QStringList& cells : outline) {
            QStringList row(10);
            row[0] = QString::number(++no);
            for (int t = 0; t < cells.size(); ++t) {
                row[t + 1] = cells[t];
                if (!cells[t].isEmpty() && !cells[t].startsWith(u'?')) {
                    const int r = site.add(cells[t], QString::number(t + 1));
                    site.row(r)[company::Trade1] = QStringLiteral("鳶");
                }
            }
            site.view.tierOutline << row;
        }
        Workbook& forms = buildTemplate(app);
        Workbook& book = app.Workbooks().Add();
        convert(site.view, {"2-3"}, {}, forms, book);
        out = &book;
    }
    Worksheet& ws() { return out->Sheets(1); }
    bool heavy(const char* cell, int edge) { return ws().Range(cell).Borders(edge).Weight() == xlMedium; }
    std::vector<int> breaks()
    {
        std::vector<int> rows;
        for (int below : ws().data().rowBreaks)
            rows.push_back(below + 1);
        return rows;
    }

    TestSite site;
    Application app;
    Workbook* out = nullptr;
};

const QString A = QStringLiteral("A工業"), B = QStringLiteral("B建設"), C = QStringLiteral("C設備"),
              D = QStringLiteral("D電気"), E = QStringLiteral("E塗装");

TEST(ConstructionDiagram, OneFirstTierCompany)
{
    Diagram d({{A}});
    EXPECT_EQ(d.ws().Name(), "2-3.施工体系図");
    EXPECT_EQ(value(d.ws(), "Z5"), A);
    EXPECT_EQ(value(d.ws(), "U5"), QStringLiteral("鳶工事"));
    EXPECT_TRUE(d.heavy("S10", borderBottom));
    EXPECT_TRUE(d.heavy("T10", borderBottom));
    EXPECT_FALSE(d.heavy("S44", borderLeft)); // no trunk extension
    EXPECT_TRUE(d.breaks().empty());          // no continuation block
    EXPECT_EQ(value(d.ws(), "U76"), QString());
    saveChecked(*d.out, "diagram_one");
}

TEST(ConstructionDiagram, TwoFirstTierCompaniesShareTheTrunk)
{
    Diagram d({{A}, {B}});
    EXPECT_EQ(value(d.ws(), "Z27"), B);
    EXPECT_TRUE(d.heavy("S32", borderBottom));
    for (const char* cell : {"S32", "S38", "S43"})
        EXPECT_TRUE(d.heavy(cell, borderLeft)) << cell;
}

TEST(ConstructionDiagram, FirstTierCompanyWithTwoChildren)
{
    Diagram d({{A, B}, {"", C}});
    EXPECT_EQ(value(d.ws(), "AM5"), B);
    EXPECT_EQ(value(d.ws(), "AM27"), C);
    EXPECT_EQ(value(d.ws(), "Z27"), QString());
    EXPECT_TRUE(d.heavy("AF10", borderBottom));
    EXPECT_TRUE(d.heavy("AG10", borderBottom));
    EXPECT_TRUE(d.heavy("AG32", borderBottom));
    EXPECT_FALSE(d.heavy("AF32", borderBottom));
    for (const char* cell : {"AG11", "AG20", "AG32"})
        EXPECT_TRUE(d.heavy(cell, borderLeft)) << cell;
    EXPECT_FALSE(d.heavy("AG10", borderLeft));
    EXPECT_FALSE(d.heavy("AG33", borderLeft));
}

TEST(ConstructionDiagram, FourRowsGiveTwoBlocks)
{
    Diagram d({{A}, {B}, {C}, {D}});
    EXPECT_EQ(d.breaks(), std::vector<int>{72});
    EXPECT_EQ(value(d.ws(), "Z49"), C);
    EXPECT_EQ(value(d.ws(), "Z76"), D);
    // The continuation block is the whole form of boxes, three rows of four.
    for (const char* cell : {"V120", "AI76", "AV98", "BI120"})
        EXPECT_EQ(value(d.ws(), cell).left(1), QStringLiteral("会")) << cell;
    for (const char* cell : {"S43", "S60", "S81"})
        EXPECT_TRUE(d.heavy(cell, borderLeft)) << cell;
    EXPECT_FALSE(d.heavy("S82", borderLeft));
    saveChecked(*d.out, "diagram_two_blocks");
}

TEST(ConstructionDiagram, AGrandchildHangsFromItsParentsRow)
{
    // A, B / -, C, D / -, -, E: E is D's sibling, a child of C (row 2), so
    // its vertical starts below C's connector, not below B's row.
    Diagram d({{A, B}, {"", C, D}, {"", "", E}});
    EXPECT_EQ(value(d.ws(), "AZ49"), E);
    EXPECT_TRUE(d.heavy("AT54", borderBottom));
    EXPECT_TRUE(d.heavy("AT33", borderLeft));
    EXPECT_TRUE(d.heavy("AT54", borderLeft));
    EXPECT_FALSE(d.heavy("AT20", borderLeft));
}

Worksheet& diagramOf(Application& app, const SiteView& site)
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, {"2-3"}, {}, forms, out);
    return out.Sheets(1);
}

// Companies the outline does not take are placed by their upper company:
// C is of tier "2" under the prime contractor, D has a blank tier under A,
// E a tier written "３" under D, F and G name each other as upper company.
TEST(ConstructionDiagram, EveryCompanyOfTheTableGetsABox)
{
    TestSite site;
    const int a = site.add(A, "1");
    site.add(B, "2", a);
    site.add(C, "2", 0);
    const int d = site.add(D, "", a);
    site.add(E, QStringLiteral("３"), d);
    const int f = site.add(QStringLiteral("F鉄工"), "2");
    const int g = site.add(QStringLiteral("G土木"), "3", f);
    site.row(f)[company::UpperNo] = QString::number(g);
    site.view.tierOutline << QStringList{"1", A, B} << QStringList{"", "", ""};
    Application app;
    Worksheet& ws = diagramOf(app, site.view);
    // Rows: A B / - D E / C / G F.
    const std::pair<const char*, QString> boxes[] = {{"Z5", A},
                                                     {"AM5", B},
                                                     {"AM27", D},
                                                     {"AZ27", E},
                                                     {"Z49", C},
                                                     {"Z76", QStringLiteral("G土木")},
                                                     {"AM76", QStringLiteral("F鉄工")}};
    for (const auto& [cell, name] : boxes)
        EXPECT_EQ(value(ws, cell), name) << cell;
    EXPECT_EQ(value(ws, "Z27"), QString());
    auto heavy = [&](const char* cell, int edge) { return ws.Range(cell).Borders(edge).Weight() == xlMedium; };
    EXPECT_TRUE(heavy("AG32", borderBottom)); // D hangs from A's row
    EXPECT_TRUE(heavy("AG20", borderLeft));
    EXPECT_TRUE(heavy("AS32", borderBottom)); // E beside D
    EXPECT_TRUE(heavy("S54", borderBottom));  // C on the trunk
    EXPECT_TRUE(heavy("S50", borderLeft));
}

TEST(ConstructionDiagram, ContinuationPagesCarryTitleWorksAndPeriod)
{
    Diagram d({{A}, {B}, {C}, {D}, {E}, {QStringLiteral("F鉄工")}, {QStringLiteral("G土木")}});
    EXPECT_EQ(d.breaks(), (std::vector<int>{72, 143}));
    const QString period = d.site.record.text("Edit5") + QStringLiteral(" ～ ") + d.site.record.text("Edit6");
    for (int offset : {0, 71}) {
        const std::pair<std::string, QString> head[] = {
            {cell("B", 73 + offset), QStringLiteral("施工体系図")},
            {cell("B", 76 + offset), QStringLiteral("工事名称")},
            {cell("G", 76 + offset), QStringLiteral("青空ビル新築工事")},
            {cell("B", 78 + offset), QStringLiteral("工　　期")},
            {cell("G", 78 + offset), period},
        };
        for (const auto& [at, text] : head) {
            EXPECT_EQ(value(d.ws(), at), text) << at;
            EXPECT_TRUE(opensABox(d.ws(), at)) << at;
        }
    }
    // Left of the trunk, which still runs down past the head.
    EXPECT_FALSE(d.ws().Range("S76").MergeCells());
    EXPECT_TRUE(d.heavy("S76", borderLeft));
    EXPECT_EQ(value(d.ws(), "B215"), QString()); // three blocks only
    Diagram one({{A}, {B}, {C}});
    EXPECT_EQ(value(one.ws(), "B73"), QString());
    saveChecked(*d.out, "diagram_three_blocks");
}

TEST(ConstructionDiagram, MissingCompanyGivesAnEmptyBox)
{
    Diagram d({{QStringLiteral("?不明")}});
    EXPECT_EQ(value(d.ws(), "U5"), QStringLiteral("工事"));
    EXPECT_EQ(value(d.ws(), "Z5"), QString());
    EXPECT_EQ(value(d.ws(), "W23"), QString());
}

TEST(ConstructionDiagram, TiersDeeperThanFourGetColumnsToTheRight)
{
    const QString names[] = {QStringLiteral("五次"), QStringLiteral("六次"), QStringLiteral("九次")};
    Diagram d({{A, B, C, D, names[0], names[1], "", "", ""},
               {"", "", "", "", "", "", QStringLiteral("七次"), QStringLiteral("八次"), names[2]}});
    EXPECT_EQ(value(d.ws(), "BZ5"), names[0]);  // tier 5 strip BU
    EXPECT_EQ(value(d.ws(), "CM5"), names[1]);  // tier 6 strip CH
    EXPECT_EQ(value(d.ws(), "DZ27"), names[2]); // tier 9 strip DU
    EXPECT_TRUE(d.heavy("BS10", borderBottom));
    EXPECT_TRUE(d.heavy("CT32", borderLeft)); // tier 7 (strip CU) hangs from tier 6 on row 1
    EXPECT_TRUE(d.heavy("CT11", borderLeft));
    EXPECT_LT(d.ws().PageSetup().Zoom(), 60);
    saveChecked(*d.out, "diagram_nine_tiers");
}

TEST(ConstructionDiagram, BoxAndLeftBlockValues)
{
    TestSite site;
    const int r = site.add(A, "1");
    QStringList& row = site.row(r);
    row[company::BusinessId] = QStringLiteral("01234567890123");
    row[company::LicenceNo1] = QStringLiteral("05第 1237 号");
    row[company::LicenceKind1] = QStringLiteral("知事 一般");
    row[27] = QStringLiteral("安全 太郎");
    row[19] = QStringLiteral("主任 次郎");
    row[company::SpecialtyWork] = QStringLiteral("1");
    row[21] = QStringLiteral("専門 三郎");
    row[23] = QStringLiteral("配管");
    row[company::PeriodFrom] = QStringLiteral("令和8年2月1日");
    row[company::PeriodTo] = QStringLiteral("令和9年2月28日");
    site.view.tierOutline << QStringList{"1", A};
    site.record.setText("Edit1", QStringLiteral("発注 花子"));
    site.record.setText("Edit84", QStringLiteral("00012345678901"));
    site.record.setText("Edit5", QStringLiteral("令和8年1月5日"));
    site.record.setText("Edit6", QStringLiteral("令和9年3月31日"));
    Application app;
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site.view, {"2-3"}, {}, forms, out);
    Worksheet& ws = out.Sheets(1);
    const std::pair<const char*, QString> cells[] = {
        {"Z5", A},
        {"Z6", row[company::BusinessId]},
        {"Z7", A + QStringLiteral(" 代表")},
        {"Z9", row[company::LicenceNo1]},
        {"Z11", row[company::LicenceKind1]},
        {"Z13", row[27]},
        {"Z15", row[19]},
        {"Z17", QStringLiteral("有")},
        {"Z19", row[21]},
        {"Z21", row[23]},
        {"W23", QStringLiteral("令和8年2月1日～令和9年2月28日")},
        {"G2", QStringLiteral("発注 花子")},
        {"G6", QStringLiteral("青空ビル新築工事")},
        {"G10", QStringLiteral("元請建設株式会社")},
        {"G11", QStringLiteral("00012345678901")},
        {"G30", QStringLiteral("現場 次郎")},
        {"BF2", QStringLiteral("令和8年1月5日 ～ 令和9年3月31日")},
    };
    for (const auto& [cell, text] : cells) {
        EXPECT_EQ(value(ws, cell), text) << cell;
        EXPECT_TRUE(opensABox(ws, cell)) << cell;
    }
    EXPECT_EQ(ws.Range("Z6").PrefixCharacter(), "'");
    EXPECT_EQ(value(ws, "U5"), QStringLiteral("工事")); // no permit trade
}

} // namespace
