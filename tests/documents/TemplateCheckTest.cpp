// Templates are checked sheet by sheet before a run copies from them: sheets that are not
// the forms fail with the sheet and the reason, and the built-in forms replace a failing
// template only when asked.
#include "documents/TemplateCheck.h"
#include "common/Error.h"
#include "documents/Catalogue.h"
#include "documents/TemplateBook.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::sheet;
using namespace mirevo::test;

namespace {

const QStringList kAll = parseDocumentList(QStringLiteral("all"));

QStringList problemsOf(Workbook& templates, const QString& keys = QStringLiteral("all"))
{
    return templateProblems(templates, parseDocumentList(keys));
}

// The problems of the template `edit` makes of the built-in forms.
template <class Edit> QStringList problemsAfter(Edit edit, const QString& keys = QStringLiteral("all"))
{
    Application app;
    Workbook& book = buildTemplate(app);
    edit(book);
    return problemsOf(book, keys);
}

TEST(TemplateCheck, TheBuiltInFormsAndALightlyEditedCopyPass)
{
    TempHome home;
    saveTemplate(home.file("forms.xlsx"));
    Application app;
    Workbook& saved = app.Workbooks().Open(home.file("forms.xlsx"));
    EXPECT_EQ(problemsOf(saved), QStringList());

    // A reworded label, a note in a free cell, a name written in once for every site.
    EXPECT_EQ(problemsAfter([](Workbook& book) {
                  Worksheet& ws = book.Sheets(QStringLiteral("書類一覧"));
                  ws.Range("B2").setValue(QStringLiteral("提出書類一覧"));
                  ws.Range("AZ200").setValue(QStringLiteral("社内メモ"));
              }),
              QStringList());
}

TEST(TemplateCheck, SheetsThatAreNotTheFormsFailByNameAndReason)
{
    const QStringList empty = problemsAfter([](Workbook& book) {
        for (int i = 1; i <= book.Sheets().Count(); ++i) {
            Worksheet& ws = book.Sheets(i);
            ws.data().rows = RowStore();
            ws.data().merges = MergeSet();
        }
    });
    EXPECT_EQ(empty.size(), qsizetype(formSheets().size()));
    ASSERT_FALSE(empty.isEmpty());
    EXPECT_TRUE(empty[0].contains(QStringLiteral("シート「書類一覧」"))) << empty[0].toStdString();
    EXPECT_TRUE(empty[0].contains(QStringLiteral("様式の文字が"))) << empty[0].toStdString();

    const QStringList unmerged
        = problemsAfter([](Workbook& book) { book.Sheets(QStringLiteral("1.誓約書")).data().merges = MergeSet(); });
    ASSERT_EQ(unmerged.size(), 1) << unmerged.join('\n').toStdString();
    EXPECT_TRUE(unmerged[0].contains(QStringLiteral("シート「1.誓約書」"))) << unmerged[0].toStdString();
    EXPECT_TRUE(unmerged[0].contains(QStringLiteral("結合"))) << unmerged[0].toStdString();

    // Renamed and in reverse order: each form is looked up at its position and is another.
    const QStringList shuffled = problemsAfter([](Workbook& book) {
        const int n = book.Sheets().Count();
        for (int i = 1; i <= n; ++i)
            book.Sheets(i).setName("Sheet" + std::to_string(i));
        for (int i = 1; i < n; ++i)
            book.Sheets(1).Move(After{book.Sheets(n - i + 1)});
    });
    EXPECT_GE(shuffled.size(), qsizetype(formSheets().size()) - 1);
}

TEST(TemplateCheck, AGeneratedWorkbookIsNoTemplate)
{
    TempHome home;
    const QString generated = home.file("generated.xlsx");
    ASSERT_EQ(runCli({"generate", QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz"), generated}).code, 0);
    const CliResult r = runCli({"generate", "--template", generated, writeSite(home), home.file("o.xlsx")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("作成済みのブック"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("o.xlsx")));
}

TEST(TemplateCheck, BuiltInFormsReplaceAFailingTemplateOnlyWhenAsked)
{
    TempHome home;
    {
        Application app;
        Workbook& book = buildTemplate(app);
        book.Sheets(QStringLiteral("書類一覧")).data().merges = MergeSet();
        book.SaveAs(home.file("bad.xlsx"));
    }
    const QString site = writeSite(home);
    const CliResult refused
        = runCli({"generate", "--documents", "list", "--template", home.file("bad.xlsx"), site, home.file("o.xlsx")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("シート「書類一覧」"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("o.xlsx")));

    // A run that does not use the failing sheet is not stopped by it.
    EXPECT_EQ(
        runCli({"generate", "--documents", "1", "--template", home.file("bad.xlsx"), site, home.file("o.xlsx")}).code,
        0);
    const CliResult fallback = runCli({"generate", "--documents", "list", "--builtin-forms-if-bad-template",
                                       "--template", home.file("bad.xlsx"), site, home.file("o.xlsx")});
    EXPECT_EQ(fallback.code, 0) << fallback.err.toStdString();
    EXPECT_TRUE(fallback.err.contains(QStringLiteral("内蔵の様式を使います"))) << fallback.err.toStdString();
    EXPECT_TRUE(fallback.err.contains(QStringLiteral("シート「書類一覧」"))) << fallback.err.toStdString();
}

} // namespace
