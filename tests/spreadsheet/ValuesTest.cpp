#include "SpreadsheetTestSupport.h"

#include <gtest/gtest.h>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

TEST(Values, TextIsStoredExactlyAndApostropheMarksKeepAsText)
{
    struct Case {
        std::string given;
        std::string shown;
        bool quotePrefix;
    };
    const std::vector<Case> cases = {
        {"0012", "0012", false},
        {"'0012", "0012", true},
        {"''x", "'x", true},
        {"1958/04/01", "1958/04/01", false},
        {"=SUM(A1:A3)", "=SUM(A1:A3)", false},
        {"1.50", "1.50", false},
        {"  空白  ", "  空白  ", false},
        {"一行目\n二行目", "一行目\n二行目", false},
        {"tab\there & <tag> \"q\"", "tab\there & <tag> \"q\"", false},
        {"_x0041_ literal", "_x0041_ literal", false},
        {"bell\x07", "bell\x07", false},
        {"改行\r\nCRLF", "改行\r\nCRLF", false},
        {"not a character: \xEF\xBF\xBF", "not a character: \xEF\xBF\xBF", false},
        {"95～60", "95～60", false},
    };
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    for (size_t i = 0; i < cases.size(); ++i)
        sheet.Cells(int(i) + 1, 1).setValue(cases[i].given);
    const std::string path = saveChecked(book);
    SavedBook saved(path);
    Workbook& reread = app.Workbooks().Open(path);
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string ref = "A" + std::to_string(i + 1);
        EXPECT_EQ(sheet.Range(ref).Value(), cases[i].shown) << ref;
        EXPECT_EQ(reread.Sheets(1).Range(ref).Value(), cases[i].shown) << ref;
        EXPECT_EQ(reread.Sheets(1).Range(ref).PrefixCharacter(), cases[i].quotePrefix ? "'" : "") << ref;
        EXPECT_EQ(saved.format(1, ref).xf.attribute("quotePrefix").as_bool(), cases[i].quotePrefix) << ref;
        EXPECT_STREQ(saved.cell(1, ref).attribute("t").value(), "s") << ref;
    }
    EXPECT_EQ(saved.strings()[0], "0012") << "one shared string for both 0012 cells";
    EXPECT_EQ(saved.strings().size(), cases.size() - 1);
}

TEST(Values, PlainValueClearsTheMarkAndEmptyTextClearsTheValue)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    sheet.Range("A1").setValue("'007");
    sheet.Range("A1").setValue("7");
    sheet.Range("B1").Font().setBold(true);
    sheet.Range("B1").setValue("x");
    sheet.Range("B1").setValue("");
    sheet.Range("C1:D2").setValue("same");
    SavedBook saved(saveChecked(book));
    EXPECT_EQ(saved.value(1, "A1"), "7");
    EXPECT_FALSE(saved.format(1, "A1").xf.attribute("quotePrefix").as_bool());
    EXPECT_FALSE(saved.cell(1, "B1").child("v"));
    EXPECT_TRUE(saved.format(1, "B1").font.child("b")) << "clearing the value keeps the format";
    for (const char* ref : {"C1", "D1", "C2", "D2"})
        EXPECT_EQ(saved.value(1, ref), "same") << ref;
}

TEST(Values, RefusesTextTheSpreadsheetCannotHold)
{
    Application app;
    Worksheet& sheet = app.Workbooks().Add().Sheets(1);
    EXPECT_THROW(sheet.Range("A1").setValue(std::string(32768, 'x')), SheetError);
    EXPECT_THROW(sheet.Range("A1").setValue(std::string("\xff\xfe bad")), SheetError);
    sheet.Range("A1").setValue(std::string(32767, 'x'));
    EXPECT_EQ(sheet.Range("A1").Value().size(), 32767u);
}

TEST(Values, ARefusedValueNamesItsSheetAndCell)
{
    Application app;
    Worksheet& sheet = app.Workbooks().Add().Sheets(1);
    sheet.setName(QStringLiteral("作業員名簿【山田建設】"));
    try {
        sheet.Range("E14").setValue(std::string(40000, 'x'));
        FAIL() << "no error";
    } catch (const SheetError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("作業員名簿【山田建設】"), std::string::npos) << message;
        EXPECT_NE(message.find("E14"), std::string::npos) << message;
        EXPECT_NE(message.find("40000 文字"), std::string::npos) << message;
    }
}

TEST(Values, QStringOverloadsCarryJapaneseText)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Sheets(1);
    sheet.setName(QStringLiteral("作業員名簿【山田建設】"));
    sheet.Range(QStringLiteral("E14")).setValue(QStringLiteral("ヤマダ タロウ"));
    sheet.Range("E16").Font().setName(QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(book.Sheets(QStringLiteral("作業員名簿【山田建設】")).Range("E14").Value(), "ヤマダ タロウ");
    EXPECT_EQ(sheet.Range("E16").Font().Name(), "ＭＳ Ｐ明朝");
}
