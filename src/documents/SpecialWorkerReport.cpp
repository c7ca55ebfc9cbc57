#include "SpecialWorkerReport.h"

#include "FormKit.h"
#include "Forms.h"
#include "common/EraDate.h"
#include "common/TextGrid.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "roster/BloodPressure.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QRegularExpression>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {
    {"A1:A66", 12},  {"A5", 6},       {"A7", 24},      {"A14", 9}, {"A15:A18", 18}, {"A19", 9},
    {"A20:A25", 18}, {"A26:A28", 9},  {"A29:A46", 15}, {"A30", 9}, {"A39", 9},      {"A41", 9},
    {"A46:A48", 9},  {"A49:A56", 15}, {"A50", 9},      {"A57", 9}, {"A58", 15},
};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AI66", 10, kHeights, kPortraitWidths, "A1:AI66"};

constexpr Box kBoxes[] = {
    {"E7:Y7", "年少者・高年齢者・高血圧者就労報告書", "M C 16 B"},
    {"E8:Y8", "(15歳以上18歳未満・65歳以上・最低血圧95以上、最高血圧160以上）", "M C 10 red"},
    {"B10:F11", "事業所の名称", "M C 10"},
    {"B12:F13", "所　　長　　名", "M C"},
    {"N12:O13", "殿", "M C 10"},
    {"B15:I15", "氏             名", "M C"},
    {"Q15:T15", "生年月日", "M C"},
    {"AB15:AD15", "年 齢", "M C"},
    {"AG15:AH15", " 歳", "M C"},
    {"B16:I16", "住             所", "M C"},
    {"B17:I17", "血 圧 測 定 値", "M C"},
    {"J17:M17", "最高血圧 ：", "M C"},
    {"Q17:T17", "最低血圧 ：", "M C"},
    {"X17:AA17", "定期健診日", "M C"},
    {"B18:I18", "高血圧者へのフォロー", "M C S"},
    {"J18:P18", "  □現在通院中", "M C"},
    {"Q18:W18", "服薬の有無", "M C"},
    {"X18:AH18", "　□有　　　　　□無　　　　　　", "M C"},
    {"C20:R20", "※上記作業員の就労を下記制限を付して申請します。", "M"},
    {"T21:X21", "一 次 会 社 名", "M"},
    {"T23:X23", "住              所", "M"},
    {"T24:X24", "代 表 者 氏 名", "M"},
    {"T25:X25", "安 全 衛 生 者", "M"},
    {"AG24:AH24", "印", "M"},
    {"B29:AH29", "年少者の就労制限業務の内容", "M C 12 B"},
    {"D31:AF31", "1. 高さが5メートル以上で墜落の恐れのある場所での作業", "M"},
    {"D32:AF32", "2. 足場の組立て、解体作業（地上、床上での補助作業を除く）", "M"},
    {"D33:AF33", "3. さく岩機等（電動チッパー、ブレーカー等）身体に著しい振動を与える機械・器具を用いる作業", "M S"},
    {"D34:AF34", "4. じんあい、粉末を著しく飛散する場所での作業", "M"},
    {"D35:AF35", "5. 30kg以上の重量物の取り扱い（断続作業）", "M"},
    {"D36:AF36", "6. 精神的、肉体的緊張を継続する作業", "M"},
    {"D37:AF37", "7. 炎天下の作業など疲労を蓄積する作業", "M"},
    {"D38:AF38", "8. その他（　　　　　　　　　　　　　　　　　　　　　　）", "M S"},
    {"D40:AF40", "※年少者の場合は、年齢を証明する書類及び親（保護者）の就労承認書を添付すること。", "M S red"},
    {"C42:D42", "　注）", "M C B blue"},
    {"E42:AH42", "・最低年齢/満15歳未満の児童を使ってはならない。", "M B blue"},
    {"E43:AH43", "・就業制限/満18歳未満の年少者については時間外労働、休日労働、深夜業（午後10時～午前5時）",
     "M S B blue"},
    {"E44:AH44", "　及び危険有害業務、坑内労働をさせてはならない。但し、深夜業については、交代制によって使用",
     "M S B blue"},
    {"E45:AH45", "　する満16歳以上の男子についてはこの限りでない。", "M B blue"},
    {"B49:AH49", "高年齢者・高血圧者の就業制限業務の内容", "M C 12 B"},
    {"D51:AF51", "1. 2メートル以上の足場、脚立、ローリング、高所作業車を使用しての作業", "M"},
    {"D52:AF52", "2. 型枠支保工架設部上での作業", "M"},
    {"D53:AF53", "3. 30kg以上の重量物の取り扱い（断続作業） 20kg以上の重量物の取り扱い（継続作業）", "M S"},
    {"D54:AF54", "4. 精神的、肉体的緊張を継続する作業", "M"},
    {"D55:AF55", "5. 炎天下の作業など疲労を蓄積する作業", "M"},
    {"D56:AF56", "6. その他（　　　　　　　　　　　　　　　　　　　　　　）", "M S"},
    {"D59:AH59", "※ 事業主は作業員に写しを渡し周知させること、また日常管理は安全衛生責任者が行うこと。", "M S"},
};

QString tierLabel(const Values& v)
{
    return tierCompanyLabel(v.company(company::Tier));
}

// The addressee and the reporting company.
constexpr Field kCompanyFields[] = {
    {"G10:O11", "M C S 10", projectField(field::WorksName)},
    {"G12:M13", "M C S 10", projectField(field::PrimeSiteAgent)},
    {"T22:X22", "M", computed(&tierLabel), "（　 ） 次会社名"},
    {"Y21:AF21", "M S", companyColumn(company::FirstTierName)},
    {"Y22:AF22", "M S", companyColumn(company::Name)},
    {"Y23:AF23", "M S", companyColumn(company::Address)},
    {"Y24:AF24", "M S", companyColumn(company::Representative)},
    {"Y25:AF25", "M S", companyColumn(company::SafetyManager)},
};

constexpr Line kLines[] = {
    {"G10:O11", "B"},     {"G12:O13", "B"},     {"B15:AH19", "T"},   {"I15:I18", "R"},     {"P15:P18", "R"},
    {"W15:AA17", "R"},    {"B15:AH15", "T K"},  {"B19:AH19", "T K"}, {"A15:A18", "R K"},   {"AH15:AH18", "R K"},
    {"B20:AH20", "T K"},  {"B27:AH28", "T K"},  {"A20:A26", "R K"},  {"AH20:AH26", "R K"}, {"Y22:AF26", "T H"},
    {"A28:A46", "R K"},   {"AH28:AH46", "R K"}, {"B47:AH48", "T K"}, {"B58:AH58", "T K"},  {"A48:A57", "R K"},
    {"AH48:AH57", "R K"},
};

struct Reading {
    std::optional<int> high;
    std::optional<int> low;
    bool unreadable = false;
};

// Column 15: blank or "～" alone is not entered.
Reading pressureOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QStringLiteral("～"))
        return {};
    const std::optional<worker::Pressure> p = worker::readBloodPressure(t);
    Reading r;
    bool okHigh = false, okLow = false;
    const int high = p ? p->high.trimmed().toInt(&okHigh) : 0;
    const int low = p ? p->low.trimmed().toInt(&okLow) : 0;
    if (okHigh)
        r.high = high;
    if (okLow)
        r.low = low;
    r.unreadable = !okHigh || !okLow;
    return r;
}

QString who(const QStringList& w)
{
    return w.value(worker::Name) + QStringLiteral("（") + w.value(worker::Company) + QStringLiteral("）");
}

struct AgeReading {
    int years = -1;
    bool fromColumn = false;
};

// The age on the creation date: by the birth date when it can be read
// (yyyy/mm/dd or an era date, not later than the creation date), else by
// the age column.
AgeReading ageOf(const QStringList& w, const QDate& created)
{
    const QDate birth = SpecialWorkerReport::readDate(w.value(worker::Birth));
    if (birth.isValid() && birth <= created)
        return {worker::completedYears(birth, created), false};
    if (const std::optional<int> years = SpecialWorkerReport::readAge(w.value(worker::Age)))
        return {*years, true};
    return {};
}

// A birth date that is entered but cannot be read is always named, with
// what the worker was judged by instead; an empty one only when the age
// column is printed on a report.
void noteAge(QStringList& notes, const QStringList& w, const AgeReading& age, bool reported, bool byAge)
{
    const QString birth = w.value(worker::Birth);
    const bool blank = isBlankName(birth.trimmed());
    if (!age.fromColumn) {
        if (!blank && age.years < 0)
            notes << QStringLiteral(
                         "12: %1 の生年月日が読めず、年齢欄にも年齢がないため、年齢では判断していません: \"%2\"")
                         .arg(who(w), birth);
        return;
    }
    if (blank && !reported)
        return;
    const QString why = blank ? QStringLiteral("は生年月日が空欄のため") : QStringLiteral("の生年月日が読めないため");
    const QString used = reported && !byAge ? QStringLiteral("年齢欄の %1 歳を書きました")
                                            : QStringLiteral("年齢欄の %1 歳で判断しました");
    notes << QStringLiteral("12: %1 %2、%3").arg(who(w), why, used.arg(age.years))
            + (blank ? QString() : QStringLiteral(": \"%1\"").arg(birth));
}

// The health check as an era date; a text that is no date as it is.
QString healthCheckText(const QStringList& w)
{
    const QString text = w.value(worker::HealthCheck).trimmed();
    const QDate date = SpecialWorkerReport::readDate(text);
    return date.isValid() ? spacedEraDateText(date) : text;
}

void noteHealthCheck(QStringList& notes, const QStringList& w)
{
    const QString text = w.value(worker::HealthCheck);
    if (!isBlankName(text.trimmed()) && !SpecialWorkerReport::readDate(text).isValid())
        notes << QStringLiteral("12: %1 の健康診断日が読めないため、そのまま書きました: \"%2\"").arg(who(w), text);
}

QString nameWithReading(const Values& v)
{
    const QString reading = v.worker(worker::Reading).trimmed();
    const QString name = v.worker(worker::Name);
    return reading.isEmpty() ? name : name + QStringLiteral("（") + reading + QStringLiteral("）");
}

// The birth date as written on the form; a text that is no date as it is.
QString birth(const Values& v)
{
    const QString text = v.worker(worker::Birth).trimmed();
    const QDate date = SpecialWorkerReport::readDate(text);
    if (date.isValid())
        return QStringLiteral("%1年 %2月 %3日").arg(date.year()).arg(date.month()).arg(date.day());
    return isBlankName(text) ? QString() : text;
}

QString age(const Values& v)
{
    const int years = ageOf(*v.person, SpecialWorkerReport::readDate(v.project(field::CreatedOn))).years;
    return years >= 0 ? QString::number(years) : QString();
}

QString high(const Values& v)
{
    const Reading p = pressureOf(v.worker(worker::BloodPressure));
    return p.high ? QString::number(*p.high) : QString();
}
QString low(const Values& v)
{
    const Reading p = pressureOf(v.worker(worker::BloodPressure));
    return p.low ? QString::number(*p.low) : QString();
}
QString healthCheck(const Values& v)
{
    const QString check = healthCheckText(*v.person);
    return isBlankName(check) ? QString() : check;
}

// The worker of a filled copy, rows 15 to 17.
constexpr Field kWorkerFields[] = {
    {"J15:P15", "M C S", computed(&nameWithReading)},
    {"U15:AA15", "M C S", computed(&birth), "　　　　年    月    日　", true},
    {"AE15:AF15", "M C", computed(&age)},
    {"J16:AH16", "M S", contactColumn(worker::Address)},
    {"N17:P17", "M C", computed(&high)},
    {"U17:W17", "M C", computed(&low)},
    {"AB17:AH17", "M C S", computed(&healthCheck), "　　　　年    月    日　", true},
};

} // namespace

QDate SpecialWorkerReport::readDate(const QString& text)
{
    static const QRegularExpression era(
        QStringLiteral("^\\s*(令和|平成|昭和)\\s*(\\d+|元)\\s*年\\s*(\\d+)\\s*月\\s*(\\d+)\\s*日\\s*$"));
    const QRegularExpressionMatch m = era.match(text);
    if (!m.hasMatch())
        return readShortDate(text);
    const int first = m.captured(1) == QStringLiteral("令和") ? 2019
        : m.captured(1) == QStringLiteral("平成")             ? 1989
                                                              : 1926;
    const int year = m.captured(2) == QStringLiteral("元") ? 1 : m.captured(2).toInt();
    return QDate(first + year - 1, m.captured(3).toInt(), m.captured(4).toInt());
}

std::optional<int> SpecialWorkerReport::readAge(const QString& text)
{
    QString t = text.trimmed();
    if (t.endsWith(u'歳') || t.endsWith(u'才'))
        t = t.chopped(1).trimmed();
    if (t.isEmpty() || t.size() > 3)
        return std::nullopt;
    int years = 0;
    for (QChar c : t) {
        if (!c.isDigit())
            return std::nullopt;
        years = years * 10 + c.digitValue();
    }
    return years;
}

QList<SpecialWorkerReport::Reported> SpecialWorkerReport::reportedWorkers(const SiteView& site, const QString& company,
                                                                          const QDate& created, QStringList& notes)
{
    QList<Reported> list;
    for (const QStringList& w : site.workersOf(company)) {
        const AgeReading age = ageOf(w, created);
        const Reading p = pressureOf(w.value(worker::BloodPressure));
        if (p.unreadable)
            notes << QStringLiteral("12: %1 の血圧が読めません: \"%2\"").arg(who(w), w.value(worker::BloodPressure));
        const bool byAge = age.years >= 0 && (age.years < 18 || age.years >= 65);
        const bool byPressure = (p.low && *p.low >= 95) || (p.high && *p.high >= 160);
        const bool reported = byAge || byPressure;
        noteAge(notes, w, age, reported, byAge);
        if (!reported)
            continue;
        noteHealthCheck(notes, w);
        list << Reported{w, age.years, age.fromColumn};
    }
    return list;
}

QStringList SpecialWorkerReport::runNotes(const RunState& run) const
{
    const QString created = run.site.field(field::CreatedOn);
    if (readDate(created).isValid())
        return {};
    return {QStringLiteral("12: 作成日が読めないため、該当作業員の報告書は作りませんでした: \"%1\"").arg(created)};
}

QList<QStringList> SpecialWorkerReport::workerCopies(const RunState& run, QStringList& notes) const
{
    const QDate created = readDate(run.site.field(field::CreatedOn));
    QList<QStringList> workers;
    if (!created.isValid())
        return workers;
    for (const Reported& r : reportedWorkers(run.site, run.target.company, created, notes))
        workers << r.worker;
    return workers;
}

void SpecialWorkerReport::writeWorker(Worksheet& ws, const RunState& run, const QStringList& worker) const
{
    fillFields(ws, kWorkerFields, {run, run.target.row, &worker});
}

void SpecialWorkerReport::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawReportConfirmation(ws);
    drawBoxes(ws, kBoxes);
    drawFields(ws, kCompanyFields);
    drawFields(ws, kWorkerFields);
    drawLines(ws, kLines);
    drawConfirmationLines(ws);
}

void SpecialWorkerReport::write(Worksheet& ws, const RunState& run) const
{
    fillFields(ws, kCompanyFields, {run, run.target.row});
}

const Document& specialWorkerReportForm()
{
    static const SpecialWorkerReport form;
    return form;
}

} // namespace mirevo::documents
