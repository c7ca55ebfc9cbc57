#include "documents/GenerationRun.h"
#include "DocumentTestSupport.h"
#include "documents/TemplateBook.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

QStringList sheetNames(sheet::Workbook& book)
{
    QStringList names;
    for (int i = 1; i <= book.Sheets().Count(); ++i)
        names << QString::fromStdString(book.Sheets(i).Name());
    return names;
}

TEST(WorkbookFileName, WorksNameMadeSafeForAFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"青空ビル新築工事", "安全書類_青空ビル新築工事.xlsx"},
        {"  A棟 改修  ", "安全書類_A棟 改修.xlsx"},
        {"1/2期:東*棟?\"<>|\\", "安全書類_1_2期_東_棟______.xlsx"},
        {"", "安全書類_.xlsx"},
        {"全角／は残る", "安全書類_全角／は残る.xlsx"},
    };
    for (auto [works, file] : cases)
        EXPECT_EQ(workbookFileName(QString::fromUtf8(works)), QString::fromUtf8(file)) << works;
}

TEST(GenerationRun, AdvancesStepByStepToItsEighteenSteps)
{
    mirevo::test::TempHome home; // no template there: the forms are built in memory
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1", 0, 2);
    QList<int> steps;
    GenerationRun run = generate(site.view, {"list", "2-1", "3"}, {}, [&](int done, int total) {
        EXPECT_EQ(total, kRunSteps);
        steps << done;
    });
    ASSERT_TRUE(run.complete()) << run.error.toStdString();
    QList<int> expected;
    for (int i = 1; i <= kRunSteps; ++i)
        expected << i;
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(run.templateSource.builtIn());
    EXPECT_EQ(
        sheetNames(*run.book),
        (QStringList{QStringLiteral("書類一覧"), QStringLiteral("2-1.施工体制台帳【一次工業】"),
                     QStringLiteral("作業員名簿【元請建設株式会社】"), QStringLiteral("作業員名簿【一次工業】")}));
}

TEST(GenerationRun, AFailureKeepsTheSheetsMadeSoFarAndSaysWhy)
{
    mirevo::test::TempHome home;
    TestSite site;
    const int row = site.add(QStringLiteral("二次興業"), "2");
    site.row(row)[company::UpperNo] = QStringLiteral("上の会社");
    GenerationRun run = generate(site.view, {"list", "2-2"}, {});
    EXPECT_FALSE(run.complete());
    EXPECT_TRUE(run.error.contains(QStringLiteral("上の会社"))) << run.error.toStdString();
    ASSERT_NE(run.book, nullptr);
    EXPECT_TRUE(sheetNames(*run.book).contains(QStringLiteral("書類一覧")));
}

TEST(GenerationRun, AnUnreadableTemplateMakesNoWorkbook)
{
    mirevo::test::TempHome home;
    mirevo::test::TempHome::writeBytes(home.file(QStringLiteral("安全書類(一覧).xlsx")), "not a workbook");
    TestSite site;
    GenerationRun run = generate(site.view, {"list"}, {});
    EXPECT_EQ(run.book, nullptr);
    EXPECT_TRUE(run.error.contains(QStringLiteral("テンプレート"))) << run.error.toStdString();
}

// The panel has no fallback: a template that is not the forms stops the run, never
// silently replaced by the built-in ones.
TEST(GenerationRun, ATemplateThatFailsItsCheckMakesNoWorkbook)
{
    mirevo::test::TempHome home;
    {
        sheet::Application app;
        sheet::Workbook& forms = buildTemplate(app);
        forms.Sheets(QStringLiteral("書類一覧")).data().rows = sheet::RowStore();
        forms.SaveAs(home.file(QStringLiteral("安全書類(一覧).xlsx")));
    }
    TestSite site;
    GenerationRun run = generate(site.view, {"list"}, {});
    EXPECT_EQ(run.book, nullptr);
    EXPECT_TRUE(run.error.contains(QStringLiteral("シート「書類一覧」"))) << run.error.toStdString();
    EXPECT_TRUE(run.templateSource.refused.isEmpty());
}

} // namespace
