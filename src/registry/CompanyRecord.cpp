#include "CompanyRecord.h"

namespace mirevo::company {

QStringList headings()
{
    return {
        QStringLiteral("No."), QStringLiteral("会社名"), QStringLiteral("支店・営業所名"),
        QStringLiteral("代表者名"), QStringLiteral("郵便"), QStringLiteral("番号"), QStringLiteral("住所"),
        QStringLiteral("許可業種1"), QStringLiteral("許可番号1(大臣・知事)"), QStringLiteral("許可番号1(番号)"),
        QStringLiteral("許可更新日1"), QStringLiteral("許可業種2"), QStringLiteral("許可番号2(大臣・知事)"),
        QStringLiteral("許可番号2(番号)"), QStringLiteral("許可更新日2"), QStringLiteral("監督員名"),
        QStringLiteral("権限及び意見申出方法"), QStringLiteral("現場代理人名"), QStringLiteral("権限及び意見申出方法"),
        QStringLiteral("監理／主任技術者名"), QStringLiteral("資格内容"), QStringLiteral("専門技術者名1"),
        QStringLiteral("資格内容1"), QStringLiteral("担当工事内容1"), QStringLiteral("専門技術者名2"),
        QStringLiteral("資格内容2"), QStringLiteral("担当工事内容2"), QStringLiteral("安全衛生責任者名"),
        QStringLiteral("安全衛生推進者名"), QStringLiteral("雇用管理責任者名"), QStringLiteral("(保険)営業所の名称"),
        QStringLiteral("健康保険"), QStringLiteral("加入状況"), QStringLiteral("厚生年金"), QStringLiteral("加入状況"),
        QStringLiteral("雇用保険"), QStringLiteral("加入状況"), QStringLiteral("外国人就労者の有無"),
        QStringLiteral("外国人技能実習生の有無"), QStringLiteral("電話番号"), QStringLiteral("直近上位の会社No."),
        QStringLiteral("直近上位の会社名"), QStringLiteral("〇次下請け"), QStringLiteral("工期　自"),
        QStringLiteral("工期　至"), QStringLiteral("契約日"), QStringLiteral("専任・非専任"),
        QStringLiteral("事業者ID"), QStringLiteral("特定専門工事の該当"), QString()};
}

} // namespace mirevo::company
