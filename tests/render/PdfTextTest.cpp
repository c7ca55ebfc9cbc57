// What a PDF reader finds in our PDFs: the cells' own characters (never the look-alike CJK
// radicals the fonts draw with the same glyphs), the workbook's name as title and one
// bookmark per sheet.
#include "RenderTestBooks.h"
#include "render/Pagination.h"
#include "render/PdfExport.h"
#include "render/PdfOutline.h"
#include "render/PdfTextLayer.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/CliRun.h"
#include "support/TempHome.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

using namespace mirevo;
using namespace mirevo::sheet;

namespace {

// Characters the ToUnicode maps give the glyphs ("<first> <last> [<u> ...]" and "<g> <g> <u>").
std::set<char16_t> mappedCharacters(const QByteArray& pdf)
{
    std::set<char16_t> out;
    static const QRegularExpression array(QStringLiteral(R"(<[0-9A-F]{4}> <[0-9A-F]{4}> \[([^\]]*)\])"));
    static const QRegularExpression single(QStringLiteral(R"(<([0-9A-F]{4})> <\1> <([0-9A-F]{4})>)"));
    static const QRegularExpression token(QStringLiteral(R"(<([0-9A-F]{4})>)"));
    const QString text = QString::fromLatin1(pdf);
    for (auto it = array.globalMatch(text); it.hasNext();) {
        const QString inside = it.next().captured(1);
        for (auto t = token.globalMatch(inside); t.hasNext();)
            out.insert(char16_t(t.next().captured(1).toUInt(nullptr, 16)));
    }
    for (auto it = single.globalMatch(text); it.hasNext();)
        out.insert(char16_t(it.next().captured(2).toUInt(nullptr, 16)));
    return out;
}

bool isRadical(char16_t c)
{
    return c >= 0x2E80 && c <= 0x2FDF;
}

QString withoutSpace(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral(R"(\s|　)")));
}

// pdftotext's text of a PDF in the order it is drawn (cell by cell), or a null string when
// poppler-utils is not installed.
QString pdfText(const QString& pdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

const QString kIdeographs = QStringLiteral("一二人日月用力工長青戸入大山川小口土女子手目立言走足車金門");

TEST(PdfText, EveryGlyphStandsForTheCellsCharacterNotARadical)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& ws = book.Sheets(1);
    ws.Range("A1").setValue(kIdeographs);
    ws.Range("A2").setValue(QStringLiteral("瀬戸建設　作業所長　青空ビル"));
    ws.Range("A2").Font().setName(QStringLiteral("ＭＳ Ｐゴシック"));
    ws.Range("A3").setValue(kIdeographs);
    ws.Range("A3").Font().setName(QStringLiteral("ＭＳ 明朝"));
    QTemporaryDir dir;
    const QString path = dir.filePath("text.pdf");
    render::exportPdf(book, path);
    const std::set<char16_t> mapped = mappedCharacters(render::test::fileBytes(path));
    ASSERT_FALSE(mapped.empty()) << "no ToUnicode map found";
    for (char16_t c : mapped)
        EXPECT_FALSE(isRadical(c)) << "U+" << std::hex << int(c);
    for (QChar c : kIdeographs)
        EXPECT_TRUE(mapped.count(c.unicode())) << QString(c).toStdString();
    const QString text = pdfText(path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext not installed";
    EXPECT_TRUE(withoutSpace(text).contains(kIdeographs));
    EXPECT_TRUE(withoutSpace(text).contains(QStringLiteral("瀬戸建設作業所長青空ビル")));
}

TEST(PdfText, RadicalTableKeepsOffsetsAndLeavesOtherEntries)
{
    EXPECT_EQ(render::ideographOfRadical(u'\u2F00'), u'一');
    EXPECT_EQ(render::ideographOfRadical(u'\u2F3E'), u'戸'); // the fonts' glyph is 戸, not 戶
    EXPECT_EQ(render::ideographOfRadical(u'\u2ED1'), u'長');
    EXPECT_EQ(render::ideographOfRadical(u'\u2ED8'), u'青');
    EXPECT_EQ(render::ideographOfRadical(u'A'), 0);
    QByteArray map("beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<2F00> <0041> <2ED8> <2F47>]\n"
                   "<0005> <0005> <2F49>\n<0006> <0008> <2F00>\nendbfrange\n");
    const qsizetype size = map.size();
    EXPECT_EQ(render::mapGlyphsToCellCharacters(map), 4);
    EXPECT_EQ(map.size(), size);
    EXPECT_TRUE(map.contains("[<4E00> <0041> <9752> <65E5>]")) << map.toStdString();
    EXPECT_TRUE(map.contains("<0005> <0005> <6708>")) << map.toStdString();
    EXPECT_TRUE(map.contains("<0006> <0008> <2F00>")) << "a run of characters is not one ideograph";
}

// Punctuation and spaces the fonts draw with a glyph that a lower code point shares: the text
// layer gives the cell's characters (pdftotext used to give U+2027 for ・, U+2003 for the
// ideographic space, 〜 for ～).
TEST(PdfText, MiddleDotSpaceAndWaveDashAreTheCellsCharacters)
{
    const QString cell = QStringLiteral("制御装置・作業装置　１～５／〈注〉");
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& ws = book.Sheets(1);
    ws.Range("A1").setValue(cell);
    ws.Range("A2").setValue(cell);
    ws.Range("A2").Font().setName(QStringLiteral("ＭＳ Ｐ明朝"));
    QTemporaryDir dir;
    const QString path = dir.filePath("punctuation.pdf");
    render::exportPdf(book, path);
    const std::set<char16_t> mapped = mappedCharacters(render::test::fileBytes(path));
    for (char16_t c : {u'\u2027', u'\u2003', u'\u301C', u'\u2215', u'\u2329'})
        EXPECT_FALSE(mapped.count(c)) << "U+" << std::hex << int(c);
    EXPECT_EQ(render::cellCharacterOfGlyph(u'\u2027'), u'・');
    EXPECT_EQ(render::cellCharacterOfGlyph(u'・'), 0);
    const QString text = pdfText(path);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext not installed";
    EXPECT_EQ(withoutSpace(text).count(withoutSpace(cell)), 2) << text.toStdString();
}

// The document list of a generated site: each cell's text is in the PDF's text.
TEST(PdfText, DocumentListTextIsFoundInThePdf)
{
    test::TempHome home;
    const QString xlsx = home.file("site.xlsx");
    ASSERT_EQ(test::runCli({"generate", "--documents", "list", test::writeSite(home), xlsx}).code, 0);
    Application app;
    Workbook& book = app.Workbooks().Open(xlsx);
    const QString pdf = home.file("site.pdf");
    render::exportPdf(book, pdf);
    const QString text = pdfText(pdf);
    if (text.isNull())
        GTEST_SKIP() << "pdftotext not installed";
    const QString found = withoutSpace(text);
    for (QChar c : found)
        EXPECT_FALSE(isRadical(c.unicode())) << "U+" << std::hex << int(c.unicode());
    int checked = 0;
    const SheetData& data = book.Sheets(1).data();
    data.rows.forEach([&](int r, const Row& row) {
        for (const Cell& cell : row.cells) {
            if (cell.str == kNoString)
                continue;
            const QString value = withoutSpace(QString::fromStdString(book.tables().strings.text(cell.str)));
            if (value.isEmpty())
                continue;
            ++checked;
            EXPECT_TRUE(found.contains(value)) << "row " << r << " column " << cell.col << ": " << value.toStdString();
        }
    });
    EXPECT_GT(checked, 20);
}

TEST(PdfOutline, TitleAndOneBookmarkPerSheetAtItsFirstPage)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    render::test::fillA3WithBreak(book.Sheets(1)).setName("名簿");
    render::test::fillA4Table(book.Sheets().Add(After{book.Sheets(1)})).setName("誓約書");
    QTemporaryDir dir;
    const QString path = dir.filePath("book.pdf");
    ASSERT_EQ(render::exportPdf(book, path), 3);
    const QByteArray pdf = render::test::fileBytes(path);
    EXPECT_EQ(pdf.count("/Type /Outlines"), 1);
    EXPECT_EQ(pdf.count("/Dest ["), 2);
    EXPECT_TRUE(pdf.contains("/Title <FEFF540D7C3F>")) << "名簿";
    EXPECT_TRUE(pdf.contains("/Title <FEFF8A937D0466F8>")) << "誓約書";
    // The second bookmark goes to the third page, the first page of 誓約書.
    static const QRegularExpression kids(QStringLiteral(R"(/Kids\s*\[\s*(\d+) 0 R\s*(\d+) 0 R\s*(\d+) 0 R)"));
    const auto m = kids.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_TRUE(pdf.contains("/Dest [" + m.captured(3).toLatin1() + " 0 R /XYZ null null null]"));
    EXPECT_EQ(render::test::pdfPages(pdf).size(), 3u);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        return;
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(60000);
    EXPECT_EQ(info.exitCode(), 0) << "the updated file does not read";
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral(R"(Pages:\s+3\n)"))));

    QByteArray notOurs("%PDF-1.4\nnothing\n");
    EXPECT_FALSE(render::appendOutline(notOurs, {{QStringLiteral("x"), 0}}));
    EXPECT_EQ(notOurs, QByteArray("%PDF-1.4\nnothing\n"));
}

} // namespace

namespace {

// The power-tool notice's 20 date lines (W22:AB22 and below, shrink to fit) in the PDF:
// QPdfWriter sets text at 1200 dpi, where a font of a fraction of a device point does not
// scale its advances exactly with its size; the shrunk text still ends inside its box, its
// "日" whole.
TEST(PdfText, PowerToolNoticeDatesEndInsideTheirBoxes)
{
    test::TempHome home;
    const QString xlsx = home.file("site.xlsx");
    ASSERT_EQ(test::runCli({"generate", "--documents", "8", test::writeSite(home), xlsx}).code, 0);
    Application app;
    Workbook& book = app.Workbooks().Open(xlsx);
    Worksheet& ws = book.Sheets(1);
    ASSERT_TRUE(QString::fromStdString(ws.Name()).startsWith(u"8.")) << ws.Name();
    const QString pdf = home.file("notice.pdf");
    render::exportPdf(book, pdf, {0});
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
             QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    const render::SheetPagination pages(ws);
    const double boxRight = pages.pages()[0].origin.x()
        + (pages.geometry().colRight(28) - pages.geometry().colLeft(pages.pages()[0].cells.c1)) * pages.scale();
    static const QRegularExpression day(QStringLiteral(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>日<)re"));
    int lines = 0;
    for (auto it = day.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toDouble() < boxRight - 30 || m.captured(1).toDouble() > boxRight)
            continue; // another column's 日
        ++lines;
        EXPECT_LE(m.captured(2).toDouble(), boxRight) << "日 reaches past its box";
    }
    EXPECT_GE(lines, 20);
}

} // namespace
