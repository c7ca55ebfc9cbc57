// Numbers as their number formats show them, and where a number sits in its cell.
#include "render/NumberFormat.h"
#include "render/CellPainter.h"
#include "spreadsheet/Spreadsheet.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace mirevo;

namespace {

struct FormatCase {
    const char* value;
    const char* code;
    const char16_t* shown;
};

class NumberFormats : public ::testing::TestWithParam<FormatCase> { };

TEST_P(NumberFormats, ShowTheNumberAsTheCodeSays)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(render::formatNumber(QString::fromLatin1(c.value), c.code), QString::fromUtf16(c.shown))
        << c.value << " through " << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, NumberFormats,
    ::testing::Values(
        FormatCase{"45351", "", u"45351"}, FormatCase{"0.30000000000000004", "General", u"0.3"},
        FormatCase{"123456789012", "General", u"1.23457E+11"}, FormatCase{"-2.5", "General", u"-2.5"},
        FormatCase{"1234.5", "0", u"1235"}, FormatCase{"1234.5", "0.00", u"1234.50"},
        FormatCase{"1234567.891", "#,##0", u"1,234,568"}, FormatCase{"-1234567.891", "#,##0.00", u"-1,234,567.89"},
        FormatCase{"0.25", "0%", u"25%"}, FormatCase{"0.1234", "0.00%", u"12.34%"},
        FormatCase{"12345", "0.00E+00", u"1.23E+04"}, FormatCase{"-5", "#,##0;[Red]\\(#,##0\\)", u"(5)"},
        FormatCase{"0", "#,##0;-#,##0;\"-\"", u"-"}, FormatCase{"1500000", "#,##0,\"千円\"", u"1,500千円"},
        FormatCase{"3", "\"第\"0\"号\"", u"第3号"}, FormatCase{"45351", "yyyy/m/d", u"2024/2/29"},
        FormatCase{"45351", "yyyy\"年\"mm\"月\"dd\"日\"", u"2024年02月29日"},
        FormatCase{"45351.75", "yyyy/m/d h:mm", u"2024/2/29 18:00"}, FormatCase{"0.5625", "h:mm:ss", u"13:30:00"},
        FormatCase{"0.5625", "h:mm AM/PM", u"1:30 PM"}, FormatCase{"1.5", "[h]:mm", u"36:00"},
        FormatCase{"45351", "[$-ja-JP]ggge\"年\"m\"月\"d\"日\"", u"令和6年2月29日"},
        FormatCase{"43585", "[$-411]ggge\"年\"m\"月\"d\"日\"", u"平成31年4月30日"},
        FormatCase{"43586", "[$-411]ge.m.d", u"R1.5.1"}, FormatCase{"32516", "[$-411]gge\"年\"", u"平1年"},
        FormatCase{"45351", "m\"月\"d\"日\"(aaa)", u"2月29日(木)"}, FormatCase{"59", "yyyy-mm-dd", u"1900-02-28"},
        FormatCase{"61", "yyyy-mm-dd", u"1900-03-01"}, FormatCase{"45351", "d-mmm-yy", u"29-Feb-24"},
        FormatCase{"12", "@", u"12"}, FormatCase{"abc", "0.00", u"abc"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(NumberFormats, BuiltinIdsOfTheJapaneseSpreadsheet)
{
    EXPECT_EQ(render::formatNumber(QStringLiteral("45351"), render::builtinFormatCode(14)),
              QStringLiteral("2024/2/29"));
    EXPECT_EQ(render::formatNumber(QStringLiteral("45351"), render::builtinFormatCode(58)),
              QStringLiteral("令和6年2月29日"));
    EXPECT_EQ(render::formatNumber(QStringLiteral("45351"), render::builtinFormatCode(31)),
              QStringLiteral("2024年2月29日"));
    EXPECT_EQ(render::formatNumber(QStringLiteral("0.25"), render::builtinFormatCode(9)), QStringLiteral("25%"));
    EXPECT_EQ(render::formatNumber(QStringLiteral("1000"), render::builtinFormatCode(3)), QStringLiteral("1,000"));
    EXPECT_TRUE(render::builtinFormatCode(0).empty());
}

// A number read from a file sits at the right of its cell when the alignment is General; a
// text stays at the left.
TEST(NumberFormats, NumbersAreRightAlignedByDefault)
{
    sheet::Application app;
    sheet::Workbook& book = app.Workbooks().Add();
    sheet::Worksheet& ws = book.Sheets(1);
    ws.Range("B2").setValue("7");
    ws.Range("B3").setValue("7");
    ws.data().cell(2, 2).kind = sheet::CellKind::Number;
    const render::SheetGeometry geo(ws.data(), 4, 3);
    QImage image(int(geo.width() * 4), int(geo.height() * 4), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(4, 4);
    render::CellPainter cells(ws, geo, image.logicalDpiY());
    cells.paint(p, sheet::Rect{1, 1, 4, 3});
    p.end();
    auto inkRight = [&](int row) {
        int hi = -1;
        for (int y = int(geo.rowTop(row) * 4) + 2; y < int(geo.rowBottom(row) * 4) - 2; ++y)
            for (int x = int(geo.colLeft(2) * 4); x < int(geo.colRight(2) * 4); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    hi = std::max(hi, x);
        return hi / 4.0;
    };
    EXPECT_NEAR(inkRight(2), geo.colRight(2) - 1.5, 1.5);
    EXPECT_LT(inkRight(3), geo.colLeft(2) + 10);
}

} // namespace

namespace {

// General loses decimals to fit its column, as the spreadsheet shows 0.1343642441124012 in a
// narrow column as 0.134364; a whole part too wide for the column gives nothing (####).
TEST(NumberFormats, GeneralRoundsToTheColumnWidth)
{
    const QFont font(QStringLiteral("Noto Sans CJK JP"), 11);
    const QFontMetricsF metrics(font);
    const double room = metrics.horizontalAdvance(QStringLiteral("0.134364")) + 0.5;
    EXPECT_EQ(render::generalToFit("0.1343642441124012", metrics, room), QStringLiteral("0.134364"));
    EXPECT_EQ(render::generalToFit("2.0000001", metrics, room), QStringLiteral("2"));
    EXPECT_TRUE(render::generalToFit("123456789012", metrics, room).isEmpty());
}

} // namespace
