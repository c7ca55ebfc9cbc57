#include "documents/Generator.h"
#include "DocumentTestSupport.h"
#include "common/Error.h"
#include "documents/Catalogue.h"
#include "documents/TemplateBook.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;

namespace {

// Converts `keys` for the site with the forms built in memory.
struct Conversion {
    explicit Conversion(const SiteView& site, const QStringList& keys, RunOptions options = {})
        : forms(buildTemplate(app)), out(app.Workbooks().Add())
    {
        report = convert(site, keys, options, forms, out);
    }
    QStringList names()
    {
        QStringList list;
        for (int i = 1; i <= out.Sheets().Count(); ++i)
            list << QString::fromStdString(out.Sheets(i).Name());
        return list;
    }
    Application app;
    Workbook& forms;
    Workbook& out;
    ConversionReport report;
};

TEST(Generator, OnlyTheDocumentListGivesExactlyOneSheet)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1", 0, 3);
    Conversion run(site.view, {"list"});
    EXPECT_EQ(run.names(), QStringList{QStringLiteral("書類一覧")});
    EXPECT_EQ(run.report.sheets, 1);
    saveChecked(run.out, "only_list");
}

TEST(Generator, SheetCountsFollowTiersAndWorkers)
{
    TestSite site;
    site.add(QStringLiteral("一次A"), "1", 0, 0);
    site.add(QStringLiteral("二次B"), "2", 1, 12);
    site.add(QStringLiteral("一次C"), "1", 0, 13);
    site.add(QStringLiteral("空欄D"), "", 0, 120);
    site.add(QStringLiteral(" "), "1", 0, 5); // a row without a company is not counted
    site.add(QStringLiteral("　"), "1", 0, 5);
    const SheetCounts c = countSheets(site.view);
    EXPECT_EQ(c.firstTier, 2);
    EXPECT_EQ(c.lowerTier, 2);
    EXPECT_EQ(c.subcontractors, 4);
    EXPECT_EQ(c.rosterPages, 0 + 1 + 2 + 10);
}

TEST(Generator, AWorkerCountThatIsNoNumberIsReported)
{
    TestSite site;
    site.add(QStringLiteral("一次A"), "1");
    site.row(1)[company::WorkerCount] = QStringLiteral("多数");
    try {
        countSheets(site.view);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("多数")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("1 行目")));
    }
}

TEST(Generator, WorkersOfNoCompanyOfTheSiteAreNamed)
{
    TestSite site;
    site.add(QStringLiteral("一次工業"), "1", 0, 1);
    auto worker = [](const char* name, const QString& company) {
        QStringList w(42);
        w[worker::Name] = QString::fromUtf8(name);
        w[worker::Company] = company;
        return w;
    };
    site.view.workers << worker("所属", QStringLiteral("一次工業"))
                      << worker("元請の人", QStringLiteral("元請建設株式会社"))
                      << worker("迷子", QStringLiteral("どこにもない工業")) << worker("無所属", QString())
                      << worker("", QString()); // an empty row of the list
    Conversion run(site.view, {"3", "6"});
    EXPECT_EQ(run.report.notes,
              (QStringList{
                  QStringLiteral("作業員 迷子 は会社「どこにもない工業」が元請にも再下請負業者一覧にもないため、"
                                 "3.作業員名簿・6.新規入場者教育に載りません"),
                  QStringLiteral("作業員 無所属 は会社名が空欄のため、3.作業員名簿・6.新規入場者教育に載りません")}));
    EXPECT_TRUE(Conversion(site.view, {"list", "2-1"}).report.notes.isEmpty()); // no document lists workers
    EXPECT_TRUE(Conversion(site.view, {"6"}, {.educationBlank = true}).report.notes.isEmpty());
}

TEST(Generator, RosterPagesHaveNoCap)
{
    const std::pair<int, int> cases[]
        = {{0, 0}, {1, 0}, {12, 0}, {13, 1}, {24, 1}, {25, 2}, {120, 9}, {121, 10}, {300, 24}};
    for (auto [workers, extra] : cases)
        EXPECT_EQ(extraPages(workers, 12), extra) << workers;
}

TEST(Generator, ProgressReachesItsEnd)
{
    TestSite site;
    Application app;
    Workbook& forms = buildTemplate(app);
    Workbook& out = app.Workbooks().Add();
    int last = 0, total = 0;
    convert(site.view, {"list"}, {}, forms, out, [&](int done, int of) { last = done, total = of; });
    EXPECT_GT(total, 0);
    EXPECT_EQ(last, total);
}

TEST(Template, BuiltWithEveryAvailableFormInOrder)
{
    Application app;
    Workbook& book = buildTemplate(app);
    QStringList expected;
    for (const FormSheet& f : formSheets())
        if (f.form)
            expected << f.name;
    ASSERT_EQ(book.Sheets().Count(), expected.size());
    for (int i = 1; i <= book.Sheets().Count(); ++i)
        EXPECT_EQ(QString::fromStdString(book.Sheets(i).Name()), expected[i - 1]);
    saveChecked(book, "template");
}

// Saves the built forms with a mark in B2 of the first sheet.
void saveMarkedTemplate(const QString& path, const QString& mark)
{
    Application app;
    Workbook& book = buildTemplate(app);
    book.Sheets(1).Range("B2").setValue(mark);
    book.SaveAs(path);
}

TEST(Template, MissingFileFallsBackToTheBuiltFormsAndSaysWhereItLooked)
{
    mirevo::test::TempHome home, beside;
    Application app;
    TemplateSource source;
    Workbook& book = openTemplate(app, {}, &source, {home.path(), beside.path()});
    EXPECT_TRUE(source.builtIn());
    EXPECT_EQ(source.searched, (QStringList{home.file(templateFileName()), beside.file(templateFileName())}));
    EXPECT_EQ(
        source.description(),
        QStringLiteral(
            "注意: テンプレート 安全書類(一覧).xlsx が見つかりません（探した場所: %1、%2）。内蔵の様式を使います。")
            .arg(QDir::toNativeSeparators(source.searched[0]), QDir::toNativeSeparators(source.searched[1])));
    EXPECT_EQ(QString::fromStdString(book.Sheets(1).Name()), QStringLiteral("書類一覧"));
}

// The program folder first, then the executable's; the file is read as it is.
TEST(Template, LookedForInTheProgramFolderThenBesideTheExecutable)
{
    mirevo::test::TempHome home, beside;
    const QStringList folders{home.path(), beside.path()};
    for (const auto& [folder, mark] : {std::pair{&beside, "実行ファイルの横"}, std::pair{&home, "現場で直した"}}) {
        saveMarkedTemplate(folder->file(templateFileName()), QString::fromUtf8(mark));
        Application app;
        TemplateSource source;
        Workbook& book = openTemplate(app, {}, &source, folders);
        EXPECT_EQ(source.path, folder->file(templateFileName()));
        EXPECT_EQ(source.description(), QStringLiteral("テンプレート: ") + QDir::toNativeSeparators(source.path));
        EXPECT_EQ(value(book.Sheets(1), "B2"), QString::fromUtf8(mark));
    }
}

TEST(Template, UnreadableOrMissingTemplatesAreErrors)
{
    mirevo::test::TempHome home;
    mirevo::test::TempHome::writeBytes(templatePath(), "not a workbook");
    Application app;
    TemplateSource source;
    EXPECT_THROW(openTemplate(app, {}, &source, {home.path()}), Error); // never replaced silently
    EXPECT_THROW(openTemplate(app, home.file("none.xlsx"), &source), Error);
}

TEST(Template, SheetsAreFoundByNameThenByPosition)
{
    Application app;
    Workbook& book = buildTemplate(app);
    EXPECT_EQ(&templateSheet(book, formSheet(2)), &book.Sheets(2));
    book.Sheets(book.Sheets().Count()).Delete();
    book.Sheets(2).setName("renamed");
    EXPECT_THROW(templateSheet(book, formSheet(2)), Error); // a short template has no positions
    Workbook& full = app.Workbooks().Add();
    for (int i = 2; i <= 18; ++i)
        full.Sheets().Add(sheet::After{full.Sheets(full.Sheets().Count())});
    full.Sheets(2).setName("renamed");
    EXPECT_EQ(&templateSheet(full, formSheet(2)), &full.Sheets(2));
}

TEST(Catalogue, DocumentListParsing)
{
    EXPECT_EQ(parseDocumentList("all").size(), 16);
    EXPECT_EQ(parseDocumentList("3, list,2-1,3"), (QStringList{"list", "2-1", "3"}));
    EXPECT_EQ(parseDocumentList("4"), (QStringList{"4", "5"}));
    EXPECT_EQ(parseDocumentList("5"), QStringList{"5"});
    EXPECT_THROW(parseDocumentList("2-4"), Error);
    EXPECT_THROW(parseDocumentList(","), Error);
}

TEST(Catalogue, EighteenSheetsAndSixteenDocuments)
{
    ASSERT_EQ(formSheets().size(), 18u);
    ASSERT_EQ(choices().size(), 16u);
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(formSheet(i).position, i);
    EXPECT_EQ(choiceByKey("8")->caption, QStringLiteral("8.持込機械(電動工具)"));
    EXPECT_EQ(choiceByKey("11")->caption, QStringLiteral("11火気使用願 "));
    EXPECT_EQ(formSheet(13).copyPrefix, QStringLiteral("8.持込機械点検表（電動工具）"));
}

} // namespace

namespace {

TEST(SiteView, ReadFromAProjectFileWithItsWorkerCounts)
{
    mirevo::test::TempHome home;
    {
        Project p;
        p.record.setText("Edit10", QStringLiteral("元請建設"));
        p.contractors.setRow(1, {"1", QStringLiteral("一次工業")});
        p.contractors.setCell(company::Tier, 1, "1");
        p.contractors.setCell(company::WorkerCount, 1, "40"); // stale: recounted on reading
        p.workers.setRow(1, {"1", QStringLiteral("やまだ"), QStringLiteral("山田")});
        p.workers.setCell(worker::Company, 1, QStringLiteral("一次工業"));
        p.workers.setRow(2, {"2", QStringLiteral("すずき"), QStringLiteral("鈴木")});
        p.workers.setCell(worker::Company, 2, QStringLiteral("一次工業"));
        p.workers.setRow(3, {"3", QStringLiteral("たなか"), QStringLiteral("田中")});
        p.workers.setCell(worker::Company, 3, QStringLiteral("元請建設"));
        projectfile::save(home.file("site.anz"), p);
    }
    Project project;
    readSite(home.file("site.anz"), project);
    const SiteView view = siteOf(project);
    EXPECT_EQ(view.primeWorkers, 1);
    EXPECT_EQ(view.contractor(1, 49), "2");
    EXPECT_EQ(view.companyRows(), QList<int>{1});
    EXPECT_EQ(view.workersOf(QStringLiteral("一次工業")).size(), 2);
    EXPECT_EQ(view.contractor(99, 1), QString());
}

} // namespace
