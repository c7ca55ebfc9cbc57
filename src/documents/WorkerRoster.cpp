#include "WorkerRoster.h"

#include "FormFields.h"
#include "Forms.h"
#include "Generator.h"
#include "common/TextGrid.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <algorithm>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

// Every column the writer fills is visible: the address, telephone, health
// and employment-date columns have widths, and the right part of a block is
// laid out where the writer writes (education BA, skill training BE,
// licences BI, entry dates BM), with the retirement-fund boxes after them.
// Rows are taller than the 7.5 points of a hand-drawn roster: the page is
// as wide as A3 allows, and the height left over goes to the worker blocks.
constexpr Size kHeights[] = {{"A1:A8", 12.5}, {"A3", 7.5}, {"A7", 7.5}, {"A8:A85", 11}, {"A86:A93", 12.5}};
constexpr Size kWidths[] = {
    {"A1:A97", 2},   {"B1:B97", 1},   {"C1:H97", 2},   {"I1:I97", 6},   {"J1:L97", 2},   {"M1:P97", 3},
    {"Q1:Q97", 2},   {"R1:S97", 3},   {"T1:T97", 2},   {"U1:AR97", 2},  {"AS1:AV97", 3}, {"AW1:AZ97", 2},
    {"BA1:BL97", 3}, {"BM1:BP97", 4}, {"BQ1:BU97", 3}, {"BV1:BY97", 2},
};
constexpr PageFormat kPage{Paper::A3Landscape, "A1:BU93", 10, kHeights, kWidths, "A1:BU93"};

// Labels of two lines carry their line break: padding with blanks to force
// the break depends on the font each spreadsheet program substitutes.
constexpr Box kHeader[] = {
    {"AT1:BG2", " 作　　業　　員　　名　　簿", "M B C 18"},
    {"C1:I1", "全建統一様式第5号", "M B 11"},
    {"C3:G4", "事業所の名称", "M C B 11"},
    {"C5:G6", "所　　長　　名", "M C B 11"},
    {"T6", "殿", "B C 11"},
    {"AU5:AY6", "一次会社名\n・事業者ID", "M C W 10"},
    {"BI1:BL3", "元 　  請\n確 認 印", "M C W"},
    {"BM1:BU3", "", "M"},
};

constexpr Box kHeadings[] = {
    {"C8:D13", "番号", "M C"},
    {"E8:I9", "ふ　り　が　な", "M C"},
    {"E10:I11", "氏　　　　　名", "M C"},
    {"E12:I13", "技能者ID", "M C"},
    {"J8:L13", "職　　種", "M C"},
    {"M8:N13", "※", "M C"},
    {"O8:Q10", "雇用年月日", "M C S"},
    {"O11:Q13", "経 験 年 数", "M C S"},
    {"R8:T10", "生年月日", "M C"},
    {"R11:T13", "年    　齢", "M C"},
    {"U8:AD10", "現　　　　　　住　　　　　　所", "M C"},
    {"U11:AD13", "家　　族　　連　　絡　　先", "M C"},
    {"AE8:AH10", "（ＴＥＬ）", "M C"},
    {"AE11:AH13", "（ＴＥＬ）", "M C"},
    {"AI8:AL10", "最   近   の\n健康診断日", "M C W 9"},
    {"AI11:AL13", "血　　　　圧", "M C"},
    {"AM8:AN13", "血液型", "M C S"},
    {"AO8:AR10", "特　　　　殊\n健康診断日", "M C W 9"},
    {"AO11:AR13", "種　  　類", "M C"},
    {"AS8:AZ9", "健康保険", "M C"},
    {"AS10:AZ11", "年金保険", "M C"},
    {"AS12:AZ13", "雇用保険", "M C"},
    {"BA8:BL10", "教　　育　・　資　　格　・　免　　許", "M C"},
    {"BA11:BD13", "雇入 ・ 職長   特 別 教 育", "M C W 9"},
    {"BE11:BH13", "技 能 講 習", "M C"},
    {"BI11:BL13", "免    　　許", "M C"},
    {"BM8:BP10", "入場年月日", "M C"},
    {"BM11:BP13", "受 入 教 育\n実施年月日", "M C W 9"},
    {"BQ8:BU10", "建設業退職金\n共済制度", "M C W"},
    {"BQ11:BU13", "中小企業退職金\n共済制度", "M C W"},
};

QString number(const Values& v)
{
    return QString::number(v.number);
}

// The block of the first worker (rows 14 to 19); the others are the same
// boxes further down.
constexpr Field kBlockFields[] = {
    {"C14:D19", "M C S", computed(&number)},
    {"E14:I15", "M C S", workerColumn(worker::Reading)},
    {"E16:I17", "M C S", workerColumn(worker::Name)},
    {"J14:L19", "M C S", workerColumn(worker::Trade)},
    {"M14:N19", "M C W 8", workerColumn(worker::Roles)},
    {"O14:Q16", "M C S", workerColumn(worker::Employed)},
    {"O17:P19", "M C S", workerColumn(worker::Experience)},
    {"R14:T16", "M C S", workerColumn(worker::Birth)},
    {"R17:S19", "M C S", workerColumn(worker::Age)},
    {"U14:AD16", "M C S", contactColumn(worker::Address)},
    {"U17:AD19", "M C S", contactColumn(worker::FamilyContact)},
    {"AE14:AH16", "M C S", contactColumn(worker::Phone)},
    {"AE17:AH19", "M C S", contactColumn(worker::FamilyPhone)},
    {"AI14:AL16", "M C S", workerColumn(worker::HealthCheck)},
    {"AI17:AL19", "M C S", workerColumn(worker::BloodPressure)},
    {"AM14:AN19", "M C S", workerColumn(worker::BloodType)},
    {"AO14:AR16", "M C S", workerColumn(worker::SpecialCheck)},
    {"AO17:AR19", "M C S", workerColumn(worker::SpecialKind)},
    {"AS14:AV15", "M C S", workerColumn(worker::HealthInsurance)},
    {"AS16:AV17", "M C S", workerColumn(worker::PensionInsurance)},
    {"AS18:AV19", "M C S", workerColumn(worker::EmploymentInsurance)},
    // The health and pension insurance numbers are never printed.
    {"AW14:AZ15", "M C S", emptyText()},
    {"AW16:AZ17", "M C S", emptyText()},
    {"AW18:AZ19", "M C S", workerColumn(worker::EmploymentDigits)},
    {"BA14:BD15", "M C S", workerColumn(worker::Education1)},
    {"BA16:BD17", "M C S", workerColumn(worker::Education2)},
    {"BA18:BD19", "M C S", workerColumn(worker::Education3)},
    {"BE14:BH15", "M C S", workerColumn(worker::Skill1)},
    {"BE16:BH17", "M C S", workerColumn(worker::Skill2)},
    {"BE18:BH19", "M C S", workerColumn(worker::Skill3)},
    {"BI14:BL15", "M C S", workerColumn(worker::Licence1)},
    {"BI16:BL17", "M C S", workerColumn(worker::Licence2)},
    {"BI18:BL19", "M C S", workerColumn(worker::Licence3)},
    {"BM14:BP16", "M C S", workerColumn(worker::SiteEntry)},
    {"BM17:BP19", "M C S", workerColumn(worker::SiteEducation)},
};

// Boxes of a block left for the hand: the technician ID, the retirement funds.
constexpr Box kBlockBlanks[] = {
    {"E18:I19", "", "M C S"},   {"Q17:Q19", "年", "M C"},   {"T17:T19", "歳", "M C"},
    {"BQ14:BU16", "", "M C S"}, {"BQ17:BU19", "", "M C S"},
};

constexpr Line kBlockLines[] = {
    {"C19:BU19", "B"},
    {"B14:N19", "R"},
    {"Q14:Q19", "R"},
    {"T14:BU19", "R"},
    {"E15:I17", "B H"},
    {"O16:AL16", "B H"},
    {"AO16:AR16", "B H"},
    {"BM16:BU16", "B H"},
    {"AS15:BL15", "B H"},
    {"AS17:BL17", "B H"},
    // The health and pension insurance numbers are never printed.
    {"AW14:AZ15", "D H"},
    {"AW16:AZ17", "D H"},
};

constexpr Line kLines[] = {
    {"H4:T4", "B"},   {"H6:T6", "B"},  {"AZ6:BH6", "B"},  {"BM6:BU6", "B"}, {"BI1:BU3", "O"},
    {"BL1:BL3", "R"}, {"C8:BU8", "T"}, {"C13:BU13", "B"}, {"B8:BU13", "R"}, {"C9:BU12", "B H"},
};

// Notes of the footer, rows 86 to 93: the left column holds notes 1 to 4,
// the right one notes 5 to 11 (note 7 on one line, so that the page keeps
// to its 93 rows).
constexpr Box kFooter[] = {
    {"C86", "（注） 1. ※印欄には次の記号を入れる。", "8"},
    {"E87",
     "[現]･･･現場代理人　　[作]･･･作業主任者（正副２名専任すること)　　[女]･･･女子社員　　[未]･･･18歳未満の男子従業員",
     "8"},
    {"E88",
     "[主]･･･主任技術者　　[職]･･･職長　　[安]･･･安全衛生責任者　　　　[能]･･･能力向上教育　　[再]･･･危険有害業務・再発防止教育",
     "8"},
    {"E89", "[習]･･･外国人技能実習生　　[就]･･･外国人建設就労者　　[1特]･･･１号特定技能外国人", "8"},
    {"C90",
     "（注） 2. 作業主任者は作業を直接指揮する義務を負うので、同時に施工されている他の現場や、同一現場においても", "8"},
    {"C91",
     "       他の作業個所との作業主任者を兼務することは、法的に認められていないので、複数の選任としなければならない。",
     "8"},
    {"C92", "（注） 3. 各社別に作成するのが原則だが、リース機械等の運転者は一緒でもよい。", "8"},
    {"C93", "（注） 4. 資格・免許等の写しを添付することが望ましい。", "8"},
    {"AH86",
     "（注） 5. 健康保険欄には、左欄に健康保険の名称（健康保険組合、協会けんぽ、建設国保、国民健康保険）を記載。", "8"},
    {"AH87",
     "       上記の保険に加入しておらず、後期高齢者である等により、国民健康保険の適用除外である場合には、左欄に「適用除外」と記載。",
     "8"},
    {"AH88",
     "（注） 6. 年金保険欄には、左欄に年金保険の名称（厚生年金、国民年金）を記載。     各年金の受給者である場合は、左欄に「受給者」と記載。",
     "8"},
    {"AH89",
     "（注） 7. 雇用保険欄には右欄に被保険者番号の下４けたを記載。（日雇労働被保険者の場合には左欄に「日雇保険」と記載）事業主である等により雇用保険の適用除外である場合には左欄に「適用除外」と記載。",
     "8"},
    {"AH90",
     "（注） 8. 建設業退職金共済制度及び中小企業退職金共済制度への加入の有無については、それぞれの欄に「有」又は「無」と記載。",
     "8"},
    {"AH91",
     "（注） 9. 安全衛生に関する教育の内容（例：雇入時教育、職長教育、建設用リフトの運転の業務に係る特別教育）については「雇入・職長特別教育」欄に記載。",
     "8"},
    {"AH92",
     "（注）10. 建設工事に係る知識及び技術又は技能に関する資格（例：登録○○基幹技能者、○級○○施工管理技士）を有する場合は、「免許」欄に記載。",
     "8"},
    {"AH93", "（注）11. 記載事項の一部について、別紙を用いて記載しても差し支えない。", "8"},
};

// "会社名　事業者ID", or the name alone when the ID is blank.
QString companyWithId(const QString& name, const QString& id)
{
    return isBlank(id) ? name : name + QStringLiteral("　") + id;
}

// The first-tier company above table row `row` (the row itself when it is
// of tier "1"), found through "直近上位の会社No."; 0 when there is none.
int firstTierRow(const SiteView& site, int row)
{
    for (int steps = 0; row > 0 && steps <= site.contractors.size(); ++steps) {
        if (site.contractor(row, company::Tier).trimmed() == QLatin1String("1"))
            return row;
        row = site.upperRow(row);
    }
    return 0;
}

QString office(const Values& v)
{
    return v.project(field::WorksName) + QStringLiteral("事業所");
}

// "一次会社名・事業者ID": the first-tier company above the roster's company.
QString firstTierCompany(const Values& v)
{
    if (v.row == 0)
        return {};
    const int first = firstTierRow(v.run.site, v.row);
    return first
        ? companyWithId(v.run.site.contractor(first, company::Name), v.run.site.contractor(first, company::BusinessId))
        : QString();
}

bool firstTier(const Values& v)
{
    return v.run.site.contractor(v.row, company::Tier).trimmed() == QLatin1String("1");
}

// The roster's company itself, when it is not of the first tier.
QString ownCompany(const Values& v)
{
    if (v.row == 0)
        return companyWithId(v.run.site.primeName(), v.project(field::PrimeBusinessId));
    return firstTier(v) ? QString() : companyWithId(v.company(company::Name), v.company(company::BusinessId));
}

// The "（ 　 次)会社名" label with the tier filled in; empty where the form's
// own label stays (a first-tier company's roster).
QString ownLabel(const Values& v)
{
    if (v.row == 0)
        return QStringLiteral("（元請)会社名\n・事業者ID");
    if (firstTier(v))
        return {};
    const QString tier = v.company(company::Tier).trimmed();
    return QStringLiteral("（ %1 次)会社名\n・事業者ID").arg(isBlank(tier) ? QStringLiteral("　") : tier);
}

// The header of every page.
constexpr Field kHeaderFields[] = {
    {"H3:T4", "M C S 11", computed(&office)},
    {"H5:S6", "M C S 11", projectField(field::PrimeSiteAgent)},
    {"AZ5:BH6", "M C S 11", computed(&firstTierCompany)},
    {"BI5:BL6", "M C W 10", computed(&ownLabel), "（ 　 次)会社名\n・事業者ID", true},
    {"BM5:BU6", "M C S 11", computed(&ownCompany)},
};

} // namespace

int WorkerRoster::blockTop(int k)
{
    const int g = (k - 1) / kSlots;
    const int s = (k - 1) % kSlots;
    return kFirstSlot + kPageRows * g + kSlotRows * s;
}

void WorkerRoster::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kHeader);
    drawFields(ws, kHeaderFields);
    drawBoxes(ws, kHeadings);
    for (int s = 0; s < kSlots; ++s) {
        drawFields(ws, kBlockFields, kSlotRows * s);
        drawBoxes(ws, kBlockBlanks, kSlotRows * s);
        drawLines(ws, kBlockLines, kSlotRows * s);
    }
    drawLines(ws, kLines);
    drawBoxes(ws, kFooter);
}

void WorkerRoster::write(Worksheet& ws, const RunState& run) const
{
    const QList<QStringList> workers = run.site.workersOf(run.target.company);
    const int extra = extraPages(int(workers.size()), kSlots);
    // The driver repeats the page for the company's counted workers; the
    // worker list decides, so a count that fell behind still gets its pages.
    if (extra > extraPages(run.target.workerCount, kSlots))
        repeatPageBlock(ws, 1, kPageRows, extra);
    const Values company{run, run.target.row};
    for (int g = 0; g <= extra; ++g)
        fillFields(ws, kHeaderFields, company, kPageRows * g);
    for (int k = 1; k <= workers.size(); ++k)
        fillFields(ws, kBlockFields, {run, run.target.row, &workers[k - 1], k}, blockTop(k) - kFirstSlot);
}

const Document& workerRosterForm()
{
    static const WorkerRoster form;
    return form;
}

} // namespace mirevo::documents
