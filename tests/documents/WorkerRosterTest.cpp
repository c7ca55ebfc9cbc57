#include "documents/WorkerRoster.h"
#include "DocumentTestSupport.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

// Appends `n` workers of `company`; every cell holds its column and the
// worker's number within the company ("c9-3"), so a value names its source.
void addWorkers(TestSite& site, const QString& company, int n)
{
    int k = 0;
    for (const QStringList& w : site.view.workers)
        k += w.value(worker::Company) == company;
    for (int i = 1; i <= n; ++i) {
        QStringList w(worker::kColumns);
        for (int c = worker::Reading; c <= worker::EmploymentDigits; ++c)
            w[c] = QStringLiteral("c%1-%2").arg(c).arg(k + i);
        w[worker::Company] = company;
        site.view.workers << w;
    }
}

Workbook& generate(Application& app, const SiteView& site, const RunOptions& options = {})
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, {"3"}, options, forms, out);
    return out;
}

TEST(WorkerRoster, PageCountFollowsTheWorkers)
{
    struct Case {
        int workers;
        std::vector<int> breaks;
    };
    const Case cases[] = {
        {0, {}},
        {12, {}},
        {13, {94, 187}},
        {25, {94, 187, 280}},
        {120, {94, 187, 280, 373, 466, 559, 652, 745, 838, 931}},
        {121, {94, 187, 280, 373, 466, 559, 652, 745, 838, 931, 1024}},
    };
    for (const Case& c : cases) {
        TestSite site;
        site.view.primeWorkers = c.workers;
        addWorkers(site, site.view.primeName(), c.workers);
        Application app;
        Worksheet& ws = generate(app, site.view).Sheets(1);
        EXPECT_EQ(breaksAbove(ws), c.breaks) << c.workers << " workers";
        const int pages = std::max<int>(1, int(c.breaks.size()));
        const int lastTop = 1 + WorkerRoster::kPageRows * (pages - 1);
        // Every page is a full copy of the form with its header written.
        EXPECT_EQ(value(ws, cell("C", lastTop + 7)), QStringLiteral("番号")) << c.workers;
        EXPECT_EQ(value(ws, cell("H", lastTop + 2)), QStringLiteral("青空ビル新築工事事業所")) << c.workers;
        EXPECT_EQ(value(ws, cell("H", lastTop + 4)), QStringLiteral("現場 次郎")) << c.workers;
        if (c.workers > 0) {
            const int top = WorkerRoster::blockTop(c.workers);
            EXPECT_EQ(value(ws, cell("C", top)), QString::number(c.workers));
            EXPECT_EQ(value(ws, cell("E", top + 2)), QStringLiteral("c2-%1").arg(c.workers));
            EXPECT_LT(top, lastTop + WorkerRoster::kPageRows) << "the last worker is on the last page";
        }
        // The long rosters are checked but left out of the (slow) openpyxl load.
        if (c.workers == 13)
            saveChecked(ws.Parent(), "roster_" + std::to_string(c.workers));
        else
            checkedElsewhere(ws.Parent(), "roster_" + std::to_string(c.workers));
    }
}

TEST(WorkerRoster, BlocksStartWhereThePageRuleSays)
{
    EXPECT_EQ(WorkerRoster::blockTop(1), 14);
    EXPECT_EQ(WorkerRoster::blockTop(12), 80);
    EXPECT_EQ(WorkerRoster::blockTop(13), 107);
    EXPECT_EQ(WorkerRoster::blockTop(25), 200);
    EXPECT_EQ(WorkerRoster::blockTop(121), 14 + 93 * 10);
}

TEST(WorkerRoster, WorkerBlockTakesTheWorkerRow)
{
    TestSite site;
    const int r = site.add(QStringLiteral("一次工業"), "1", 0, 13);
    addWorkers(site, QStringLiteral("一次工業"), 13);
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(2);
    EXPECT_EQ(QString::fromStdString(ws.Name()), QStringLiteral("作業員名簿【一次工業】"));
    EXPECT_EQ(r, 1);
    struct Expect {
        const char* column;
        int offset;
        QString value;
    };
    const Expect cases[] = {
        {"C", 0, "13"},      {"E", 0, "c1-13"},   {"E", 2, "c2-13"},   {"J", 0, "c3-13"},   {"M", 0, "c4-13"},
        {"O", 0, "c5-13"},   {"O", 3, "c6-13"},   {"R", 0, "c7-13"},   {"R", 3, "c8-13"},   {"U", 0, "c9-13"},
        {"U", 3, "c11-13"},  {"AE", 0, "c10-13"}, {"AE", 3, "c12-13"}, {"AI", 0, "c13-13"}, {"AI", 3, "c15-13"},
        {"AM", 0, "c14-13"}, {"AO", 0, "c16-13"}, {"AO", 3, "c17-13"}, {"AS", 0, "c18-13"}, {"AS", 2, "c19-13"},
        {"AS", 4, "c20-13"}, {"AW", 0, ""},       {"AW", 2, ""},       {"AW", 4, "c35-13"}, {"BA", 0, "c21-13"},
        {"BA", 2, "c22-13"}, {"BA", 4, "c23-13"}, {"BE", 0, "c24-13"}, {"BE", 2, "c25-13"}, {"BE", 4, "c26-13"},
        {"BI", 0, "c27-13"}, {"BI", 2, "c28-13"}, {"BI", 4, "c29-13"}, {"BM", 0, "c30-13"}, {"BM", 3, "c31-13"},
    };
    for (const Expect& e : cases) {
        const std::string ref = cell(e.column, 107 + e.offset);
        EXPECT_EQ(value(ws, ref), e.value) << ref;
        EXPECT_TRUE(opensABox(ws, ref)) << ref << " is not the top-left cell of a box of the form";
        EXPECT_GT(ws.Range(ref).ColumnWidth(), 0) << ref << " is in a hidden column";
    }
    EXPECT_EQ(value(ws, "C80"), "12");
    EXPECT_EQ(value(ws, "C113"), QString()); // slot 2 of page 2 stays empty
}

TEST(WorkerRoster, NoAddressLeavesAddressAndTelephoneEmpty)
{
    TestSite site;
    site.view.primeWorkers = 2;
    addWorkers(site, site.view.primeName(), 2);
    Application app;
    RunOptions options;
    options.noAddress = true;
    Worksheet& ws = generate(app, site.view, options).Sheets(1);
    for (int top : {14, 20})
        for (const char* column : {"U", "AE"}) {
            EXPECT_EQ(value(ws, cell(column, top)), QString()) << column << top;
            EXPECT_EQ(value(ws, cell(column, top + 3)), QString()) << column << top + 3;
        }
    EXPECT_EQ(value(ws, "E16"), "c2-1");
}

TEST(WorkerRoster, InterleavedWorkersAreNumberedPerCompany)
{
    TestSite site;
    site.add(QStringLiteral("甲"), "1", 0, 2);
    site.add(QStringLiteral("乙"), "1", 0, 2);
    addWorkers(site, QStringLiteral("甲"), 1);
    addWorkers(site, QStringLiteral("乙"), 1);
    addWorkers(site, QStringLiteral("甲 "), 1); // differs by one character: not listed
    addWorkers(site, QStringLiteral("甲"), 1);
    addWorkers(site, QStringLiteral("乙"), 1);
    Application app;
    Workbook& out = generate(app, site.view);
    Worksheet& first = out.Sheets(2);
    EXPECT_EQ(value(first, "C14"), "1");
    EXPECT_EQ(value(first, "E16"), "c2-1");
    EXPECT_EQ(value(first, "C20"), "2");
    EXPECT_EQ(value(first, "E22"), "c2-2");
    EXPECT_EQ(value(first, "C26"), QString());
    EXPECT_EQ(value(out.Sheets(3), "E22"), "c2-2");
    // The prime contractor has no workers: its page has no block written.
    EXPECT_EQ(value(out.Sheets(1), "C14"), QString());
    checkedElsewhere(out, "roster_interleaved");
}

TEST(WorkerRoster, WorkersBeyondTheCountStillGetTheirPages)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1", 0, 3); // the table's count fell behind
    addWorkers(site, QStringLiteral("一次工業"), 14);
    Application app;
    Worksheet& ws = generate(app, site.view).Sheets(2);
    EXPECT_EQ(breaksAbove(ws), (std::vector<int>{94, 187}));
    EXPECT_EQ(value(ws, "C113"), "14");
    EXPECT_EQ(value(ws, "C101"), QStringLiteral("番号"));
}

TEST(WorkerRoster, HeaderNamesTheCompanyAndItsFirstTier)
{
    TestSite site;
    site.record.setText("Edit84", "11112222333344");
    site.add(QStringLiteral("一次工業"), "1");
    site.add(QStringLiteral("二次建設"), "2", 1);
    site.add(QStringLiteral("三次設備"), "3", 2);
    site.add(QStringLiteral("段なし"), "");
    site.row(1)[company::BusinessId] = "12345678901234";
    site.row(3)[company::BusinessId] = " ";
    Application app;
    Workbook& out = generate(app, site.view);
    struct Expect {
        int sheet;
        QString firstTier, label, own;
    };
    const QString kLabel = QStringLiteral("（ 　 次)会社名\n・事業者ID");
    const Expect cases[] = {
        {1, "", QStringLiteral("（元請)会社名\n・事業者ID"), QStringLiteral("元請建設株式会社　11112222333344")},
        {2, QStringLiteral("一次工業　12345678901234"), kLabel, ""},
        {3, QStringLiteral("一次工業　12345678901234"), QStringLiteral("（ 2 次)会社名\n・事業者ID"),
         QStringLiteral("二次建設")},
        {4, QStringLiteral("一次工業　12345678901234"), QStringLiteral("（ 3 次)会社名\n・事業者ID"),
         QStringLiteral("三次設備")},
        {5, "", kLabel, QStringLiteral("段なし")},
    };
    for (const Expect& e : cases) {
        Worksheet& ws = out.Sheets(e.sheet);
        EXPECT_EQ(value(ws, "AZ5"), e.firstTier) << e.sheet;
        EXPECT_EQ(value(ws, "BI5"), e.label) << e.sheet;
        EXPECT_EQ(value(ws, "BM5"), e.own) << e.sheet;
        EXPECT_EQ(value(ws, "H3"), QStringLiteral("青空ビル新築工事事業所")) << e.sheet;
        EXPECT_EQ(value(ws, "H5"), QStringLiteral("現場 次郎")) << e.sheet;
        for (const char* ref : {"H3", "H5", "AZ5", "BM5"})
            EXPECT_TRUE(opensABox(ws, ref)) << ref;
    }
    checkedElsewhere(out, "roster_header");
}

TEST(WorkerRoster, FormIsOneA3LandscapePage)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(QStringLiteral("3.作業員名簿"));
    EXPECT_EQ(ws.PageSetup().PaperSize(), 8);
    EXPECT_EQ(ws.PageSetup().Orientation(), 2);
    EXPECT_EQ(value(ws, "AT1"), QStringLiteral(" 作　　業　　員　　名　　簿"));
    EXPECT_EQ(value(ws, "AH93"),
              QStringLiteral("（注）11. 記載事項の一部について、別紙を用いて記載しても差し支えない。"));
    EXPECT_EQ(value(ws, "A94"), QString());
    EXPECT_LE(printedHeight(ws, WorkerRoster::kPageRows), 842.0);
    // The twelfth block is drawn like the first.
    EXPECT_TRUE(opensABox(ws, "BM83"));
    EXPECT_EQ(ws.Range("C85").Borders(sheet::borderBottom).Weight(), sheet::xlThin);
}

} // namespace
