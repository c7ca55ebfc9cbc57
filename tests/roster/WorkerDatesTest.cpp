#include "roster/WorkerDates.h"

#include <gtest/gtest.h>

using namespace mirevo::worker;

struct YearsCase {
    QDate from;
    QDate today;
    int years;
};

TEST(WorkerDates, TwentyNinthOfFebruaryAnniversary)
{
    const std::vector<YearsCase> cases{
        // Common year: the birthday falls on 28 February.
        {QDate(1980, 2, 29), QDate(2025, 2, 27), 44},
        {QDate(1980, 2, 29), QDate(2025, 2, 28), 45},
        {QDate(1980, 2, 29), QDate(2025, 3, 1), 45},
        // Leap year: only 29 February counts.
        {QDate(1980, 2, 29), QDate(2024, 2, 28), 43},
        {QDate(1980, 2, 29), QDate(2024, 2, 29), 44},
        {QDate(1980, 2, 29), QDate(2024, 3, 1), 44},
        // Other birthdays are not moved.
        {QDate(1980, 2, 28), QDate(2024, 2, 27), 43},
        {QDate(1980, 2, 28), QDate(2024, 2, 28), 44},
        {QDate(1980, 3, 1), QDate(2024, 2, 29), 43},
        {QDate(1980, 3, 1), QDate(2025, 2, 28), 44},
        {QDate(1980, 3, 1), QDate(2025, 3, 1), 45},
        // Year boundaries and a date of today.
        {QDate(1999, 12, 31), QDate(2025, 1, 1), 25},
        {QDate(2000, 1, 1), QDate(2024, 12, 31), 24},
        {QDate(2025, 6, 1), QDate(2025, 6, 1), 0},
    };
    for (const YearsCase& c : cases)
        EXPECT_EQ(completedYears(c.from, c.today), c.years)
            << c.from.toString().toStdString() << " → " << c.today.toString().toStdString();
}

TEST(WorkerDates, YearsSinceRewritesTheDateAndKeepsThe29th)
{
    auto age = yearsSince(QStringLiteral("1980/2/29"), QDate(2025, 2, 28));
    ASSERT_TRUE(age);
    EXPECT_EQ(age->normalised, QStringLiteral("1980/02/29"));
    EXPECT_EQ(age->years, 45);

    auto experience = yearsSince(QStringLiteral("1958/4/1"), QDate(2025, 3, 31));
    ASSERT_TRUE(experience);
    EXPECT_EQ(experience->normalised, QStringLiteral("1958/04/01"));
    EXPECT_EQ(experience->years, 66);
}

TEST(WorkerDates, BlankOrBadDatesGiveNothing)
{
    const QDate today(2025, 1, 1);
    for (const QString& text :
         {QString(), QStringLiteral(" "), QStringLiteral("〇〇〇〇"), QStringLiteral("1980/13/01"),
          QStringLiteral("1981/02/29"), QStringLiteral("1980-01-01"), QStringLiteral("1980/01")})
        EXPECT_FALSE(yearsSince(text, today)) << text.toStdString();
    EXPECT_FALSE(normalisedDate(QStringLiteral("abc")));
    EXPECT_EQ(normalisedDate(QStringLiteral("2024/5/5")), QStringLiteral("2024/05/05"));
}
