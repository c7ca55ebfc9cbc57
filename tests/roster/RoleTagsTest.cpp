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
        {checks({1, 2, 3, 4, 6, 7, 8, 9, 10}), QStringLiteral("[作] [女] [未] [主] [安] [能] [再] [習] [就] ")},
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

TEST(RoleTags, TheTwelveRolesInTheirOrder)
{
    const struct {
        const char16_t* tag;
        const char16_t* caption;
    } expected[]{
        {u"[現] ", u"現場代理人"},           {u"[作] ", u"作業主任者"},       {u"[女] ", u"女子社員"},
        {u"[未] ", u"18歳未満の男子従業員"}, {u"[主] ", u"主任技術者"},       {u"[職] ", u"職長"},
        {u"[安] ", u"安全衛生責任者"},       {u"[能] ", u"能力向上教育"},     {u"[再] ", u"危険有害業務・再発防止教育"},
        {u"[習] ", u"外国人技能実習生"},     {u"[就] ", u"外国人建設就労者"}, {u"[1特] ", u"１号特定技能外国人"},
    };
    for (int i = 0; i < kRoleCount; ++i) {
        EXPECT_EQ(roles()[i].tag, QString::fromUtf16(expected[i].tag)) << i;
        EXPECT_EQ(roles()[i].caption, QString::fromUtf16(expected[i].caption)) << i;
        RoleChecks one{};
        one[i] = true;
        EXPECT_EQ(roleText(one), QString::fromUtf16(expected[i].tag)) << i;
        EXPECT_EQ(rolesFromText(QString::fromUtf16(expected[i].tag)), one) << i;
    }
}
