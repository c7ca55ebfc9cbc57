// The brought-in machinery documents: 7 (notification and its checklist) and
// 8 (power tools notification and its checklist).
#include "DocumentTestSupport.h"
#include "documents/FormKit.h"
#include "documents/Generator.h"
#include "documents/MachineryChecklist.h"
#include "documents/MachineryNotice.h"
#include "documents/PowerToolNotice.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

const QString kNotice7 = QStringLiteral("7.持込機械（ｸﾚｰﾝ・重機）");
const QString kCheck7 = QStringLiteral("7.持込機械点検表（ｸﾚｰﾝ・重機）");
const QString kNotice8 = QStringLiteral("8.持込機械（電動工具）");
const QString kCheck8 = QStringLiteral("8.持込機械点検表（電動工具）");

QStringList namesOf(Workbook& book)
{
    QStringList names;
    for (int i = 1; i <= book.Sheets().Count(); ++i)
        names << QString::fromStdString(book.Sheets(i).Name());
    return names;
}

Workbook& generate(Application& app, const SiteView& site, const QStringList& keys)
{
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    convert(site, keys, {}, forms, out);
    return out;
}

QString named(const QString& prefix, const QString& company)
{
    return prefix + QStringLiteral("【") + company + QStringLiteral("】");
}

TEST(BroughtInMachinery, EachCompanyGetsItsNotificationThenItsChecklist)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    site.add(QStringLiteral("二次建設"), "2", 1);
    site.add(QStringLiteral("三次設備"), "3", 2);
    const QStringList companies{QStringLiteral("一次工業"), QStringLiteral("二次建設"), QStringLiteral("三次設備")};
    struct Case {
        const char* key;
        QString notice;
        QString checklist;
    };
    for (const Case& c : {Case{"7", kNotice7, kCheck7}, Case{"8", kNotice8, kCheck8}}) {
        Application app;
        Workbook& out = generate(app, site.view, {c.key});
        QStringList expected;
        for (const QString& company : companies)
            expected << named(c.notice, company) << named(c.checklist, company);
        EXPECT_EQ(namesOf(out), expected) << c.key;
    }
    // Both documents: all of 7 before all of 8, the prime contractor gets none.
    Application app;
    Workbook& out = generate(app, site.view, {"7", "8"});
    ASSERT_EQ(out.Sheets().Count(), 12);
    EXPECT_EQ(namesOf(out)[5], named(kCheck7, companies[2]));
    EXPECT_EQ(namesOf(out)[6], named(kNotice8, companies[0]));
    saveChecked(out, "machinery_three_companies");
}

TEST(BroughtInMachinery, ARowWithoutCompanyNameGetsNoSheet)
{
    for (const QString& blank : {QString(), QStringLiteral(" ")}) {
        TestSite site;
        site.add(blank, "1");
        site.add(QStringLiteral("二次建設"), "2", 1);
        Application app;
        Workbook& out = generate(app, site.view, {"7", "8"});
        EXPECT_EQ(
            namesOf(out),
            (QStringList{named(kNotice7, QStringLiteral("二次建設")), named(kCheck7, QStringLiteral("二次建設")),
                         named(kNotice8, QStringLiteral("二次建設")), named(kCheck8, QStringLiteral("二次建設"))}));
    }
}

struct Expect {
    const char* cell;
    QString value;
};

void expectCells(Worksheet& ws, std::initializer_list<Expect> cases)
{
    for (const Expect& e : cases) {
        EXPECT_EQ(value(ws, e.cell), e.value) << ws.Name() << " " << e.cell;
        EXPECT_TRUE(opensABox(ws, e.cell)) << ws.Name() << " " << e.cell << " is not the top-left cell of a box";
    }
}

TEST(BroughtInMachinery, NotificationsCarryTheSiteAndTheCompany)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1");
    const int r = site.add(QStringLiteral("二次建設"), "2", 1);
    site.row(r)[company::Phone] = "087-000-1111";
    site.row(r)[company::FirstTierName] = QStringLiteral("一次工業");
    Application app;
    Workbook& out = generate(app, site.view, {"7", "8"});
    for (const QString& prefix : {kNotice7, kNotice8}) {
        Worksheet& ws = out.Sheets(named(prefix, QStringLiteral("二次建設")));
        expectCells(ws,
                    {
                        {"G7", QStringLiteral("青空ビル新築工事")},
                        {"G9", QStringLiteral("現場 次郎")},
                        {"U9", QStringLiteral("持込会社名\n(　　　2　次　）")},
                        {"Y7", QStringLiteral("一次工業")},
                        {"Y9", QStringLiteral("二次建設")},
                        {"Y11", QStringLiteral("二次建設 代表")},
                        {"Y13", "087-000-1111"},
                        // The date line stays blank for hand entry, whatever the era.
                        {"Z2", QStringLiteral("令和     年     月     日")},
                    });
    }
    Worksheet& check = out.Sheets(named(kCheck7, QStringLiteral("二次建設")));
    expectCells(check, {{"B5", QStringLiteral("二次建設")}, {"P5", QStringLiteral("二次建設 代表")}});
    EXPECT_EQ(check.Range("P5").HorizontalAlignment(), sheet::hAlignCenter);
    // The power tools checklist is copied as it is.
    Worksheet& blank = out.Sheets(named(kCheck8, QStringLiteral("二次建設")));
    EXPECT_EQ(value(blank, "P1"), QStringLiteral("令和      年     月     日"));
    for (const char* cell : {"F6", "B25", "O30", "B5", "P5", "G7", "Y9"})
        EXPECT_EQ(value(blank, cell), value(out.Sheets(named(kCheck8, QStringLiteral("一次工業"))), cell)) << cell;
    saveChecked(out, "machinery_cells");
}

TEST(BroughtInMachinery, TierTextIsWrittenAsEntered)
{
    for (const QString& tier : {QStringLiteral("2"), QStringLiteral("４"), QString()}) {
        TestSite site;
        site.add(QStringLiteral("協力工業"), tier);
        Application app;
        Worksheet& ws = generate(app, site.view, {"7"}).Sheets(1);
        EXPECT_EQ(value(ws, "U9"), QStringLiteral("持込会社名\n(　　　") + tier + QStringLiteral("　次　）"));
        EXPECT_EQ(bringingCompanyLines(tier), value(ws, "U9"));
    }
}

TEST(BroughtInMachinery, TheDrawnForms)
{
    Application app;
    Workbook& forms = buildTemplate(app);
    Worksheet& notice = forms.Sheets(kNotice7);
    EXPECT_EQ(value(notice, "L2"), QStringLiteral("移動式クレーン"));
    EXPECT_EQ(value(notice, "Z2"), QStringLiteral("令和     年     月     日"));
    EXPECT_EQ(value(notice, "G7"), QString());
    EXPECT_EQ(value(notice, "U9"), QStringLiteral("持込会社名\n(　　　　次　）"));

    Worksheet& tools = forms.Sheets(kNotice8);
    EXPECT_EQ(value(tools, "L2"), QStringLiteral("電動工具   "));
    EXPECT_EQ(value(tools, "L4"), QStringLiteral("電気溶接機"));
    for (int i = 1; i <= PowerToolNotice::kMachines; ++i) {
        const std::string t = std::to_string(20 + 2 * i);
        const std::string next = std::to_string(21 + 2 * i);
        EXPECT_EQ(value(tools, "B" + t), QString::number(i));
        EXPECT_TRUE(opensABox(tools, "B" + t));
        EXPECT_EQ(value(tools, "W" + t), QStringLiteral("　   　　年　　月　　日"));
        EXPECT_EQ(value(tools, "W" + next), QStringLiteral("　   　　年　　月　　日"));
    }
    EXPECT_EQ(value(tools, "B42"), QString()); // no eleventh machine

    Worksheet& list = forms.Sheets(kCheck8);
    EXPECT_EQ(value(list, "F4"), "1");
    EXPECT_EQ(value(list, "O4"), "10");
    EXPECT_EQ(value(list, "B6"), QStringLiteral("アース線"));
    EXPECT_EQ(value(list, "B23"), QStringLiteral("危険表示"));
    EXPECT_EQ(value(list, "P23"), QStringLiteral("  (20) その他"));
    EXPECT_EQ(value(list, "P1"), QStringLiteral("令和      年     月     日"));
}

TEST(BroughtInMachinery, MachineKindsAndTheirSections)
{
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(kCheck7);
    struct Row {
        int i;
        QString name;
        const char* letters; // AG..AJ, "-" for none
    };
    const Row rows[] = {
        {1, QStringLiteral("クレーン"), "ＡＢ--"},
        {6, QStringLiteral("高所作業車"), "ＡＢ--"},
        {7, QStringLiteral("ゴンドラ"), "--Ｃ-"},
        {8, QStringLiteral("ブルドーザー"), "ＤＥＦＧ"},
        {38, QStringLiteral("ボーリングマシーン"), "ＤＥＦＧ"},
        {39, QStringLiteral("重ダンプトラック"), "-Ｂ--"},
        {44, QStringLiteral("コンクリートポンプ車"), "-Ｂ--"},
        {45, QStringLiteral("その他"), "----"},
    };
    for (const Row& row : rows) {
        const std::string r = std::to_string(4 + row.i);
        // Text in parentheses, kept from being read as a negative number.
        EXPECT_EQ(value(ws, "AA" + r), QStringLiteral("(%1)").arg(row.i));
        EXPECT_EQ(ws.Range("AA" + r).PrefixCharacter(), "'");
        EXPECT_EQ(value(ws, "AB" + r), row.name);
        const QString letters = QString::fromUtf8(row.letters);
        int k = 0;
        for (const char* column : {"AG", "AH", "AI", "AJ"}) {
            const QString expected = letters[k] == u'-' ? QString() : QString(letters[k]);
            EXPECT_EQ(value(ws, column + r), expected) << row.i << column;
            ++k;
        }
    }
    EXPECT_EQ(value(ws, "AA50"), QString());
}

TEST(BroughtInMachinery, EachNoteStartsItsOwnLine)
{
    const QStringList lines = MachineryChecklist::notes().split(u'\n');
    ASSERT_EQ(lines.size(), 6);
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(lines[n - 1].startsWith(QStringLiteral("%1.\t").arg(n))) << lines[n - 1].toStdString();
    EXPECT_EQ(lines[5], QStringLiteral("元請けの確認は、（ｂ）を利用する。"));
    Application app;
    Worksheet& ws = buildTemplate(app).Sheets(kCheck7);
    EXPECT_EQ(value(ws, "D54"), MachineryChecklist::notes());
    EXPECT_TRUE(ws.Range("D54").WrapText());
    EXPECT_EQ(value(ws, "P4"), QStringLiteral("代表者名"));
}

// Width of a text in ems: half-width characters count half.
double ems(const QString& line)
{
    double w = 0;
    for (QChar ch : line)
        w += (ch.unicode() < 0x80 || (ch.unicode() >= 0xFF61 && ch.unicode() <= 0xFF9F)) ? 0.5 : 1.0;
    return w;
}

// Points of a column at the standard font's 8-pixel digit, the narrowest
// rendering among spreadsheet programs.
double columnPoints(double chars)
{
    return chars <= 0 ? 0 : std::floor(chars * 8 + 5) * 0.75;
}

// Every text of the form fits its box: the box is as tall as its lines
// (wrapped lines counted), and a text that neither wraps nor shrinks is not
// wider than its box; a shrinking text keeps at least `minimum` points.
void expectLegible(Worksheet& ws, int lastRow, int lastColumn, double minimum)
{
    for (int r = 1; r <= lastRow; ++r)
        for (int c = 1; c <= lastColumn; ++c) {
            const QString text = QString::fromStdString(ws.Cells(r, c).Value());
            if (text.isEmpty())
                continue;
            const sheet::Rect* merged = ws.data().mergeAt(r, c);
            const sheet::Rect box = merged ? *merged : sheet::Rect{r, c, r, c};
            double width = 0, height = 0;
            for (int k = box.c1; k <= box.c2; ++k)
                width += columnPoints(ws.Columns(k).ColumnWidth());
            for (int k = box.r1; k <= box.r2; ++k)
                height += ws.Cells(k, 1).RowHeight();
            const auto cell = ws.Cells(r, c);
            const double size = cell.Font().Size();
            const std::string where = ws.Name() + " " + sheet::cellName(r, c);
            int lines = 0;
            for (const QString& line : text.split(u'\n')) {
                const double w = ems(line) * size;
                if (cell.WrapText()) {
                    lines += std::max(1, int(std::ceil(w / width)));
                    continue;
                }
                if (cell.ShrinkToFit())
                    EXPECT_GE(size * std::min(1.0, width / w), minimum) << where << " shrinks too far";
                else
                    EXPECT_LE(w, width + 1) << where << " is wider than its box";
                ++lines;
            }
            if (!cell.WrapText())
                lines = 1;
            EXPECT_GE(height, lines * size * 1.15) << where << " is taller than its box";
        }
}

TEST(BroughtInMachinery, FormsAreLegibleOnOneA4Page)
{
    Application app;
    Workbook& forms = buildTemplate(app);
    for (const QString& name : {kNotice7, kCheck7, kNotice8, kCheck8}) {
        Worksheet& ws = forms.Sheets(name);
        EXPECT_EQ(ws.PageSetup().PaperSize(), 9);
        EXPECT_EQ(ws.PageSetup().Orientation(), 1);
        expectLegible(ws, 67, 36, 5.5);
    }
}

} // namespace
