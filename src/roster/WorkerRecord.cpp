#include "WorkerRecord.h"

namespace mirevo::worker {

QStringList siteHeadings()
{
    QStringList h{QStringLiteral("No."),
                  QStringLiteral("ふりがな"),
                  QStringLiteral("氏名"),
                  QStringLiteral("職種"),
                  QStringLiteral("※"),
                  QStringLiteral("雇用年月日"),
                  QStringLiteral("経験年数"),
                  QStringLiteral("生年月日"),
                  QStringLiteral("年齢"),
                  QStringLiteral("現住所"),
                  QStringLiteral("TEL"),
                  QStringLiteral("家族連絡先"),
                  QStringLiteral("TEL(連絡先)"),
                  QStringLiteral("健康診断日"),
                  QStringLiteral("血液型"),
                  QStringLiteral("血圧"),
                  QStringLiteral("特殊健康診断"),
                  QStringLiteral("種類"),
                  QStringLiteral("健康保険"),
                  QStringLiteral("年金保険"),
                  QStringLiteral("雇用保険"),
                  QStringLiteral("雇入 ・ 職長・特別教育①"),
                  QStringLiteral("②"),
                  QStringLiteral("③"),
                  QStringLiteral("技能講習①"),
                  QStringLiteral("②"),
                  QStringLiteral("③"),
                  QStringLiteral("免許①"),
                  QStringLiteral("②"),
                  QStringLiteral("③"),
                  QStringLiteral("入場年月日"),
                  QStringLiteral("受入教育"),
                  QStringLiteral("会社名"),
                  QStringLiteral("国民健康保険番号"),
                  QStringLiteral("厚生年金番号"),
                  QStringLiteral("雇用保険番号")};
    while (h.size() < kColumns - 1)
        h << QString();
    h << QStringLiteral("No.");
    return h;
}

QStringList registryHeadings()
{
    QStringList h = siteHeadings();
    h[Roles] = QStringLiteral("※担当役割");
    h[HealthDigits] = h[PensionDigits] = h[EmploymentDigits] = QString();
    return h;
}

} // namespace mirevo::worker
