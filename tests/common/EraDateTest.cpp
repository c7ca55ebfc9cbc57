#include "common/EraDate.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace mirevo;

namespace {

struct EraCase {
    QDate date;
    const char* text;
};

class EraDateText : public ::testing::TestWithParam<EraCase> { };

TEST_P(EraDateText, FollowsTheEraBoundaries)
{
    EXPECT_EQ(eraDateText(GetParam().date), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EraDateText,
    ::testing::Values(EraCase{QDate(2019, 4, 30), "平成31年4月30日"}, EraCase{QDate(2019, 5, 1), "令和1年5月1日"},
                      EraCase{QDate(2020, 1, 1), "令和2年1月1日"}, EraCase{QDate(1989, 1, 7), "昭和64年1月7日"},
                      EraCase{QDate(1989, 1, 8), "平成1年1月8日"}, EraCase{QDate(1926, 12, 24), "大正15年12月24日"},
                      EraCase{QDate(1926, 12, 25), "昭和1年12月25日"}, EraCase{QDate(1912, 7, 29), "明治45年7月29日"},
                      EraCase{QDate(1912, 7, 30), "大正1年7月30日"}, EraCase{QDate(2024, 5, 20), "令和6年5月20日"}));

TEST(EraDate, OtherDateTexts)
{
    const QDate d(2024, 5, 5);
    EXPECT_EQ(plainDateText(d), "2024/5/5");
    EXPECT_EQ(normalisedDateText(d), "2024/05/05");
    EXPECT_EQ(spacedEraDateText(QDate(2024, 12, 9)), QStringLiteral("令和 6年 12月 9日"));
    EXPECT_EQ(blankDateTemplate(), QStringLiteral("        年    月     日"));
    EXPECT_EQ(blankDateTemplate().size(), 8 + 1 + 4 + 1 + 5 + 1);
}

TEST(EraDate, ReadsTheShortDateFormat)
{
    EXPECT_EQ(readShortDate("2024/5/5"), QDate(2024, 5, 5));
    EXPECT_EQ(readShortDate("2024/05/05"), QDate(2024, 5, 5));
    EXPECT_EQ(readShortDate(" 1970/1/31 "), QDate(1970, 1, 31));
    EXPECT_FALSE(readShortDate("").isValid());
    EXPECT_FALSE(readShortDate("2023/2/29").isValid());
    EXPECT_FALSE(readShortDate("2024-05-05").isValid());
    EXPECT_FALSE(readShortDate("abc/1/2").isValid());
}

TEST(EraDate, YearAndMonthSteps)
{
    EXPECT_EQ(addYearsKeepingFebruary(QDate(2024, 2, 29), 1), QDate(2025, 2, 28));
    EXPECT_EQ(addYearsKeepingFebruary(QDate(2024, 2, 29), 4), QDate(2028, 2, 28));
    EXPECT_EQ(addYearsKeepingFebruary(QDate(2024, 2, 29), -5), QDate(2019, 2, 28));
    EXPECT_EQ(addMonthsClamped(QDate(2024, 1, 31), 1), QDate(2024, 2, 29));
    EXPECT_EQ(addMonthsClamped(QDate(2024, 3, 31), -1), QDate(2024, 2, 29));
    EXPECT_EQ(addMonthsClamped(QDate(2023, 12, 15), 1), QDate(2024, 1, 15));
}

} // namespace

namespace {

struct AnyDateCase {
    const char16_t* text;
    QDate expected; // invalid: not a date
};

class AnyDate : public ::testing::TestWithParam<AnyDateCase> { };

TEST_P(AnyDate, ReadsTheFormsPeopleType)
{
    const AnyDateCase& c = GetParam();
    EXPECT_EQ(readAnyDate(QString::fromUtf16(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AnyDate,
    ::testing::Values(AnyDateCase{u"1975/05/05", QDate(1975, 5, 5)}, AnyDateCase{u"1975-05-05", QDate(1975, 5, 5)},
                      AnyDateCase{u"1975.5.5", QDate(1975, 5, 5)}, AnyDateCase{u"1975年5月5日", QDate(1975, 5, 5)},
                      AnyDateCase{u" 1975 年 5 月 5 日 ", QDate(1975, 5, 5)},
                      AnyDateCase{u"１９７５／０５／０５", QDate(1975, 5, 5)},
                      AnyDateCase{u"昭和50年5月5日", QDate(1975, 5, 5)},
                      AnyDateCase{u"平成元年1月8日", QDate(1989, 1, 8)},
                      AnyDateCase{u"令和 6年 5月 20日", QDate(2024, 5, 20)}, AnyDateCase{u"S50.5.5", QDate(1975, 5, 5)},
                      AnyDateCase{u"s50.5.5", QDate(1975, 5, 5)}, AnyDateCase{u"Ｈ２．４．１", QDate(1990, 4, 1)},
                      AnyDateCase{u"R2.4.1", QDate(2020, 4, 1)}, AnyDateCase{u"R2/4/1", QDate(2020, 4, 1)},
                      AnyDateCase{u"1980/13/40", QDate()}, AnyDateCase{u"2023/02/29", QDate()},
                      AnyDateCase{u"X2.4.1", QDate()}, AnyDateCase{u"S0.5.5", QDate()}, AnyDateCase{u"75/5/5", QDate()},
                      AnyDateCase{u"", QDate()}, AnyDateCase{u"昭和五十年", QDate()}));

} // namespace
