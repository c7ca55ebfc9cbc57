#include "DocumentTestSupport.h"
#include "documents/DocumentList.h"
#include "documents/Generator.h"
#include "documents/SafetyPledge.h"
#include "documents/TemplateBook.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

Worksheet& generated(Application& app, const SiteView& site, const QStringList& keys, int sheet = 1)
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, keys, {}, forms, out);
    return out.Sheets(sheet);
}

int breaksOf(Worksheet& ws)
{
    return ws.HPageBreaks().Count();
}

TEST(DocumentList, WritesTheHeaderOnTheTemplateCopy)
{
    TestSite site;
    Application app;
    Worksheet& ws = generated(app, site.view, {"list"});
    EXPECT_EQ(value(ws, "U3"), QStringLiteral("令和 8年12月 9日"));
    EXPECT_EQ(value(ws, "E4"), QStringLiteral("元請建設株式会社"));
    EXPECT_EQ(value(ws, "E6"), QStringLiteral("元請 一郎"));
    EXPECT_EQ(value(ws, "P8"), QStringLiteral("作業所長　現場 次郎"));
    // The project sentence is written on every copy, not left as the template holds it.
    EXPECT_EQ(value(ws, "C10"), QStringLiteral("当社が発注する、「 青空ビル新築工事 」にあたり、下記の書類に"));
    EXPECT_EQ(value(ws, "C30"), QStringLiteral("持込み機械等使用届（移動式クレーン、車輌系建設機械）"));
    EXPECT_EQ(value(ws, "B36"), "13");
    EXPECT_EQ(value(ws, "Q34"), QStringLiteral("・使用の都度届け出る。"));
    saveChecked(ws.Parent(), "document_list");
}

TEST(DocumentList, AnEmptyCreationDateWritesAnEmptyCell)
{
    TestSite site;
    site.record.setText("Edit41", QString());
    Application app;
    EXPECT_EQ(value(generated(app, site.view, {"list"}), "U3"), QString());
}

TEST(DocumentList, FormIsA4PortraitOnOnePage)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(QStringLiteral("書類一覧"));
    EXPECT_EQ(ws.PageSetup().PaperSize(), 9);
    EXPECT_EQ(ws.PageSetup().Orientation(), 1);
    EXPECT_EQ(ws.Range("I2").Font().Size(), 16);
    EXPECT_TRUE(ws.Range("I2").Font().Bold());
    EXPECT_EQ(ws.Range("B4:M4").Borders(sheet::borderBottom).Weight(), sheet::xlThin);
}

TEST(SafetyPledge, ThreeSubcontractorsGetThreePages)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.add(QStringLiteral("二次建設"), "2", 1);
    site.add(QStringLiteral("三番電気"), "1");
    Application app;
    Worksheet& ws = generated(app, site.view, {"1"});
    EXPECT_EQ(QString::fromStdString(ws.Name()), QStringLiteral("1.誓約書"));
    EXPECT_EQ(value(ws, "R7"), QStringLiteral("一次工業"));
    EXPECT_EQ(value(ws, "R57"), QStringLiteral("二次建設"));
    EXPECT_EQ(value(ws, "R107"), QStringLiteral("三番電気"));
    EXPECT_EQ(value(ws, "R106"), QStringLiteral("三番電気 住所"));
    EXPECT_EQ(value(ws, "R108"), QStringLiteral("三番電気 代表"));
    for (int top : {1, 51, 101}) { // the header on every page
        EXPECT_EQ(value(ws, "U" + std::to_string(top + 2)), QStringLiteral("令和 8年12月 9日")) << top;
        EXPECT_EQ(value(ws, "E" + std::to_string(top + 3)), QStringLiteral("青空ビル新築工事")) << top;
        EXPECT_EQ(value(ws, "E" + std::to_string(top + 4)), QStringLiteral("元請 一郎")) << top;
        EXPECT_EQ(value(ws, "I" + std::to_string(top + 1)), QStringLiteral("安全衛生に関する誓約書")) << top;
    }
    EXPECT_EQ(breaksOf(ws), 3); // before rows 51 and 101, and after the last page
    saveChecked(ws.Parent(), "pledge_three");
}

TEST(SafetyPledge, EveryCompanyGetsAPageWhateverItsTier)
{
    TestSite site;
    site.add(QStringLiteral("二次A"), "2", 0);
    site.add(QStringLiteral("三次B"), "3", 1);
    Application app;
    Worksheet& ws = generated(app, site.view, {"1"});
    EXPECT_EQ(value(ws, "R7"), QStringLiteral("二次A"));
    EXPECT_EQ(value(ws, "R57"), QStringLiteral("三次B"));
    EXPECT_EQ(value(ws, "I52"), QStringLiteral("安全衛生に関する誓約書")); // a real page, not blank rows
}

TEST(SafetyPledge, NoCompanyKeepsOneBlankPage)
{
    TestSite site;
    Application app;
    Worksheet& ws = generated(app, site.view, {"1"});
    EXPECT_EQ(value(ws, "R7"), QString());
    EXPECT_EQ(value(ws, "E4"), QStringLiteral("青空ビル新築工事"));
    EXPECT_EQ(breaksOf(ws), 0);
    EXPECT_EQ(value(ws, "I52"), QString());
}

TEST(SafetyPledge, FormIsOneA4PageOfFiftyRows)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(QStringLiteral("1.誓約書"));
    EXPECT_EQ(ws.PageSetup().PaperSize(), 9);
    EXPECT_EQ(ws.PageSetup().Orientation(), 1);
    EXPECT_LE(printedHeight(ws, SafetyPledge::kPageRows), 842.0); // one sheet of A4
    EXPECT_TRUE(ws.Range("R7").MergeCells());
}

} // namespace
