// The forms' labels and filled boxes print whole inside their boxes: every character of the
// cell is found inside the box in the PDF (nothing cut at a side, no line lost below the box,
// none spilled out of it), as the spreadsheet programs print them.
#include "render/Pagination.h"
#include "render/PdfExport.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>

using namespace mirevo;
using namespace mirevo::sheet;

namespace {

struct Word {
    QRectF box; // points on the page, y downwards
    QString text;
};

// pdftotext's words of the first page with their boxes.
std::vector<Word> words(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
             QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> out;
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF to(m.captured(3).toDouble(), m.captured(4).toDouble());
        out.push_back({QRectF(from, to), m.captured(5)});
    }
    return out;
}

// The characters of a text but its spaces, in order of their code: pdftotext lists the
// words of a wrapped box by their place on the page, not in the order of the text.
QString characters(QString s)
{
    s.remove(QRegularExpression(QStringLiteral(R"([\s　])")));
    std::sort(s.begin(), s.end());
    return s;
}

// Where a range of the sheet's first page lies on the paper, in points.
QRectF onPaper(const render::SheetPagination& pages, const Rect& range)
{
    const render::SheetGeometry& g = pages.geometry();
    const render::PageArea& page = pages.pages()[0];
    const QPointF corner(g.colLeft(page.cells.c1), g.rowTop(page.cells.r1));
    const QRectF cells(QPointF(g.colLeft(range.c1), g.rowTop(range.r1)),
                       QPointF(g.colRight(range.c2), g.rowBottom(range.r2)));
    return QRectF(page.origin + (cells.topLeft() - corner) * pages.scale(), cells.size() * pages.scale());
}

struct Box {
    const char* sheet; // the first sheet whose name begins so
    const char* range; // the merged box
};

// Boxes whose text the spreadsheet programs print whole and that are easily cut: a wrapped
// label in a narrow box, a shrunk line, a justified line, a notes box of six lines. Not among
// them, because the substitute fonts are wider than the spreadsheet's proportional ＭＳ Ｐ
// fonts and LibreOffice cuts them the same way with those fonts: the new entrants'
// "氏　名　…　印又はサイン" (N54:AG55, wider than its box) and the qualification table's
// "動力を用い自走できるもの (道路上の運転を除く)" (AH29:AK30, four lines in a box of two rows).
constexpr Box kBoxes[] = {
    {"1.", "E4:M4"},                  // shrunk project name
    {"2-1.", "AL7:AQ9"},              // "住　　　所　　　　　　電話番号", wrapped
    {"2-2.", "AL7:AQ9"},              //
    {"2-3.", "G6:S7"},                // the works' name, wrapped and justified: one line
    {"5.", "Z29:AC32"},               // the qualification table's labels and conditions
    {"5.", "Z33:AC36"},               //
    {"5.", "Z41:AC42"},               //
    {"5.", "Z43:AC44"},               //
    {"7.持込機械点検表", "D54:AJ59"}, // the notes 1. to 5. and the last line
    {"10.", "T30:W31"},               // "使用機械　又は工具"
    {"10.", "H33:AG33"},              // a shrunk line ending in "）"
};

class FormText : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        home_ = new test::TempHome;
        const QString xlsx = home_->file(QStringLiteral("site.xlsx"));
        const test::CliResult made = test::runCli(
            {"generate", "--documents", "1,2-1,2-2,2-3,5,6,7,10", QStringLiteral(MIREVO_SAMPLE_SITE), xlsx});
        ASSERT_EQ(made.code, 0) << qPrintable(made.err);
        app_ = new Application;
        book_ = &app_->Workbooks().Open(xlsx);
    }
    static void TearDownTestSuite()
    {
        delete app_;
        delete home_;
    }
    static int sheetIndex(const char* prefix)
    {
        for (int i = 1; i <= book_->Sheets().Count(); ++i)
            if (QString::fromStdString(book_->Sheets(i).Name()).startsWith(QString::fromUtf8(prefix)))
                return i;
        return 0;
    }
    static test::TempHome* home_;
    static Application* app_;
    static Workbook* book_;
};

test::TempHome* FormText::home_ = nullptr;
Application* FormText::app_ = nullptr;
Workbook* FormText::book_ = nullptr;

TEST_F(FormText, EveryCharacterOfTheBoxIsPrintedInsideIt)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    ASSERT_NE(book_, nullptr);
    int n = 0;
    for (const Box& box : kBoxes) {
        SCOPED_TRACE(std::string(box.sheet) + " " + box.range);
        const int index = sheetIndex(box.sheet);
        ASSERT_GT(index, 0);
        Worksheet& ws = book_->Sheets(index);
        const Rect range = parseRect(box.range);
        const QString text = characters(QString::fromStdString(ws.Cells(range.r1, range.c1).Value()));
        ASSERT_FALSE(text.isEmpty());
        const render::SheetPagination pages(ws);
        ASSERT_TRUE(pages.pages()[0].cells.containsRect(range));
        const QString pdf = home_->file(QStringLiteral("box%1.pdf").arg(++n));
        render::exportPdf(*book_, pdf, {index - 1});
        const QRectF area = onPaper(pages, range);
        QString inside;
        QStringList near; // words about the box, for the message
        near << QStringLiteral("box %1,%2-%3,%4").arg(area.left()).arg(area.top()).arg(area.right()).arg(area.bottom());
        for (const Word& w : words(pdf)) {
            if (area.adjusted(-20, -20, 20, 20).intersects(w.box))
                near << QStringLiteral("%1@%2,%3-%4,%5")
                            .arg(w.text)
                            .arg(w.box.left(), 0, 'f', 1)
                            .arg(w.box.top(), 0, 'f', 1)
                            .arg(w.box.right(), 0, 'f', 1)
                            .arg(w.box.bottom(), 0, 'f', 1);
            if (!area.contains(w.box.center()))
                continue;
            inside += w.text;
            EXPECT_GE(w.box.left(), area.left() - 0.3) << qPrintable(w.text) << " begins left of the box";
            EXPECT_LE(w.box.right(), area.right() + 0.3) << qPrintable(w.text) << " ends right of the box";
        }
        EXPECT_EQ(characters(inside), text) << "inside: " << qPrintable(inside) << "; " << qPrintable(near.join(u' '));
    }
}

} // namespace
