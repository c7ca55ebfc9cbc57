#include "registry/CompanyFields.h"
#include "common/EraDate.h"
#include "registry/Choices.h"
#include "registry/CompanyRecord.h"

#include <gtest/gtest.h>
#include <map>

using namespace mirevo;

// The entry fields of the company record, column by column, and the initial
// texts the registration window's layout gives them.
TEST(CompanyFields, EveryColumnHasTheEntryFieldOfTheRecordLayout)
{
    const std::map<int, QString> names{
        {1, "Edit42"},      {2, "Edit43"},      {3, "Edit44"},  {4, "Edit45"},      {5, "Edit46"},  {6, "Edit47"},
        {7, "Edit51"},      {8, "ComboBox11"},  {9, "Edit53"},  {10, "Edit57"},     {11, "Edit54"}, {12, "ComboBox12"},
        {13, "Edit56"},     {14, "Edit58"},     {15, "Edit59"}, {16, "ComboBox13"}, {17, "Edit60"}, {18, "ComboBox14"},
        {19, "Edit61"},     {20, "Edit62"},     {21, "Edit63"}, {22, "Edit64"},     {23, "Edit65"}, {24, "Edit66"},
        {25, "Edit67"},     {26, "Edit68"},     {27, "Edit48"}, {28, "Edit49"},     {29, "Edit50"}, {30, "Edit69"},
        {31, "Edit70"},     {32, "ComboBox17"}, {33, "Edit71"}, {34, "ComboBox18"}, {35, "Edit72"}, {36, "ComboBox19"},
        {37, "ComboBox15"}, {38, "ComboBox16"}, {39, "Edit73"}, {40, "ComboBox20"}, {41, "Edit75"}, {42, "ComboBox21"},
    };
    ASSERT_EQ(companyFields().size(), names.size());
    for (const auto& [column, name] : names) {
        const CompanyField* f = companyField(column);
        ASSERT_TRUE(f) << column;
        EXPECT_EQ(f->editor, name) << column;
        EXPECT_EQ(f->column, column);
    }
    EXPECT_EQ(companyField(0), nullptr);
    EXPECT_EQ(companyField(company::Dedicated), nullptr);

    const std::map<int, QString> initials{
        {1, QStringLiteral("〇〇〇〇〇株式会社")},
        {2, QStringLiteral("〇〇〇営業所")},
        {4, "760"},
        {5, "0050"},
        {9, QStringLiteral("00第　0000 号")},
        {10, blankDateTemplate()},
        {20, QStringLiteral("〇級〇〇〇〇監理技士")},
        {31, "00000-00-0000"},
        {39, "000-000-0000"},
    };
    for (const auto& [column, initial] : initials)
        EXPECT_EQ(companyField(column)->initial, initial) << column;
}

TEST(CompanyFields, DropDownValues)
{
    EXPECT_EQ(choices::licenceKinds(),
              (QStringList{QStringLiteral("大臣 特定"), QStringLiteral("大臣 一般"), QStringLiteral("知事 特定"),
                           QStringLiteral("知事 一般")}));
    EXPECT_EQ(choices::authorities(),
              (QStringList{QStringLiteral("契約書記載のとおり"), QStringLiteral("口頭による")}));
    EXPECT_EQ(choices::enrolments(),
              (QStringList{QStringLiteral("加入"), QStringLiteral("未加入"), QStringLiteral("適用除外")}));
    EXPECT_EQ(choices::presence(), (QStringList{QStringLiteral("無し"), QStringLiteral("有り")}));
    const QStringList upper = choices::upperCompanyNumbers();
    ASSERT_EQ(upper.size(), 21);
    EXPECT_EQ(upper.first(), QStringLiteral("0 : 元請"));
    EXPECT_EQ(upper[1], "1");
    EXPECT_EQ(upper.last(), "20");
}
