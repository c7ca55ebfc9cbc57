#include "SpreadsheetTestSupport.h"

#include <gtest/gtest.h>

using namespace mirevo::sheet;
using namespace mirevo::sheet::test;

namespace {

std::string refusal(Worksheet& sheet, const std::string& name)
{
    try {
        sheet.setName(name);
    } catch (const SheetError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(SheetNames, RefusesNamesTheSpreadsheetRefuses)
{
    struct Case {
        std::string name;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"", "空"},
        {std::string(32, 'x'), "31文字"},
        {"作業員名簿【株式会社あいうえおかきくけこさしすせそたちつてとな】", "31文字"},
        {"a:b", ":"},
        {"a\\b", "\\"},
        {"a/b", "/"},
        {"a?b", "?"},
        {"a*b", "*"},
        {"a[b", "["},
        {"a]b", "]"},
        {"a：b", "："},
        {"a＼b", "＼"},
        {"a／b", "／"},
        {"a？b", "？"},
        {"a＊b", "＊"},
        {"a［b", "［"},
        {"a］b", "］"},
        {"'quoted", "アポストロフィ"},
        {"History", "予約"},
        {"FIRST", "同じ名前"},        // another sheet's name ignoring case
        {"ｆｉｒｓｔ２", "同じ名前"}, // full-width letters fold as well
    };
    Application app;
    Workbook& book = app.Workbooks().Add();
    book.Sheets(1).setName("first");
    book.Sheets().Add().setName("ＦＩＲＳＴ２");
    Worksheet& sheet = book.Sheets().Add();
    const std::string before = sheet.Name();
    for (const Case& c : cases) {
        const std::string message = refusal(sheet, c.name);
        EXPECT_NE(message.find(c.why), std::string::npos) << "name \"" << c.name << "\": " << message;
        EXPECT_NE(message.find(c.name), std::string::npos) << message;
        EXPECT_EQ(sheet.Name(), before);
    }
}

TEST(SheetNames, AcceptsLongestJapaneseNameAndOwnNameInOtherCase)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    const std::string name31 = "2-1.施工体制台帳【株式会社山田建設工業東京支店第二工事部】";
    ASSERT_EQ(QString::fromStdString(name31).size(), 31);
    book.Sheets(1).setName(name31);
    book.Sheets(1).setName("sheet1");
    book.Sheets(1).setName("SHEET1"); // renaming to itself in another case is allowed
    EXPECT_STREQ(SavedBook(saveChecked(book)).workbook().child("sheets").child("sheet").attribute("name").value(),
                 "SHEET1");
}

TEST(SheetNames, CopiesGetTheSpreadsheetsNumberedNames)
{
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& form = book.Sheets(1);
    form.setName("作業員名簿");
    EXPECT_EQ(form.Copy(After{form}).Name(), "作業員名簿 (2)");
    EXPECT_EQ(form.Copy(After{form}).Name(), "作業員名簿 (3)");
    form.setName(std::string(31, 'n'));
    EXPECT_EQ(form.Copy(After{form}).Name(), std::string(27, 'n') + " (2)");
}
