#include "ResubcontractNotice.h"

#include "FormFields.h"
#include "Forms.h"
#include "SystemLedger.h"
#include "common/Error.h"
#include "common/TextGrid.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A100", 12.5}};
constexpr Size kWidths[] = {{"B1:BT66", 2}, {"A1", 3}};
constexpr PageFormat kPage{Paper::A3Landscape, "A1:BR64", 0, kHeights, kWidths, "A1:BT66"};

// Left half: the reporting company, drawn for block top row 2.
constexpr Box kLeftLabels[] = {
    {"G2:AB3", "再下請負通知書", "M B C 16"},
    {"B6:F6", "直　近　上　位", "M C 10"},
    {"B7:F7", "注　文　者　名", "M C 10"},
    {"B9:F9", "現場代理人名", "M C 10"},
    {"B10:F10", "（所長名）", "M C 10"},
    {"S9:S10", "殿", "M C 11"},
    {"B12:G15", "元　請　名　称", "M C 11"},
    {"U6", "【報告下請負業者】", "11"},
    {"Y7", "〒", "C 10"},
    {"U8:X8", "住　　　所", "M C 10"},
    {"U12:X12", "電話番号", "M C 10"},
    {"U14:X14", "会　社　名", "M C 10"},
    {"U16:X16", "代表者名", "M C 10"},
    {"B17:AH18", "《自社に関する事項》", "M 12"},
    {"B19:G19", "工事名称", "M C 10"},
    {"B20:G20", "及　　び", "M C 10"},
    {"B21:G21", "工事内容", "M C 10"},
    {"B22:G23", "工　　期", "M C"},
    {"S22:W23", "契 約 日", "M C"},
    {"B25:G30", "建設業の許可", "M C"},
    {"H25:P26", "許　可　業　種", "M C"},
    {"Q25:Y26", "許　可　番　号", "M C"},
    {"Z25:AH26", "許可（更新）年月日", "M C"},
    {"B32:G34", "", "M"},
    {"B35:G35", "健康保険等の", "M C"},
    {"B36:G36", "加入状況", "M C"},
    {"B37:G39", "", "M"},
    {"H32:L35", "保険加入の有無", "M C S"},
    {"M32:S33", "健康保険", "M C"},
    {"T32:AA33", "厚生年金保険", "M C"},
    {"AB32:AH33", "雇用保険", "M C"},
    {"H36:L36", "", "M"},
    {"H37:L37", "事業所", "M C"},
    {"H38:L38", "整理記号等", "M C"},
    {"H39:L39", "", "M"},
    {"M36:S37", "営業所の名称", "M C S"},
    {"T36:X37", "健康保険", "M C"},
    {"Y36:AC37", "厚生年金保険", "M C"},
    {"AD36:AH37", "雇用保険", "M C"},
    {"B41:G42", "監　督　員　名", "M C 10"},
    {"B43:B44", "", "M"},
    {"C43:G43", "権限及び", "M C 10"},
    {"C44:G44", "意見申出方法", "M C 10"},
    {"B45:G46", "現場代理人名", "M C 10"},
    {"B47:B48", "", "M"},
    {"C47:G47", "権限及び", "M C 10"},
    {"C48:G48", "意見申出方法", "M C 10"},
    {"B49:G50", "主任技術者名", "M C 10"},
    {"B51:B52", "", "M"},
    {"C51:G52", "資格内容", "M C 10"},
    {"R41:X42", "安全衛生責任者名", "M C 10"},
    {"R43:X44", "安全衛生推進者名", "M C 10"},
    {"R45:X46", "雇用管理責任者名", "M C 10"},
    {"R47:X48", "専門技術者名", "M C 10"},
    {"R49:R52", "", "M"},
    {"S49:X50", "資　格　内　容", "M C 10"},
    {"S51:X52", "担当工事内容", "M C 10"},
    {"B54:G54", "", "M"},
    {"B55:G55", "外国人建設就労者の", "M C S 10"},
    {"B56:G56", "従事の状況(有無)", "M C S 10"},
    {"B57:G57", "", "M"},
    {"R54:X54", "", "M"},
    {"R55:X55", "外国人技能実習生の", "M C S 10"},
    {"R56:X56", "従事の状況(有無)", "M C S 10"},
    {"R57:X57", "", "M"},
};

// The reporting company: the values' row is the company above the notified
// one (0, the prime contractor, reads the prime contractor's fields).
bool fromTable(const Values& v)
{
    return v.row > 0;
}
QString orderer(const Values& v)
{
    return fromTable(v) ? v.company(company::UpperName) : v.run.site.primeName();
}
QString primeName(const Values& v)
{
    return v.run.site.primeName();
}
QString postcode(const Values& v)
{
    const QString text = v.company(company::PostcodeA) + u'-' + v.company(company::PostcodeB);
    return text == QLatin1String("-") ? QString() : text;
}
QString addressLine1(const Values& v)
{
    return ResubcontractNotice::addressLines(v.company(company::Address))[0];
}
QString addressLine2(const Values& v)
{
    return ResubcontractNotice::addressLines(v.company(company::Address))[1];
}
QString period(const Values& v)
{
    if (fromTable(v))
        return ResubcontractNotice::period(v.company(company::PeriodFrom), v.company(company::PeriodTo));
    return ResubcontractNotice::period(v.project(field::PeriodFrom), v.project(field::PeriodTo));
}
QString contractDate(const Values& v)
{
    return fromTable(v) ? v.company(company::ContractDate) : v.project(field::ContractDate);
}
// Trade with its "工事業" (the prime contractor's own suffix box).
QString trade(const Values& v, int column, const char* primeSuffix)
{
    const QString suffix = fromTable(v) ? QStringLiteral("工事業") : v.project(primeSuffix);
    return v.company(column) + QStringLiteral("　") + suffix;
}
QString trade1(const Values& v)
{
    return trade(v, company::Trade1, field::PrimeTrade1Suffix);
}
QString trade2(const Values& v)
{
    return trade(v, company::Trade2, field::PrimeTrade2Suffix);
}
QString licence(const Values& v, int kind)
{
    return v.company(kind) + QStringLiteral("　 ") + v.company(kind + 1);
}
QString licence1(const Values& v)
{
    return licence(v, company::LicenceKind1);
}
QString licence2(const Values& v)
{
    return licence(v, company::LicenceKind2);
}

// Every value box shrinks its text to fit, so a long name or address stays
// inside its box. The qualification boxes are left-aligned without
// shrinking: the field's initial text ends in tab characters.
constexpr Field kLeftFields[] = {
    {"AC2:AH2", "M C S", projectField(field::CreatedOn)},
    {"G6:S7", "M C S 11", computed(&orderer)},
    {"G9:R10", "M C S 11", projectField(field::PrimeSiteAgent)},
    {"H12:S15", "M C S 11", computed(&primeName)},
    {"Z7:AC7", "M S 10", computed(&postcode)},
    {"Y8:AH8", "M S 10", computed(&addressLine1)},
    {"Y10:AH10", "M S 10", computed(&addressLine2)},
    {"Y12:AH12", "M S 10", companyColumn(company::Phone)},
    {"Y14:AH14", "M S 10", companyColumn(company::Name)},
    {"Y16:AH16", "M S 10", companyColumn(company::Representative)},
    {"H19:AH21", "M S", projectField(field::WorksName)},
    {"H22:R23", "M C S", computed(&period)},
    {"X22:AH23", "M C S", computed(&contractDate)},
    {"H27:P28", "M R S", computed(&trade1)},
    {"H29:P30", "M R S", computed(&trade2)},
    {"Q27:Y28", "M C S", computed(&licence1)},
    {"Z27:AH28", "M C S", companyColumn(company::LicenceDate1)},
    {"Q29:Y30", "M C S", computed(&licence2)},
    {"Z29:AH30", "M C S", companyColumn(company::LicenceDate2)},
    {"M34:S35", "M C", companyColumn(company::HealthInsuranceState)},
    {"T34:AA35", "M C", companyColumn(company::PensionState)},
    {"AB34:AH35", "M C", companyColumn(company::EmploymentInsuranceState)},
    {"M38:S39", "M C S", companyColumn(company::InsuranceOffice)},
    {"T38:X39", "M C S", companyColumn(company::HealthInsuranceNo)},
    {"Y38:AC39", "M C S", companyColumn(company::PensionNo)},
    {"AD38:AH39", "M C S", companyColumn(company::EmploymentInsuranceNo)},
    {"H41:Q42", "M C S", companyColumn(company::Supervisor)},
    {"H43:Q44", "M C S", companyColumn(company::SupervisorAuthority)},
    {"H45:Q46", "M C S", companyColumn(company::SiteAgent)},
    {"H47:Q48", "M C S", companyColumn(company::SiteAgentAuthority)},
    {"H49:Q50", "M C S", companyColumn(company::ChiefEngineer)},
    {"H51:Q52", "M L", companyColumn(company::ChiefEngineerQualification)},
    {"Y41:AH42", "M C S", companyColumn(company::SafetyManager)},
    {"Y43:AH44", "M C S", companyColumn(company::SafetyPromoter)},
    {"Y45:AH46", "M C S", companyColumn(company::EmploymentManager)},
    {"Y47:AH48", "M C S", companyColumn(company::Specialist1)},
    {"Y49:AH50", "M L", companyColumn(company::Specialist1Qualification)},
    {"Y51:AH52", "M C S", companyColumn(company::Specialist1Work)},
    {"H54:Q57", "M C 10", companyColumn(company::ForeignWorkers)},
    {"Y54:AH57", "M C 10", companyColumn(company::ForeignTrainees)},
};

// The notified company's period, in the shared right half's period box: the
// notice writes "～" alone where the ledger leaves a blank period.
QString notifiedPeriod(const Values& v)
{
    return ResubcontractNotice::period(v.company(company::PeriodFrom), v.company(company::PeriodTo));
}
constexpr Field kNotifiedPeriod[] = {{"AR13:BB14", "", computed(&notifiedPeriod)}};

// Inside the ledger's note frame (AL52:BR62) of the shared right half.
constexpr Box kNotes[] = {
    {"AM56", "※再下請通知書の添付書類（建設業法施行規則第１４条の４第３項）", "10"},
    {"AM59", "・再下請通知人が再下請人と締結した当初契約及び変更契約の契約書面の写し（公共工事以外の建設工事について",
     "10"},
    {"AM60", "　締結されるものに係るものは、請負代金の額に係る部分を除く）", "10"},
};

constexpr Line kLeftLines[] = {
    {"AC2:AH2", "B"},
    {"G7:S7", "B"},
    {"G10:R10", "B"},
    {"H15:S15", "B"},
    {"Z7:AC7", "B"},
    {"Y8:AH8", "B"},
    {"Y10:AH10", "B"},
    {"Y12:AH12", "B"},
    {"Y14:AH14", "B"},
    {"Y16:AH16", "B"},
    // Works and period.
    {"B19:AH23", "O"},
    {"G19:G23", "R"},
    {"B22:AH22", "T"},
    {"R22:R23", "R"},
    {"W22:W23", "R"},
    // Permit block.
    {"B25:AH30", "O"},
    {"G25:G30", "R"},
    {"P25:P30", "R"},
    {"Y25:Y30", "R"},
    {"H26:AH26", "B"},
    {"H28:AH28", "B"},
    // Insurance.
    {"B32:AH39", "O"},
    {"G32:G39", "R"},
    {"L32:L39", "R"},
    {"H35:AH35", "B"},
    {"M33:AH33", "B"},
    {"S32:S35", "R"},
    {"AA32:AA35", "R"},
    {"M37:AH37", "B"},
    {"S36:S39", "R"},
    {"X36:X39", "R"},
    {"AC36:AC39", "R"},
    // People.
    {"B41:AH52", "O"},
    {"G41:G52", "R"},
    {"Q41:Q52", "R"},
    {"X41:X52", "R"},
    {"C42:Q42", "B"},
    {"B44:Q44", "B"},
    {"C46:Q46", "B"},
    {"B48:Q48", "B"},
    {"C50:Q50", "B"},
    {"B43:B44", "R"},
    {"B47:B48", "R"},
    {"B51:B52", "R"},
    {"R42:AH42", "B"},
    {"R44:AH44", "B"},
    {"R46:AH46", "B"},
    {"R48:AH48", "B"},
    {"S50:AH50", "B"},
    {"R49:R52", "R"},
    // Foreign workers.
    {"B54:AH57", "O"},
    {"G54:G57", "R"},
    {"Q54:Q57", "R"},
    {"X54:X57", "R"},
};

// The upper row must name a company of the table (0 is the prime contractor).
void checkUpperRow(const SiteView& site, int row, int upper)
{
    if (upper == 0 || !isBlankName(site.contractor(upper, company::Name)))
        return;
    throw Error(QStringLiteral("再下請負業者一覧の %1 行目「%2」の直近上位の会社No. %3 に当たる会社がありません")
                    .arg(row)
                    .arg(site.contractor(row, company::Name))
                    .arg(upper));
}

} // namespace

QString ResubcontractNotice::period(const QString& from, const QString& to)
{
    const QString text = SystemLedger::period(from, to);
    return text == SystemLedger::period({}, {}) ? QStringLiteral("～") : text;
}

QStringList ResubcontractNotice::addressLines(const QString& address)
{
    int units = 0;
    for (int chars = 0; chars < kAddressLine && units < address.size(); ++chars)
        units += address[units].isHighSurrogate() && units + 1 < address.size() ? 2 : 1;
    return {address.left(units), address.mid(units)};
}

void ResubcontractNotice::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kLeftLabels);
    drawFields(ws, kLeftFields);
    drawLines(ws, kLeftLines);
    SystemLedger::drawSubcontractorHalf(ws);
    drawBoxes(ws, kNotes);
}

void ResubcontractNotice::write(Worksheet& ws, const RunState& run) const
{
    const int top = run.target.blockTop > 0 ? run.target.blockTop : kBlockTop;
    checkUpperRow(run.site, run.target.row, run.target.upperRow);
    fillFields(ws, kLeftFields, {run, run.target.upperRow}, top - kBlockTop);
    const int half = top + SystemLedger::kSubcontractorTop - kBlockTop;
    SystemLedger::writeSubcontractorHalf(ws, run, run.target.row, half);
    fillFields(ws, kNotifiedPeriod, {run, run.target.row}, half - SystemLedger::kSubcontractorTop);
}

const Document& resubcontractNoticeForm()
{
    static const ResubcontractNotice form;
    return form;
}

} // namespace mirevo::documents
