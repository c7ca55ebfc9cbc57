#include "Choices.h"

namespace mirevo::choices {

const QStringList& licenceKinds()
{
    static const QStringList items{QStringLiteral("大臣 特定"), QStringLiteral("大臣 一般"),
                                   QStringLiteral("知事 特定"), QStringLiteral("知事 一般")};
    return items;
}

const QStringList& authorities()
{
    static const QStringList items{QStringLiteral("契約書記載のとおり"), QStringLiteral("口頭による")};
    return items;
}

const QStringList& enrolments()
{
    static const QStringList items{QStringLiteral("加入"), QStringLiteral("未加入"), QStringLiteral("適用除外")};
    return items;
}

const QStringList& presence()
{
    static const QStringList items{QStringLiteral("無し"), QStringLiteral("有り")};
    return items;
}

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList upperCompanyNumbers()
{
    return QStringList{QStringLiteral("0 : 元請")} + numbers(1, 20);
}

} // namespace mirevo::choices
