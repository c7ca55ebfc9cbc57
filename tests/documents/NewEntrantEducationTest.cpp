#include "documents/NewEntrantEducation.h"
#include "DocumentTestSupport.h"
#include "common/EraDate.h"
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

const QString kBox = QStringLiteral("□");
const QString kMarked = QStringLiteral("■");

QStringList workerOf(const QString& company, int k)
{
    QStringList w(worker::kColumns);
    for (int c = worker::Reading; c <= worker::EmploymentDigits; ++c)
        w[c] = QStringLiteral("c%1-%2").arg(c).arg(k);
    w[worker::Birth] = QStringLiteral("1968/10/01");
    w[worker::Age] = QStringLiteral("58");
    w[worker::BloodType] = QString();
    w[worker::Company] = company;
    return w;
}

void addWorkers(TestSite& site, const QString& company, int n)
{
    for (int i = 1; i <= n; ++i)
        site.view.workers << workerOf(company, i);
}

// The education sheets of a run, one per company (the prime contractor first).
struct EducationRun {
    explicit EducationRun(const SiteView& site, const RunOptions& options = {})
    {
        Workbook& forms = buildTemplate(app);
        Workbook& book = app.Workbooks().Add();
        convert(site, {"6"}, options, forms, book);
        out = &book;
    }
    Worksheet& sheet(int i) { return out->Sheets(i); }

    Application app;
    Workbook* out = nullptr;
};

// Every tier and blood-type box of the page at top row r.
QStringList boxes(Worksheet& ws, int r)
{
    QStringList marks;
    for (const char* c : {"W", "Y", "AA", "AC", "AF"})
        marks << value(ws, cell(c, r + 8));
    for (const char* c : {"W", "Y", "AA", "AC"})
        marks << value(ws, cell(c, r + 13));
    return marks;
}

QStringList allBoxes()
{
    return QStringList(9, kBox);
}

TEST(NewEntrantEducation, OnePagePerListedWorker)
{
    struct Case {
        int stored;
        int listed;
        std::vector<int> breaks;
    };
    // The stored count never decides: the worker list does.
    const Case cases[] = {
        {3, 3, {57, 113, 169}}, {1, 3, {57, 113, 169}}, {5, 2, {57, 113}}, {0, 1, {}}, {4, 0, {}},
    };
    for (const Case& c : cases) {
        TestSite site;
        site.add(QStringLiteral("一次工業"), "1", 0, c.stored);
        addWorkers(site, QStringLiteral("一次工業"), c.listed);
        EducationRun run(site.view);
        Worksheet& ws = run.sheet(2);
        EXPECT_EQ(breaksAbove(ws), c.breaks) << c.stored << "/" << c.listed;
        for (int m = 1; m <= c.listed; ++m) {
            const int y = 9 + NewEntrantEducation::kPageRows * (m - 1);
            EXPECT_EQ(value(ws, cell("AF", y - 7)), QStringLiteral("No.%1").arg(m));
            EXPECT_EQ(value(ws, cell("G", y)), QStringLiteral("c1-%1").arg(m));
            EXPECT_EQ(value(ws, cell("G", y + 2)), QStringLiteral("c2-%1").arg(m));
            EXPECT_EQ(value(ws, cell("W", y + 2)), QStringLiteral("一次工業"));
            // The form is copied whole onto every page.
            EXPECT_EQ(value(ws, cell("B", y + 27)), QStringLiteral("健康状態"));
        }
    }
}

TEST(NewEntrantEducation, ThirdWorkerOnItsOwnPage)
{
    TestSite site;
    site.add(QStringLiteral("二次設備"), "2", 0, 3);
    addWorkers(site, QStringLiteral("二次設備"), 3);
    EducationRun run(site.view);
    Worksheet& ws = run.sheet(2);
    EXPECT_EQ(value(ws, "G121"), QStringLiteral("c1-3"));
    EXPECT_EQ(value(ws, "G137"), QStringLiteral("c3-3")); // 職種
    EXPECT_EQ(value(ws, "Z137"), QStringLiteral("c5-3")); // 雇用年月日
    EXPECT_EQ(value(ws, "Z139"), QStringLiteral("c6-3　年"));
    EXPECT_EQ(value(ws, "I135"), QStringLiteral("1968年　　10月　　01日  （ 58才）"));
    EXPECT_EQ(value(ws, "G128"), QStringLiteral("c9-3"));
    EXPECT_EQ(value(ws, "Z128"), QStringLiteral("c10-3"));
    EXPECT_EQ(value(ws, "G131"), QStringLiteral("c11-3"));
    EXPECT_EQ(value(ws, "Z131"), QStringLiteral("c12-3"));
    EXPECT_EQ(value(ws, "Y121"), kMarked);
    for (const char* c : {"G121", "G123", "G137", "Z137", "Z139", "I135", "G128", "Z128", "G131", "Z131", "W123",
                          "AF114", "W115", "W116", "W126", "AC122"})
        EXPECT_TRUE(opensABox(ws, c)) << c;
    saveChecked(*run.out, "education_three");
}

TEST(NewEntrantEducation, HeaderOnEveryPageOfEveryCompany)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1", 0, 2);
    addWorkers(site, QStringLiteral("一次工業"), 2);
    EducationRun run(site.view);
    const QString receipt = NewEntrantEducation::receiptDate(QDate::currentDate());
    for (int sheet : {1, 2})
        for (int top : {1, 57}) {
            if (sheet == 1 && top == 57)
                continue;
            EXPECT_EQ(value(run.sheet(sheet), cell("W", top + 2)), receipt);
            EXPECT_EQ(value(run.sheet(sheet), cell("W", top + 3)), QStringLiteral("青空ビル新築工事"));
        }
    EXPECT_TRUE(receipt.startsWith(eraName(QDate::currentDate()) + QStringLiteral("  ")));
    EXPECT_TRUE(receipt.endsWith(QStringLiteral("  年　　月　　日")));
}

TEST(NewEntrantEducation, FormOnlyGivesOneBlankPage)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "4", 0, 3);
    addWorkers(site, QStringLiteral("一次工業"), 3);
    EducationRun run(site.view, {.educationBlank = true});
    for (int sheet : {1, 2}) {
        Worksheet& ws = run.sheet(sheet);
        EXPECT_TRUE(breaksAbove(ws).empty());
        EXPECT_EQ(boxes(ws, 1), allBoxes());
        EXPECT_EQ(value(ws, "AC10"), QStringLiteral("　次"));
        EXPECT_EQ(value(ws, "I23"), QStringLiteral("　 　年　　　月　　　日  （     才）"));
        EXPECT_EQ(value(ws, "Z27"), QStringLiteral("　年"));
        EXPECT_EQ(value(ws, "G9"), QString());
        EXPECT_EQ(value(ws, "W11"), QString());
        EXPECT_EQ(value(ws, "AF2"), QString());
        EXPECT_EQ(value(ws, "W4"), QStringLiteral("青空ビル新築工事"));
        EXPECT_EQ(value(ws, "G58"), QString());
    }
    saveChecked(*run.out, "education_form_only");
}

TEST(NewEntrantEducation, TierMarks)
{
    struct Case {
        const char* tier;
        QStringList marks; // W9 Y9 AA9 AC9 AF9
        QString tenth;     // AC10
    };
    const QString n = kBox, y = kMarked;
    const Case cases[] = {
        {"1", {y, n, n, n, n}, "　次"}, {"2", {n, y, n, n, n}, "　次"}, {"3", {n, n, y, n, n}, "　次"},
        {"4", {n, n, n, y, n}, "四次"}, {"5", {n, n, n, y, n}, "五次"}, {"9", {n, n, n, y, n}, "九次"},
        {"", {n, n, n, n, n}, "　次"},  {" ", {n, n, n, n, n}, "　次"}, {"　", {n, n, n, n, n}, "　次"},
        {"0", {n, n, n, n, n}, "　次"}, {"x", {n, n, n, n, n}, "　次"},
    };
    for (const Case& c : cases) {
        TestSite site;
        // A company of tier 2 before it: its mark must not carry over.
        site.add(QStringLiteral("前の会社"), "2", 0, 1);
        site.add(QStringLiteral("対象の会社"), QString::fromUtf8(c.tier), 1, 1);
        addWorkers(site, QStringLiteral("前の会社"), 1);
        addWorkers(site, QStringLiteral("対象の会社"), 1);
        EducationRun run(site.view);
        Worksheet& ws = run.sheet(3);
        EXPECT_EQ(boxes(ws, 1).mid(0, 5), c.marks) << "tier \"" << c.tier << "\"";
        EXPECT_EQ(value(ws, "AC10"), c.tenth) << c.tier;
    }
}

TEST(NewEntrantEducation, PrimeContractorIsMarkedAsSuch)
{
    TestSite site;
    site.view.primeWorkers = 1;
    addWorkers(site, site.view.primeName(), 1);
    EducationRun run(site.view);
    Worksheet& ws = run.sheet(1);
    EXPECT_EQ(boxes(ws, 1).mid(0, 5), (QStringList{kBox, kBox, kBox, kBox, kMarked}));
    EXPECT_EQ(value(ws, "AF10"), QStringLiteral("元請"));
    EXPECT_EQ(value(ws, "W11"), site.view.primeName());
}

TEST(NewEntrantEducation, BloodTypesAndAddressOption)
{
    struct Case {
        const char* type;
        int marked; // index among W14 Y14 AA14 AC14, -1 none
    };
    const Case cases[] = {{"Ａ", 0}, {"Ｂ", 1}, {"Ｏ", 2}, {"ＡＢ", 3}, {"A", -1}, {"", -1}, {"Ａ型", -1}};
    for (const Case& c : cases) {
        TestSite site;
        site.add(QStringLiteral("一次工業"), "1", 0, 1);
        QStringList w = workerOf(QStringLiteral("一次工業"), 1);
        w[worker::BloodType] = QString::fromUtf8(c.type);
        site.view.workers << w;
        EducationRun run(site.view, {.noAddress = true});
        Worksheet& ws = run.sheet(2);
        QStringList expected(4, kBox);
        if (c.marked >= 0)
            expected[c.marked] = kMarked;
        EXPECT_EQ(boxes(ws, 1).mid(5), expected) << c.type;
        for (const char* hidden : {"G16", "Z16", "G19", "Z19"})
            EXPECT_EQ(value(ws, hidden), QString()) << hidden;
    }
}

TEST(NewEntrantEducation, BirthLine)
{
    struct Case {
        const char* birth;
        const char* age;
        const char* line;
    };
    const Case cases[] = {
        {"1968/10/01", "58", "1968年　　10月　　01日  （ 58才）"},
        {"1980/2/9", "46", "1980年　　02月　　09日  （ 46才）"},
        {"", "", "　 　年　　　月　　　日  （     才）"},
        {" ", "", "　 　年　　　月　　　日  （     才）"},
        {"昭和43年", "58", "昭和43年  （ 58才）"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewEntrantEducation::birthLine(QString::fromUtf8(c.birth), QString::fromUtf8(c.age)),
                  QString::fromUtf8(c.line))
            << c.birth;
}

} // namespace
