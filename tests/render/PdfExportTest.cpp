// PDF files: one page per printed page, in sheet order, on each sheet's paper; fonts embedded;
// nothing written when nothing can be printed or the folder cannot be written.
#include "render/PdfExport.h"
#include "RenderTestBooks.h"
#include "spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::sheet;
using render::test::PdfPage;

namespace {

struct Book {
    Application app;
    Workbook& book = app.Workbooks().Add();
    Book()
    {
        render::test::fillA3WithBreak(book.Sheets(1));
        render::test::fillA4Table(book.Sheets().Add(After{book.Sheets(1)}));
    }
};

TEST(PdfExport, OnePageEachPrintedPageOnItsSheetsPaper)
{
    Book b;
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pdf");
    EXPECT_EQ(render::exportPdf(b.book, path), 3);
    const auto pages = render::test::pdfPages(render::test::fileBytes(path));
    ASSERT_EQ(pages.size(), 3u);
    const PdfPage expected[] = {{1190.55, 841.89}, {1190.55, 841.89}, {595.28, 841.89}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(pages[i].width, expected[i].width, 1.0) << "page " << i + 1;
        EXPECT_NEAR(pages[i].height, expected[i].height, 1.0) << "page " << i + 1;
    }
}

TEST(PdfExport, ChosenSheetsOnlyAndFontsEmbedded)
{
    Book b;
    QTemporaryDir dir;
    const QString path = dir.filePath("a4.pdf");
    EXPECT_EQ(render::exportPdf(b.book, path, {1}), 1);
    const QByteArray pdf = render::test::fileBytes(path);
    const auto pages = render::test::pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 595.28, 1.0);
    EXPECT_TRUE(pdf.contains("/FontFile")) << "fonts not embedded";
}

TEST(PdfExport, NothingToPrintIsRefusedAndWritesNoFile)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.pdf");
    EXPECT_THROW(render::exportPdf(book, path), SheetError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfExport, UnwritableFolderIsReportedWithThePath)
{
    Book b;
    const QString path = QStringLiteral("/nonexistent-folder/out.pdf");
    try {
        render::exportPdf(b.book, path);
        FAIL() << "no error";
    } catch (const SheetError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/out.pdf"), std::string::npos) << e.what();
    }
}

TEST(PdfExport, ExistingFileIsReplacedWhole)
{
    Book b;
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
    old.close();
    render::exportPdf(b.book, path, {1});
    const QByteArray pdf = render::test::fileBytes(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("xxxxxxxx"));
}

} // namespace
