// Workbooks written by Excel, LibreOffice and openpyxl print on as many pages, and on the same
// paper, as LibreOffice prints them (corpus_pages.txt holds its counts, and says why where
// ours differ).
#include "render/WorkbookPages.h"
#include "spreadsheet/Spreadsheet.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

using namespace mirevo;

namespace {

struct Expected {
    QString book; // folder/name, without .xlsx
    int libreOfficePages = 0;
    QString paper; // "595x842", points
    int pages = 0;
    QString why; // "-" when the counts agree
};

std::vector<Expected> table()
{
    QFile file(QStringLiteral(MIREVO_CORPUS_PAGES));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << MIREVO_CORPUS_PAGES;
    std::vector<Expected> rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        EXPECT_EQ(f.size(), 5) << qPrintable(line);
        if (f.size() == 5)
            rows.push_back({f[0], f[1].toInt(), f[2], f[3].toInt(), f[4]});
    }
    return rows;
}

QString paperOf(const render::WorkbookPages& pages)
{
    if (pages.pageCount() == 0)
        return {};
    const QSizeF size = pages.page(0).sheet->paperPoints();
    return QStringLiteral("%1x%2").arg(std::lround(size.width())).arg(std::lround(size.height()));
}

TEST(CorpusPages, SamePagesAndPaperAsLibreOfficeOrAStatedReason)
{
    const QString corpus = QStringLiteral(MIREVO_XLSX_CORPUS);
    if (!QFileInfo(corpus).isDir())
        GTEST_SKIP() << "no corpus at " << qPrintable(corpus);
    const std::vector<Expected> rows = table();
    ASSERT_GT(rows.size(), 100u);
    for (const Expected& e : rows) {
        SCOPED_TRACE(qPrintable(e.book));
        if (e.pages != e.libreOfficePages)
            EXPECT_TRUE(e.why == u"blank" || e.why == u"chartsheet") << "a difference needs its reason";
        if (e.why == u"blank")
            EXPECT_EQ(e.pages, 0);
        sheet::Application app;
        sheet::Workbook& book = app.Workbooks().Open(corpus + u'/' + e.book + QStringLiteral(".xlsx"));
        const render::WorkbookPages pages(book);
        EXPECT_EQ(pages.pageCount(), e.pages);
        if (e.pages > 0)
            EXPECT_EQ(paperOf(pages), e.paper);
    }
}

} // namespace
