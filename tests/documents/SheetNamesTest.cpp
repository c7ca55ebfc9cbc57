#include "documents/SheetNames.h"
#include "spreadsheet/SheetName.h"

#include <gtest/gtest.h>

using namespace mirevo::documents;

namespace {

struct NameCase {
    const char* prefix;
    const char* company;
    QStringList taken;
    const char* expected;
};

class CompanySheetNames : public ::testing::TestWithParam<NameCase> { };

TEST_P(CompanySheetNames, AreLegalAndKeepTheBrackets)
{
    const NameCase& c = GetParam();
    const QString name = companySheetName(QString::fromUtf8(c.prefix), QString::fromUtf8(c.company), c.taken);
    EXPECT_EQ(name, QString::fromUtf8(c.expected));
    EXPECT_LE(name.size(), 31);
    EXPECT_NO_THROW(mirevo::sheet::checkSheetName(name.toStdString()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompanySheetNames,
    ::testing::Values(NameCase{"作業員名簿", "山田工業", {}, "作業員名簿【山田工業】"},
                      // 22 + 8 + 2 characters: the company part is cut, the brackets stay.
                      NameCase{"12年少者・高年齢者・高血圧者就労報告書届",
                               "株式会社山田工業所東",
                               {},
                               "12年少者・高年齢者・高血圧者就労報告書届【株式会社山田工業】"},
                      NameCase{"9.工事用車輌届", "A/B:C?D*E[F]G\\H", {}, "9.工事用車輌届【A_B_C_D_E_F_G_H】"},
                      NameCase{"9.工事用車輌届", "全角／：？", {}, "9.工事用車輌届【全角___】"},
                      // The same company under two upper companies; case is ignored.
                      NameCase{"作業員名簿", "abc", {QStringLiteral("作業員名簿【ABC】")}, "作業員名簿【abc(2)】"},
                      NameCase{"作業員名簿",
                               "abc",
                               {QStringLiteral("作業員名簿【abc】"), QStringLiteral("作業員名簿【abc(2)】")},
                               "作業員名簿【abc(3)】"},
                      NameCase{"12年少者・高年齢者・高血圧者就労報告書届",
                               "株式会社山田工業所",
                               {QStringLiteral("12年少者・高年齢者・高血圧者就労報告書届【株式会社山田工業】")},
                               "12年少者・高年齢者・高血圧者就労報告書届【株式会社山(2)】"},
                      NameCase{"作業員名簿", "", {}, "作業員名簿【】"},
                      NameCase{"作業員名簿", "改\n行", {}, "作業員名簿【改_行】"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::to_string(info.index); });

TEST(LegalSheetName, ShortensReplacesAndNumbers)
{
    EXPECT_EQ(legalSheetName(QStringLiteral("書類一覧"), {}), QStringLiteral("書類一覧"));
    EXPECT_EQ(legalSheetName(QStringLiteral("書類一覧"), {QStringLiteral("書類一覧")}), QStringLiteral("書類一覧 (2)"));
    EXPECT_EQ(legalSheetName(QStringLiteral("'a/b'"), {}), QStringLiteral("_a_b_"));
    EXPECT_EQ(legalSheetName(QString(40, u'あ'), {}).size(), 31);
}

} // namespace
