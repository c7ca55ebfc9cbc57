#include "WorkerHeadings.h"
#include "roster/WorkerRecord.h"

#include <QHash>

#include <algorithm>

namespace mirevo::workerimport {
namespace {

using namespace mirevo::worker;

// Compared without blanks, in half-width forms, lower case.
QString keyOf(const QString& heading)
{
    QString key = heading.normalized(QString::NormalizationForm_KC).toLower();
    key.remove(QChar(u' '));
    key.remove(QChar(u'\t'));
    key.remove(QChar(u'・'));
    return key;
}

const QHash<QString, int>& singleColumns()
{
    static const QHash<QString, int> table = [] {
        const std::pair<const char16_t*, int> names[] = {
            {u"ふりがな", Reading},
            {u"フリガナ", Reading},
            {u"よみがな", Reading},
            {u"ヨミガナ", Reading},
            {u"カナ", Reading},
            {u"カナ氏名", Reading},
            {u"氏名(ふりがな)", Reading},
            {u"氏名(フリガナ)", Reading},
            {u"氏名", Name},
            {u"名前", Name},
            {u"作業員名", Name},
            {u"氏名(漢字)", Name},
            {u"職種", Trade},
            {u"※担当役割", Roles},
            {u"担当役割", Roles},
            {u"※", Roles},
            {u"役割", Roles},
            {u"雇用年月日", Employed},
            {u"雇入年月日", Employed},
            {u"入社年月日", Employed},
            {u"入社日", Employed},
            {u"経験年数", Experience},
            {u"生年月日", Birth},
            {u"年齢", Age},
            {u"現住所", Address},
            {u"住所", Address},
            {u"tel", Phone},
            {u"電話番号", Phone},
            {u"電話", Phone},
            {u"携帯電話", Phone},
            {u"携帯番号", Phone},
            {u"家族連絡先", FamilyContact},
            {u"緊急連絡先", FamilyContact},
            {u"tel(連絡先)", FamilyPhone},
            {u"家族連絡先tel", FamilyPhone},
            {u"家族連絡先電話番号", FamilyPhone},
            {u"緊急連絡先tel", FamilyPhone},
            {u"緊急連絡先電話番号", FamilyPhone},
            {u"家族電話", FamilyPhone},
            {u"健康診断日", HealthCheck},
            {u"最近の健康診断日", HealthCheck},
            {u"健康診断", HealthCheck},
            {u"血液型", BloodType},
            {u"血圧", BloodPressure},
            {u"特殊健康診断", SpecialCheck},
            {u"特殊健康診断日", SpecialCheck},
            {u"種類", SpecialKind},
            {u"特殊健康診断の種類", SpecialKind},
            {u"健康保険", HealthInsurance},
            {u"年金保険", PensionInsurance},
            {u"厚生年金", PensionInsurance},
            {u"年金", PensionInsurance},
            {u"雇用保険", EmploymentInsurance},
            {u"入場年月日", SiteEntry},
            {u"受入教育", SiteEducation},
            {u"受入年月日", SiteEducation},
            {u"会社名", Company},
            {u"所属会社", Company},
            {u"所属会社名", Company},
            {u"会社", Company},
            {u"国民健康保険番号", HealthDigits},
            {u"健康保険番号", HealthDigits},
            {u"厚生年金番号", PensionDigits},
            {u"年金番号", PensionDigits},
            {u"雇用保険番号", EmploymentDigits},
            {u"no.", kIgnoredHeading},
            {u"no", kIgnoredHeading},
            {u"番号", kIgnoredHeading},
        };
        QHash<QString, int> t;
        for (const auto& [name, column] : names)
            t.insert(keyOf(QString::fromUtf16(name)), column);
        return t;
    }();
    return table;
}

// The first column of a group of three, from the heading's words.
int groupOf(const QString& key)
{
    if (key.contains(QStringLiteral("特別教育")) || key.startsWith(QStringLiteral("雇入")))
        return Education1;
    if (key.contains(QStringLiteral("技能講習")))
        return Skill1;
    if (key.startsWith(QStringLiteral("免許")))
        return Licence1;
    return kUnknownHeading;
}

// 0, 1 or 2 from a trailing 1–3 (①②③ become 1 2 3 in half-width form);
// -1 without one.
int indexOf(const QString& key)
{
    if (key.isEmpty())
        return -1;
    const QChar last = key.back();
    return last >= u'1' && last <= u'3' ? last.unicode() - u'1' : -1;
}

} // namespace

std::vector<int> matchHeadings(const QStringList& headings, QStringList* unknown)
{
    std::vector<int> columns;
    int lastGroup = kUnknownHeading;
    int nextInGroup = 0;
    for (const QString& heading : headings) {
        const QString key = keyOf(heading);
        int column = key.isEmpty() ? kIgnoredHeading : singleColumns().value(key, kUnknownHeading);
        if (column == kUnknownHeading) {
            const int group = groupOf(key);
            const int index = indexOf(key);
            if (group != kUnknownHeading) {
                const int within = index >= 0 ? index : group == lastGroup ? nextInGroup : 0;
                column = within <= 2 ? group + within : kIgnoredHeading;
                lastGroup = group;
                nextInGroup = within + 1;
            } else if (lastGroup != kUnknownHeading && index >= 0 && key.size() == 1) {
                column = lastGroup + index; // "②", "③" after a group heading
                nextInGroup = index + 1;
            }
        }
        if (column == kUnknownHeading && unknown)
            *unknown << heading;
        if (column >= 0 && std::find(columns.begin(), columns.end(), column) != columns.end())
            column = kIgnoredHeading; // a second heading of the same column: the first one counts
        columns.push_back(column);
    }
    return columns;
}

} // namespace mirevo::workerimport
