#include "RoleTags.h"

namespace mirevo::worker {

const std::array<Role, kRoleCount>& roles()
{
    static const std::array<Role, kRoleCount> table{{
        {QStringLiteral("[現] "), QStringLiteral("現"), QStringLiteral("現場代理人")},
        {QStringLiteral("[作] "), QStringLiteral("作"), QStringLiteral("作業主任者")},
        {QStringLiteral("[女] "), QStringLiteral("女"), QStringLiteral("女子社員")},
        {QStringLiteral("[未] "), QStringLiteral("未"), QStringLiteral("18歳未満の男子従業員")},
        {QStringLiteral("[主] "), QStringLiteral("主"), QStringLiteral("主任技術者")},
        {QStringLiteral("[職] "), QStringLiteral("職"), QStringLiteral("職長")},
        {QStringLiteral("[安] "), QStringLiteral("安"), QStringLiteral("安全衛生責任者")},
        {QStringLiteral("[能] "), QStringLiteral("能"), QStringLiteral("能力向上教育")},
        {QStringLiteral("[再] "), QStringLiteral("再"), QStringLiteral("危険有害業務・再発防止教育")},
        {QStringLiteral("[習] "), QStringLiteral("習"), QStringLiteral("外国人技能実習生")},
        {QStringLiteral("[就] "), QStringLiteral("就"), QStringLiteral("外国人建設就労者")},
        {QStringLiteral("[1特] "), QStringLiteral("1特"), QStringLiteral("１号特定技能外国人")},
    }};
    return table;
}

QString roleText(const RoleChecks& checked)
{
    QString text;
    for (int i = 0; i < kRoleCount; ++i)
        if (checked[i])
            text += roles()[i].tag;
    return text;
}

RoleChecks rolesFromText(const QString& text)
{
    RoleChecks checked{};
    for (int i = 0; i < kRoleCount; ++i)
        checked[i] = text.contains(roles()[i].key);
    return checked;
}

} // namespace mirevo::worker
