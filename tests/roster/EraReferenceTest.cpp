#include "roster/EraReference.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace mirevo::worker;

namespace {

// Era year texts of one western year, in table order.
QStringList rowsOf(const std::vector<EraReferenceRow>& table, int year)
{
    QStringList found;
    for (const EraReferenceRow& row : table)
        if (row.westernYear == QString::number(year))
            found << row.eraYear;
    return found;
}

} // namespace

TEST(EraReference, SizeAndEnds)
{
    const auto table = eraReferenceTable();
    ASSERT_EQ(table.size(), 145u);
    EXPECT_EQ(table.front().eraYear, QStringLiteral("令和19年"));
    EXPECT_EQ(table.front().westernYear, QStringLiteral("2037"));
    EXPECT_EQ(table.back().eraYear, QStringLiteral("明治30年"));
    EXPECT_EQ(table.back().westernYear, QStringLiteral("1897"));
}

TEST(EraReference, EraChangeYearsHaveTwoRowsNewEraFirst)
{
    const auto table = eraReferenceTable();
    EXPECT_EQ(rowsOf(table, 2019), QStringList({QStringLiteral("令和1年"), QStringLiteral("平成31年")}));
    EXPECT_EQ(rowsOf(table, 1989), QStringList({QStringLiteral("平成1年"), QStringLiteral("昭和64年")}));
    EXPECT_EQ(rowsOf(table, 1926), QStringList({QStringLiteral("昭和1年"), QStringLiteral("大正15年")}));
    EXPECT_EQ(rowsOf(table, 1912), QStringList({QStringLiteral("大正1年"), QStringLiteral("明治45年")}));
    EXPECT_EQ(rowsOf(table, 2035), QStringList({QStringLiteral("令和17年")}));
    EXPECT_EQ(rowsOf(table, 2037), QStringList({QStringLiteral("令和19年")}));
    EXPECT_EQ(rowsOf(table, 1990), QStringList({QStringLiteral("平成2年")}));
}
