#include "SafetyPledge.h"

#include "FormFields.h"
#include "Forms.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

// Section headings and bodies alternate from row 12 to row 37; a body row
// holds its lines in one wrapped box and is as tall as its lines need.
constexpr double kLine = 14;
constexpr Size kHeights[] = {
    {"A1:A50", 16.5},   {"A1", 8},          {"A2", 24},         {"A4:A8", 18},      {"A9", 8},
    {"A13", 5 * kLine}, {"A15", 6 * kLine}, {"A17", 2 * kLine}, {"A19", 7 * kLine}, {"A21", 2 * kLine},
    {"A23", 4 * kLine}, {"A25", 2 * kLine}, {"A27", 3 * kLine}, {"A29", 4 * kLine}, {"A31", 5 * kLine},
    {"A33", 2 * kLine}, {"A35", 3 * kLine}, {"A37", 1 * kLine}, {"A38", 24},        {"A39:A50", 2},
};
constexpr Size kWidths[] = {{"B1:Y50", 3.25}, {"A1", 2}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:Y50", 0, kHeights, kWidths, "A1:Y50"};

constexpr Box kHeader[] = {
    {"I2", "安全衛生に関する誓約書", "B 16"},
    {"B4", "工事名称", "12"},
    {"B5", "代表者名", ""},
    {"O6", "住　　所", ""},
    {"O7", "会 社 名", ""},
    {"O8", "代表者名", ""},
    {"C10", "当社は、貴社から請負う標記工事の施工に関し、下記のことを誓約致します。", "B"},
    {"M11", "記", ""},
    {"C38", "本誓約書の内容に違反した場合は、いかなる処置を受けても異議の申し立ては致しません。", "B"},
};

// Every page: the site and the prime contractor's representative, then the
// company the page is for.
constexpr Field kSiteFields[] = {
    {"U3:Y3", "M R S", projectField(field::CreatedOn)},
    {"E4:M4", "M S", projectField(field::WorksName)},
    {"E5:M5", "M S", projectField(field::PrimeRepresentative)},
};

constexpr Field kCompanyFields[] = {
    {"R6:Y6", "M S", companyColumn(company::Address)},
    {"R7:Y7", "M S", companyColumn(company::Name)},
    {"R8:Y8", "M S", companyColumn(company::Representative)},
};

constexpr const char* kBodyCodes = "M W T L 10";

constexpr Box kSections[] = {
    {"B12", "１．自主安全衛生管理", "B"},
    {"C13:Y13",
     "（1）　労働基準法、労働安全衛生法及びその他の関係法規、ならびに貴社からの安全衛生に\n"
     "　　　 対する指示事項を誠実に履行します。\n"
     "（2）　事業者として、安全衛生責任者を配置し、自主安全衛生管理を徹底します。\n"
     "（3）　工事の一部を再下請負業者に施工させるときには、上記事項を各再下請負業者に徹底\n"
     "　　　 させ連帯して安全衛生管理の責任を負います。",
     kBodyCodes},
    {"B14", "２．有資格者の選任", "B"},
    {"C15:Y15",
     "（1）　安全衛生責任者、職長、作業主任者、作業指揮者を適格に選任し現場に常駐させて\n"
     "　　　 各職務を遂行させます。\n"
     "（2）　有資格者（免許、技能講習修了者）でなければできない業務には、必ず所定の有資格者\n"
     "　　　 の中から適任者を選任して就業させます。\n"
     "（3）　危険・有害業務（酸素欠乏・有機溶剤の使用等）に従事させる作業者は、当該危険・有害業務に\n"
     "　　　 係る特別教育を終了した者のみを就業させます。",
     kBodyCodes},
    {"B16", "３．安全衛生教育", "B"},
    {"C17:Y17",
     "（1）　雇い入れ時、作業変更時、新規入場者及び職長等の教育、ならびに危険・有害な業務に\n"
     "　　　 就かせる時の特別教育は、事業者として責任を持って実施します。",
     kBodyCodes},
    {"B18", "４．就業の禁止", "B"},
    {"C19:Y19",
     "次の各項に該当する労働者は、就業させません。\n"
     "（1）　指示命令に従わずに勝手な行動をとる者。\n"
     "（2）　酒気を帯びた者、または風紀を乱し他人に迷惑を及ぼす恐れのある者。\n"
     "（3）　業務に必要のない火気、凶器、その他危険と認められる物を所持する者。\n"
     "（4）　災害頻発者及び故意または重大な過失により災害を発生させた者。\n"
     "（5）　心身に欠陥があり、作業に従事することが不適当と認められる者。\n"
     "（6）　不法就労外国人。",
     kBodyCodes},
    {"B20", "５．統括安全衛生管理への協力", "B"},
    {"C21:Y21",
     "（1）　貴社及び作業所における安全大会、安全衛生協議会、作業間の連絡調整会議、朝礼等\n"
     "　　　 には必ず責任者を参加させ、その取り決め事項は関係作業員に周知して、徹底します。",
     kBodyCodes},
    {"B22", "６．災害発生時の処置", "B"},
    {"C23:Y23",
     "（1）　 災害・事故が発生した場合には、貴社作業所責任者に報告し指示を仰ぐと共に\n"
     "　　　 人命の救助を第一とし、２次災害の防止を図ります。\n"
     "（2）　災害・事故が発生した場合には、現状の保存に努め必要以外の者を立入らせないように\n"
     "　　　 救助を第一とし、２次災害の防止を図ります。",
     kBodyCodes},
    {"B24", "７．作業指示", "B"},
    {"C25:Y25",
     "（1）　作業開始前に関係作業員に対して、安全な作業方法と具体的災害防止対策を周知して\n"
     "　　　 徹底します。",
     kBodyCodes},
    {"B26", "８．安全施設の確保", "B"},
    {"C27:Y27",
     "（1）　作業開始前に、作業床・通路・昇降設備を確保してから作業をします。\n"
     "（2）　外部手すり等の安全施設を作業の都合上、変更・撤去する必要が生じた場合、貴社担当者と\n"
     "　　　 事前に協議し、対策を決めてから実施します。",
     kBodyCodes},
    {"B28", "９．保護具・工具の使用", "B"},
    {"C29:Y29",
     "（1）　作業員が使用する保護具・工具類は常に点検整備をします。\n"
     "（2）　保護帽の着用、高所作業時の安全帯の着用を徹底し、正しく使用させます。\n"
     "（3）　危険・有害な作業を行う場合には、作業内容に応じた保護具（防護眼鏡、防塵マスク、\n"
     "　　　 防毒マスク、空気呼吸器、耳栓、防振手袋、安全靴、絶縁防具など）を使用させます。",
     kBodyCodes},
    {"B30", "１０．持込み機械等の取り扱い", "B"},
    {"C31:Y31",
     "（1）　持込み機械・資材は、これらの欠陥により災害を起こすことのないように安全に\n"
     "　　　 整備されたものを配置・維持して、法令による点検結果を記録・保存します。\n"
     "（2）　持込み機械は、取り扱い責任者を定め、所定の様式による届出をしてから使用します。\n"
     "（3）　火気及び可燃性危険物の使用取り扱いには責任者を定め、貴社担当者の許可及び指示\n"
     "　　　 を受けてから使用します。",
     kBodyCodes},
    {"B32", "１１．車輌の運行管理", "B"},
    {"C33:Y33",
     "（1）　交通法規、安全運転上の心得及び貴社の指示事項を遵守します。\n"
     "（2）　道路交通法・国土交通省令に則り、安全運転管理者を選任し、職務を遂行させます。",
     kBodyCodes},
    {"B34", "１２．整理整頓", "B"},
    {"C35:Y35",
     "（1）　作業場は常に整理整頓をして作業を行い、責任を持って後片付けをします。\n"
     "（2）　梱包材等の持ち込みを減らし、発生した不用材・残材等は貴社担当者の指示に従って\n"
     "　　　 分別して再資源化を図り、産業廃棄物の減量に努力します。",
     kBodyCodes},
    {"B36", "１３．報告", "B"},
    {"C37:Y37", "（1）　届出事項に変更があった場合には、速やかに貴社責任者に報告します。", kBodyCodes},
};

constexpr Line kLines[] = {
    {"U3:Y3", "B"},
    {"B4:M4", "B"},
    {"B5:M5", "B"},
    {"O8:Y8", "B"},
};

} // namespace

void SafetyPledge::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kHeader);
    drawFields(ws, kSiteFields);
    drawFields(ws, kCompanyFields);
    drawBoxes(ws, kSections);
    drawLines(ws, kLines);
}

void SafetyPledge::write(Worksheet& ws, const RunState& run) const
{
    const QList<int> rows = run.site.companyRows();
    repeatPageBlock(ws, 1, kPageRows, int(rows.size()) - 1);
    if (rows.isEmpty())
        fillFields(ws, kSiteFields, {run});
    for (int i = 0; i < rows.size(); ++i) {
        const Values company{run, rows[i]};
        fillFields(ws, kSiteFields, company, kPageRows * i);
        fillFields(ws, kCompanyFields, company, kPageRows * i);
    }
}

const Document& safetyPledgeForm()
{
    static const SafetyPledge form;
    return form;
}

} // namespace mirevo::documents
