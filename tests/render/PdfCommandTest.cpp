// `mirevo pdf`: a site's documents or an existing workbook as PDF, with the exit codes and
// messages of the other commands.
#include "RenderTestBooks.h"
#include "cli/Cli.h"
#include "render/Pagination.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

TEST(PdfCommand, SiteDocumentsBecomeAPdfWithoutAWorkbookFile)
{
    TempHome home;
    const QString out = home.file("site.pdf");
    const CliResult r = runCli({"pdf", "--documents", "list,1", writeSite(home), out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 1);
    const auto pages = render::test::pdfPages(render::test::fileBytes(out));
    EXPECT_GE(pages.size(), 2u);
    EXPECT_TRUE(r.out.contains(QStringLiteral("%1 ページ").arg(pages.size())));
    EXPECT_FALSE(QFile::exists(home.file("site.xlsx")));
}

TEST(PdfCommand, ExistingWorkbookKeepsItsPages)
{
    TempHome home;
    sheet::Application app;
    sheet::Workbook& book = app.Workbooks().Add();
    render::test::fillA3WithBreak(book.Sheets(1));
    const QString xlsx = home.file("book.xlsx");
    book.SaveAs(xlsx);
    const CliResult r = runCli({"pdf", xlsx, home.file("book.pdf")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(render::test::pdfPages(render::test::fileBytes(home.file("book.pdf"))).size(), 2u);
}

TEST(PdfCommand, FailuresNameTheFileAndWriteNothing)
{
    TempHome home;
    const QString broken = home.file("broken.xlsx");
    TempHome::writeBytes(broken, "not a zip");
    const CliResult r = runCli({"pdf", broken, home.file("out.pdf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("broken.xlsx")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("out.pdf")));

    const QString site = writeSite(home);
    for (const QStringList& args : {QStringList{"pdf"}, QStringList{"pdf", site},
                                    QStringList{"pdf", "--documents", "2-9", site, home.file("o.pdf")}})
        EXPECT_EQ(runCli(args).code, 2) << args.join(' ').toStdString();
    EXPECT_EQ(runCli({"pdf", site, site}).code, 1);
    EXPECT_TRUE(cli::isCommand("pdf"));
    EXPECT_TRUE(runCli({"--help"}).out.contains("mirevo pdf BOOK.xlsx OUT.pdf"));
}

} // namespace

namespace {

// The vehicle, hazardous-materials and fire-use notices print at the zoom of the rows their
// forms use (their width then decides it: 88 %), not of 66 rows (72 % and 80 %), one page each.
TEST(PdfCommand, NoticesPrintAtTheZoomOfTheirOwnRows)
{
    TempHome home;
    const QString xlsx = home.file("site.xlsx");
    ASSERT_EQ(runCli({"generate", "--documents", "9,10,11", writeSite(home), xlsx}).code, 0);
    sheet::Application app;
    sheet::Workbook& book = app.Workbooks().Open(xlsx);
    int notices = 0;
    for (const auto& ws : book.sheets()) {
        const QString name = QString::fromStdString(ws->Name());
        if (!name.startsWith(u"9.") && !name.startsWith(u"10.") && !name.startsWith(u"11"))
            continue;
        ++notices;
        const render::SheetPagination pages(*ws);
        EXPECT_EQ(pages.pages().size(), 1u) << name.toStdString();
        EXPECT_GE(pages.scale(), 0.85) << name.toStdString();
        const double height = pages.geometry().rowBottom(pages.pages()[0].cells.r2) * pages.scale();
        EXPECT_LE(height, pages.paperPoints().height()) << name.toStdString();
    }
    EXPECT_EQ(notices, 3);
}

} // namespace
