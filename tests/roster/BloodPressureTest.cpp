#include "roster/BloodPressure.h"

#include <gtest/gtest.h>

using namespace mirevo::worker;

TEST(BloodPressure, ReadsTwoAndThreeDigitHighValues)
{
    struct Case {
        QString text;
        QString high, low;
    };
    const std::vector<Case> cases{
        {QStringLiteral("95～60"), QStringLiteral("95"), QStringLiteral("60")},
        {QStringLiteral("120～80"), QStringLiteral("120"), QStringLiteral("80")},
        {QStringLiteral("200～150"), QStringLiteral("200"), QStringLiteral("150")},
        {QStringLiteral("99～"), QStringLiteral("99"), QString()},
    };
    for (const Case& c : cases) {
        auto value = readBloodPressure(c.text);
        ASSERT_TRUE(value) << c.text.toStdString();
        EXPECT_EQ(value->high, c.high);
        EXPECT_EQ(value->low, c.low);
        EXPECT_EQ(bloodPressureText(*value), c.text);
    }
}

TEST(BloodPressure, OtherTextsAreNotRead)
{
    for (const QString& text : {QString(), QStringLiteral("～"), QStringLiteral("1～80"), QStringLiteral("1200～80"),
                                QStringLiteral("120/80"), QStringLiteral("12")})
        EXPECT_FALSE(readBloodPressure(text)) << text.toStdString();
}

TEST(BloodPressure, PickerValues)
{
    const QStringList high = highValues(), low = lowValues();
    ASSERT_EQ(high.size(), 116);
    ASSERT_EQ(low.size(), 116);
    EXPECT_EQ(high.first(), QStringLiteral("200"));
    EXPECT_EQ(high.last(), QStringLiteral("85"));
    EXPECT_EQ(low.first(), QStringLiteral("150"));
    EXPECT_EQ(low.last(), QStringLiteral("35"));
    EXPECT_TRUE(low.contains(QStringLiteral("78")));
}
