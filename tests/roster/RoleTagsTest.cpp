#include "roster/RoleTags.h"

#include <gtest/gtest.h>

using namespace mirevo::worker;

namespace {

RoleChecks checks(std::initializer_list<int> indices)
{
    RoleChecks c{};
    for (int i : indices)
        c[i] = true;
    return c;
}

struct RoleCase {
    RoleChecks checked;
    QString text;
};

} // namespace

TEST(RoleTags, TextFollowsRoleOrderAndReadsBack)
{
    const std::vector<RoleCase> cases{
        {checks({}), QString()},
        {checks({0, 5}), QStringLiteral("[現] [職] ")},
        {checks({5, 0}), QStringLiteral("[現] [職] ")},
        {checks({11}), QStringLiteral("[1特] ")},
        {checks({1, 2, 3, 4, 6, 7, 8, 9, 10}),
         QStringLiteral("[作] [女] [未] [主] [安] [能] [再] [習] [就] ")},
        {checks({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
         QStringLiteral("[現] [作] [女] [未] [主] [職] [安] [能] [再] [習] [就] [1特] ")},
    };
    for (const RoleCase& c : cases) {
        EXPECT_EQ(roleText(c.checked), c.text);
        EXPECT_EQ(rolesFromText(c.text), c.checked) << c.text.toStdString();
    }
}

TEST(RoleTags, ReadingLooksForKeysNotTags)
{
    // Typed texts without brackets or blanks still check their boxes.
    EXPECT_EQ(rolesFromText(QStringLiteral("現職")), checks({0, 5}));
    // "特" alone or a full-width "１特" is not the key "1特".
    EXPECT_EQ(rolesFromText(QStringLiteral("特")), checks({}));
    EXPECT_EQ(rolesFromText(QStringLiteral("１特")), checks({}));
    EXPECT_EQ(rolesFromText(QStringLiteral("x1特y")), checks({11}));
}

TEST(RoleTags, EveryTagEndsInOneBlankAndHoldsItsKey)
{
    for (const Role& role : roles()) {
        EXPECT_TRUE(role.tag.endsWith(QStringLiteral("] ")));
        EXPECT_EQ(role.tag, QStringLiteral("[") + role.key + QStringLiteral("] "));
    }
    EXPECT_EQ(roles()[11].caption, QStringLiteral("１号特定技能外国人"));
}
