#include "SystemLedger.h"

#include "FormFields.h"
#include "Forms.h"
#include "project/ProjectRecord.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A66", 12.5}};
constexpr Size kWidths[] = {{"B1:BT66", 2}, {"A1", 3}};
constexpr PageFormat kPage{Paper::A3Landscape, "A1:BR64", 0, kHeights, kWidths, "A1:BT66"};

// Left half: the prime contractor and the orderer.
constexpr Box kLeftLabels[] = {
    {"G2:AB3", "施工体制台帳", "M B C 16"},
    {"C5", "［会社名］", ""},
    {"C7", "［事業所名］", ""},
    {"B9:G14", "建設業の許可", "M C"},
    {"H9:P10", "許　可　業　種", "M C"},
    {"Q9:Y10", "許　可　番　号", "M C"},
    {"Z9:AH10", "許可（更新）年月日", "M C"},
    {"B16:G16", "工事名称", "M C 10"},
    {"B17:G17", "及　　び", "M C 10"},
    {"B18:G18", "工事内容", "M C 10"},
    {"B19:G19", "発注者名", "M C 10"},
    {"B20:G20", "及　　び", "M C 10"},
    {"B21:G21", "住　　所", "M C 10"},
    {"B22:G23", "工　　期", "M C"},
    {"S22:W23", "契 約 日", "M C"},
    {"B25:G26", "", "M"},
    {"B27:G27", "契　　約", "M C"},
    {"B28:G28", "営 業 所", "M C"},
    {"B29:G30", "", "M"},
    {"H25:L26", "区　　分", "M C"},
    {"H27:L28", "元請契約", "M C"},
    {"H29:L30", "下請契約", "M C"},
    {"M25:W26", "名　　称", "M C"},
    {"X25:AH26", "住　　所", "M C"},
    {"B32:G35", "", "M"},
    {"B36:G36", "健康保険等の", "M C"},
    {"B37:G37", "加入状況", "M C"},
    {"B38:G41", "", "M"},
    {"H32:L35", "保険加入の有無", "M C S"},
    {"M32:S33", "健康保険", "M C"},
    {"T32:AA33", "厚生年金保険", "M C"},
    {"AB32:AH33", "雇用保険", "M C"},
    {"H36:L37", "", "M"},
    {"H38:L38", "事業所", "M C"},
    {"H39:L39", "整理記号等", "M C"},
    {"H40:L41", "", "M"},
    {"M36:O37", "区分", "M C"},
    {"M38:O39", "元請契約", "M C S"},
    {"M40:O41", "下請契約", "M C S"},
    {"P36:S37", "営業所の名称", "M C S"},
    {"T36:X37", "健康保険", "M C"},
    {"Y36:AC37", "厚生年金保険", "M C"},
    {"AD36:AH37", "雇用保険", "M C"},
    {"B43:G43", "発注者の", "M C 10"},
    {"B44:G44", "監督員名", "M C 10"},
    {"R43:X43", "権限及び", "M C 10"},
    {"R44:X44", "意見申出方法", "M C 10"},
    {"B46:G47", "監　督　員　名", "M C 10"},
    {"R46:X46", "権限及び", "M C 10"},
    {"R47:X47", "意見申出方法", "M C 10"},
    {"B48:G49", "現場代理人名", "M C 10"},
    {"R48:X48", "権限及び", "M C 10"},
    {"R49:X49", "意見申出方法", "M C 10"},
    {"B50:G50", "監理技術者名", "M C 10"},
    {"B51:G51", "主任技術者名", "M C 10"},
    {"R50:X51", "資格内容", "M C 10"},
    {"B52:G52", "専　　　門", "M C 10"},
    {"B53:G53", "技術者名", "M C 10"},
    {"R52:X52", "専　　　門", "M C 10"},
    {"R53:X53", "技術者名", "M C 10"},
    {"C54:G55", "資格内容", "M C 10"},
    {"S54:X55", "資格内容", "M C 10"},
    {"C56:G56", "担　　当", "M C 10"},
    {"C57:G57", "工事内容", "M C 10"},
    {"S56:X56", "担　　当", "M C 10"},
    {"S57:X57", "工事内容", "M C 10"},
    // The assistant to the supervising engineer takes the free row under
    // the specialists, so no box the writers fill moves.
    {"B58:G58", "監理技術者補佐名", "M C S 10"},
    {"R58:X58", "資格内容", "M C S 10"},
    {"B59:G59", "", "M"},
    {"B60:G60", "外国人建設就労者の", "M C S 10"},
    {"B61:G61", "従事の状況(有無)", "M C S 10"},
    {"B62:G62", "", "M"},
    {"R59:X59", "", "M"},
    {"R60:X60", "外国人技能実習生の", "M C S 10"},
    {"R61:X61", "従事の状況(有無)", "M C S 10"},
    {"R62:X62", "", "M"},
};

// The qualification boxes are left-aligned without shrinking: their texts
// may end in tab characters (the field's initial text does), which would
// otherwise shrink the visible text to nothing.
QString worksOffice(const Values& v)
{
    return v.project(field::WorksName) + QStringLiteral(" 作業所");
}
QString joined(const Values& v, const char* a, const char* b)
{
    return v.project(a) + u' ' + v.project(b);
}
QString trade1(const Values& v)
{
    return joined(v, field::PrimeTrade1, field::PrimeTrade1Suffix);
}
QString licence1(const Values& v)
{
    return joined(v, field::PrimeLicenceKind1, field::PrimeLicenceNo1);
}
QString trade2(const Values& v)
{
    return joined(v, field::PrimeTrade2, field::PrimeTrade2Suffix);
}
QString licence2(const Values& v)
{
    return joined(v, field::PrimeLicenceKind2, field::PrimeLicenceNo2);
}
QString ordererPostcode(const Values& v)
{
    return QStringLiteral("〒") + v.project(field::OrdererPostcodeA) + u'-' + v.project(field::OrdererPostcodeB);
}
QString worksPeriod(const Values& v)
{
    return SystemLedger::period(v.project(field::PeriodFrom), v.project(field::PeriodTo));
}
QString dedication(const Values& v)
{
    const bool notDedicated = v.run.site.record && v.run.site.record->primeNotDedicated();
    return notDedicated ? QStringLiteral("非専任") : QStringLiteral("専任");
}

constexpr Field kLeftFields[] = {
    {"AC2:AH2", "M C S", projectField(field::CreatedOn)},
    {"G5:AD5", "M S", projectField(field::PrimeName)},
    {"G7:AD7", "M S", computed(&worksOffice)},
    {"H11:P12", "M R S", computed(&trade1)},
    {"H13:P14", "M R S", computed(&trade2)},
    {"Q11:Y12", "M C S", computed(&licence1)},
    {"Q13:Y14", "M C S", computed(&licence2)},
    {"Z11:AH12", "M C S", projectField(field::PrimeLicenceDate1)},
    {"Z13:AH14", "M C S", projectField(field::PrimeLicenceDate2)},
    {"H16:AH18", "M S", projectField(field::WorksName)},
    {"H19:R21", "M S", projectField(field::OrdererName)},
    {"S19:AH19", "M S", computed(&ordererPostcode)},
    {"S20:AH21", "M S", projectField(field::OrdererAddress)},
    {"H22:R23", "M C S", computed(&worksPeriod)},
    {"X22:AH23", "M C S", projectField(field::ContractDate)},
    {"M27:W28", "M S", projectField(field::PrimeBranch)},
    {"X27:AH28", "M S", projectField(field::PrimeAddress)},
    {"M34:S35", "M C", projectField(field::PrimeHealthInsuranceState)},
    {"T34:AA35", "M C", projectField(field::PrimePensionState)},
    {"AB34:AH35", "M C", projectField(field::PrimeEmploymentInsuranceState)},
    {"P38:S39", "M C S", projectField(field::PrimeInsuranceOffice)},
    {"T38:X39", "M C S", projectField(field::PrimeHealthInsuranceNo)},
    {"Y38:AC39", "M C S", projectField(field::PrimePensionNo)},
    {"AD38:AH39", "M C S", projectField(field::PrimeEmploymentInsuranceNo)},
    {"H43:Q44", "M C S", projectField(field::OrdererSupervisor)},
    {"Y43:AH44", "M C S", projectField(field::OrdererSupervisorAuthority)},
    {"H46:Q47", "M C S", projectField(field::PrimeSupervisor)},
    {"Y46:AH47", "M C S", projectField(field::PrimeSupervisorAuthority)},
    {"H48:Q49", "M C S", projectField(field::PrimeSiteAgent)},
    {"Y48:AH49", "M C S", projectField(field::PrimeSiteAgentAuthority)},
    {"H50:J51", "M C S", computed(&dedication)},
    {"K50:Q51", "M C S", projectField(field::PrimeChiefEngineer)},
    {"Y50:AH51", "M L", projectField(field::PrimeChiefEngineerQualification)},
    {"H52:Q53", "M C S", projectField(field::PrimeSpecialist1)},
    {"H54:Q55", "M L", projectField(field::PrimeSpecialist1Qualification)},
    {"H56:Q57", "M C S", projectField(field::PrimeSpecialist1Work)},
    {"Y52:AH53", "M C S", projectField(field::PrimeSpecialist2)},
    {"Y54:AH55", "M L", projectField(field::PrimeSpecialist2Qualification)},
    {"Y56:AH57", "M C S", projectField(field::PrimeSpecialist2Work)},
    {"H58:Q58", "M C S", projectField(field::PrimeAssistantEngineer)},
    {"H59:Q62", "M C 10", projectField(field::PrimeForeignWorkers)},
    {"Y59:AH62", "M C 10", projectField(field::PrimeForeignTrainees)},
};

// Boxes of the left half that are left for the hand: the subcontract
// offices and insurance offices, the assistant's qualification.
constexpr Box kLeftBlanks[] = {
    {"M29:W30", "", "M S"},    {"X29:AH30", "", "M S"},    {"P40:S41", "", "M C S"}, {"T40:X41", "", "M C S"},
    {"Y40:AC41", "", "M C S"}, {"AD40:AH41", "", "M C S"}, {"Y58:AH58", "", "M L"},
};

// Right half: the subcontractor, drawn for block top row 4.
constexpr Box kRightLabels[] = {
    {"AL2:BR3", "《下請負人に関する事項》", "M 12"},
    {"AL4:AQ6", "会社名", "M C"},
    {"BC4:BG6", "代表者名", "M C"},
    {"AL7:AQ9", "住　　　所　　　　　　電話番号", "M C W"},
    {"AL10:AQ10", "工事名称", "M C 10"},
    {"AL11:AQ11", "及　　び", "M C 10"},
    {"AL12:AQ12", "工事内容", "M C 10"},
    {"AL13:AQ14", "工　　期", "M C"},
    {"BC13:BG14", "契 約 日", "M C"},
    {"AL16:AQ21", "建設業の許可", "M C"},
    {"AR16:AZ17", "許　可　業　種", "M C"},
    {"BA16:BI17", "許　可　番　号", "M C"},
    {"BJ16:BR17", "許可（更新）年月日", "M C"},
    {"AL23:AQ25", "", "M"},
    {"AL26:AQ26", "健康保険等の", "M C"},
    {"AL27:AQ27", "加入状況", "M C"},
    {"AL28:AQ30", "", "M"},
    {"AR23:AV26", "保険加入の有無", "M C S"},
    {"AW23:BC24", "健康保険", "M C"},
    {"BD23:BK24", "厚生年金保険", "M C"},
    {"BL23:BR24", "雇用保険", "M C"},
    {"AR27:AV27", "", "M"},
    {"AR28:AV28", "事業所", "M C"},
    {"AR29:AV29", "整理記号等", "M C"},
    {"AR30:AV30", "", "M"},
    {"AW27:BC28", "営業所の名称", "M C"},
    {"BD27:BH28", "健康保険", "M C"},
    {"BI27:BM28", "厚生年金保険", "M C"},
    {"BN27:BR28", "雇用保険", "M C"},
    {"AM32:AQ33", "現場代理人名", "M C 10"},
    {"AM34:AQ34", "権限及び", "M C 10"},
    {"AM35:AQ35", "意見申出方法", "M C 10"},
    {"AM36:AQ37", "主任技術者名", "M C 10"},
    {"AM38:AQ39", "資格内容", "M C 10"},
    {"AL32:AL35", "", "M"},
    {"AL36:AL39", "", "M"},
    {"BC38:BC43", "", "M"},
    {"BC32:BH33", "安全衛生責任者名", "M C 10"},
    {"BC34:BH35", "安全衛生推進者名", "M C 10"},
    {"BC36:BH37", "雇用管理責任者名", "M C 10"},
    {"BD38:BH39", "専門技術者名", "M C 10"},
    {"BD40:BH41", "資格内容", "M C 10"},
    {"BD42:BH43", "担当工事内容", "M C 10"},
    {"AL46:AQ46", "", "M"},
    {"AL47:AQ47", "外国人建設就労者の", "M C S 10"},
    {"AL48:AQ48", "従事の状況(有無)", "M C S 10"},
    {"AL49:AQ49", "", "M"},
    {"BB46:BH46", "", "M"},
    {"BB47:BH47", "外国人技能実習生の", "M C S 10"},
    {"BB48:BH48", "従事の状況(有無)", "M C S 10"},
    {"BB49:BH49", "", "M"},
};

QString postcode(const Values& v)
{
    return QStringLiteral("〒") + v.company(company::PostcodeA) + u'-' + v.company(company::PostcodeB);
}
QString phone(const Values& v)
{
    return QStringLiteral("TEL") + v.company(company::Phone);
}
QString companyPeriod(const Values& v)
{
    return SystemLedger::period(v.company(company::PeriodFrom), v.company(company::PeriodTo));
}
QString trade(const Values& v, int column)
{
    return v.company(column) + QStringLiteral("　工事業");
}
QString licence(const Values& v, int kind)
{
    return v.company(kind) + QStringLiteral("　 ") + v.company(kind + 1);
}
QString subTrade1(const Values& v)
{
    return trade(v, company::Trade1);
}
QString subTrade2(const Values& v)
{
    return trade(v, company::Trade2);
}
QString subLicence1(const Values& v)
{
    return licence(v, company::LicenceKind1);
}
QString subLicence2(const Values& v)
{
    return licence(v, company::LicenceKind2);
}

constexpr Field kRightFields[] = {
    {"AR4:BB6", "M C S", companyColumn(company::Name)},
    {"BH4:BR6", "M C S", companyColumn(company::Representative)},
    {"AR7:AX7", "M S", computed(&postcode)},
    {"AR8:BJ9", "M S", companyColumn(company::Address)},
    {"BK9:BR9", "M S", computed(&phone)},
    {"AR10:BR12", "M S", projectField(field::WorksName)},
    {"AR13:BB14", "M C S", computed(&companyPeriod)},
    {"BH13:BR14", "M C S", companyColumn(company::ContractDate)},
    {"AR18:AZ19", "M R S", computed(&subTrade1)},
    {"AR20:AZ21", "M R S", computed(&subTrade2)},
    {"BA18:BI19", "M C S", computed(&subLicence1)},
    {"BJ18:BR19", "M C S", companyColumn(company::LicenceDate1)},
    {"BA20:BI21", "M C S", computed(&subLicence2)},
    {"BJ20:BR21", "M C S", companyColumn(company::LicenceDate2)},
    {"AW25:BC26", "M C", companyColumn(company::HealthInsuranceState)},
    {"BD25:BK26", "M C", companyColumn(company::PensionState)},
    {"BL25:BR26", "M C", companyColumn(company::EmploymentInsuranceState)},
    {"AW29:BC30", "M C S", companyColumn(company::InsuranceOffice)},
    {"BD29:BH30", "M C S", companyColumn(company::HealthInsuranceNo)},
    {"BI29:BM30", "M C S", companyColumn(company::PensionNo)},
    {"BN29:BR30", "M C S", companyColumn(company::EmploymentInsuranceNo)},
    {"AR32:BA33", "M C S", companyColumn(company::SiteAgent)},
    {"AR34:BA35", "M C S", companyColumn(company::SiteAgentAuthority)},
    {"AR36:BA37", "M C S", companyColumn(company::ChiefEngineer)},
    {"AR38:BA39", "M L", companyColumn(company::ChiefEngineerQualification)},
    {"BI32:BR33", "M C S", companyColumn(company::SafetyManager)},
    {"BI34:BR35", "M C S", companyColumn(company::SafetyPromoter)},
    {"BI36:BR37", "M C S", companyColumn(company::EmploymentManager)},
    {"BI38:BR39", "M C S", companyColumn(company::Specialist1)},
    {"BI40:BR41", "M L", companyColumn(company::Specialist1Qualification)},
    {"BI42:BR43", "M C S", companyColumn(company::Specialist1Work)},
    {"AR46:BA49", "M C 10", companyColumn(company::ForeignWorkers)},
    {"BI46:BR49", "M C 10", companyColumn(company::ForeignTrainees)},
};

constexpr Box kNotes[] = {
    {"AM53", "※施工体制台帳の添付書類（建設業法施行規則第１４条の２第２項）", "10"},
    {"AM55", "・発注者と作成建設業者の請負契約及び作成建設業者と下請負人の下請契約に係る当初契約及び変更契約の", "10"},
    {"AM56",
     "　契約書面の写し（公共工事以外の建設工事について締結されるものに係るものは、請負代金の額に係る部分を除く）",
     "10"},
    {"AM57", "・主任技術者又は監理技術者が主任技術者資格又は監理技術者資格を有する事を証する書面及び当該主任技術者",
     "10"},
    {"AM58", "　又は監理技術者が作成建設業者に雇用期間を特に限定することなく雇用されている者であることを証する", "10"},
    {"AM59", "　書面又はこれらの写し", "10"},
    {"AM60", "・専門技術者をおく場合は、その者が主任技術者資格を有することを証する書面及びその者が作成建設業者に",
     "10"},
    {"AM61", "　雇用期間を特に限定することなく雇用されている者であることを証する書面又はこれらの写し", "10"},
};

constexpr Line kLeftLines[] = {
    {"G5:AD5", "B"},
    {"G7:AD7", "B"},
    // Permit block.
    {"B9:AH14", "O"},
    {"G9:G14", "R"},
    {"P9:P14", "R"},
    {"Y9:Y14", "R"},
    {"H10:AH10", "B"},
    {"H12:AH12", "B"},
    // Works, orderer and period.
    {"B16:AH16", "T"},
    {"B19:AH19", "T"},
    {"B22:AH22", "T"},
    {"B23:AH23", "B"},
    {"B16:B23", "L"},
    {"AH16:AH23", "R"},
    {"G16:G23", "R"},
    {"R19:R23", "R"},
    {"W22:W23", "R"},
    // Contract offices.
    {"B25:AH30", "O"},
    {"G25:G30", "R"},
    {"L25:L30", "R"},
    {"W25:W30", "R"},
    {"H26:AH26", "B"},
    {"H28:AH28", "B"},
    // Insurance.
    {"B32:AH41", "O"},
    {"G32:G41", "R"},
    {"L32:L41", "R"},
    {"H35:AH35", "B"},
    {"M33:AH33", "B"},
    {"S32:S35", "R"},
    {"AA32:AA35", "R"},
    {"M37:AH37", "B"},
    {"M39:AH39", "B"},
    {"O36:O41", "R"},
    {"S36:S41", "R"},
    {"X36:X41", "R"},
    {"AC36:AC41", "R"},
    // The orderer's supervisor.
    {"B43:AH44", "O"},
    {"G43:G44", "R"},
    {"Q43:Q44", "R"},
    {"X43:X44", "R"},
    // The prime contractor's people.
    {"B46:AH58", "O"},
    {"B46:AH46", "T"},
    {"B48:AH48", "T"},
    {"B50:AH50", "T"},
    {"B52:AH52", "T"},
    {"C54:Q54", "T"},
    {"S54:AH54", "T"},
    {"C56:Q56", "T"},
    {"S56:AH56", "T"},
    {"B58:AH58", "T"},
    {"G46:G58", "R"},
    {"Q46:Q58", "R"},
    {"X46:X58", "R"},
    {"J50:J51", "R"},
    {"B54:B57", "R"},
    {"R54:R57", "R"},
    // Foreign workers.
    {"B59:AH62", "O"},
    {"G59:G62", "R"},
    {"Q59:Q62", "R"},
    {"X59:X62", "R"},
};

constexpr Line kRightLines[] = {
    // Company, address, works and period.
    {"AL4:BR14", "O"},
    {"AL6:BR6", "B"},
    {"AL10:BR10", "T"},
    {"AL13:BR13", "T"},
    {"AQ4:AQ14", "R"},
    {"BB4:BB6", "R"},
    {"BG4:BG6", "R"},
    {"BB13:BB14", "R"},
    {"BG13:BG14", "R"},
    // Permit block.
    {"AL16:BR22", "O"},
    {"AQ16:AQ22", "R"},
    {"AR17:BR17", "B"},
    {"AR19:BR19", "B"},
    {"AZ16:AZ22", "R"},
    {"BI16:BI22", "R"},
    // Insurance.
    {"AL23:BR30", "O"},
    {"AQ23:AQ30", "R"},
    {"AV23:AV30", "R"},
    {"AW24:BR24", "B"},
    {"AR26:BR26", "B"},
    {"AW28:BR28", "B"},
    {"BC23:BC26", "R"},
    {"BK23:BK26", "R"},
    {"BC27:BC30", "R"},
    {"BH27:BH30", "R"},
    {"BM27:BM30", "R"},
    // People.
    {"AL32:BA39", "O"},
    {"AL32:AL39", "R"},
    {"AQ32:AQ39", "R"},
    {"AM33:BA33", "B"},
    {"AL35:BA35", "B"},
    {"AM37:BA37", "B"},
    {"BC32:BR43", "O"},
    {"BC38:BC43", "R"},
    {"BH32:BH43", "R"},
    {"BC33:BR33", "B"},
    {"BC35:BR35", "B"},
    {"BC37:BR37", "B"},
    {"BD39:BR39", "B"},
    {"BD41:BR41", "B"},
    // Foreign workers and the note.
    {"AL46:BR49", "O"},
    {"AQ46:AQ49", "R"},
    {"BA46:BA49", "R"},
    {"BH46:BH49", "R"},
    {"AL52:BR62", "O"},
};

} // namespace

QString SystemLedger::period(const QString& from, const QString& to)
{
    const QString text = from + QStringLiteral("～") + to;
    static const QStringList empty{QStringLiteral(" ～ "), QStringLiteral(" ～"), QStringLiteral("～ "),
                                   QStringLiteral("～")};
    if (empty.contains(text))
        return QString(10, QChar(0x3000)) + QStringLiteral(" ～ ");
    return text;
}

void SystemLedger::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kLeftLabels);
    drawFields(ws, kLeftFields);
    drawBoxes(ws, kLeftBlanks);
    drawBoxes(ws, kNotes);
    drawLines(ws, kLeftLines);
    drawSubcontractorHalf(ws);
}

void SystemLedger::drawSubcontractorHalf(Worksheet& ws)
{
    drawBoxes(ws, kRightLabels);
    drawFields(ws, kRightFields);
    drawLines(ws, kRightLines);
}

void SystemLedger::writeSubcontractorHalf(Worksheet& ws, const RunState& run, int row, int top)
{
    fillFields(ws, kRightFields, {run, row}, top - kSubcontractorTop);
}

void SystemLedger::write(Worksheet& ws, const RunState& run) const
{
    fillFields(ws, kLeftFields, {run});
    const int top = run.target.blockTop > 0 ? run.target.blockTop : kSubcontractorTop;
    writeSubcontractorHalf(ws, run, run.target.row, top);
}

const Document& systemLedgerForm()
{
    static const SystemLedger form;
    return form;
}

} // namespace mirevo::documents
