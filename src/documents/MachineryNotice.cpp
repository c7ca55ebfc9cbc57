#include "MachineryNotice.h"

#include "FormKit.h"
#include "Forms.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A67", 12}};
constexpr Size kWidths[] = {{"B1:BT1", 2}, {"B1", 1}, {"G1", 1}, {"AI1", 1}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AH67", 9, kHeights, kWidths, "A1:AH67"};

// Rows 1-18; the title's two middle lines are drawn by drawHeader.
constexpr Box kHeader[] = {
    {"E3:J4", "持込機械等", "M C B 16"},
    {"K2:K5", "{", "M C 32"},
    {"S2:S5", "等", "M C B 16"},
    {"T2:T5", "}", "M C 32"},
    {"U3:X4", "使用届", "M C B 16"},
    {"Z2:AH2", "令和     年     月     日", "M C 10"},
    {"B7:F8", "事業所の名称", "M C 10"},
    {"B9:F10", "所　　長　　名", "M C"},
    {"N9:O10", "殿", "M C 10"},
    {"U7:X8", "一次会社名", "M C 10"},
    {"U11:X12", "代表者名", "M C 10"},
    {"U13:X14", "電　　話", "M C 10"},
    {"H16:AB18",
     "この度、下記機械を裏面の点検表により、点検整備の上持込・使用しますので\n"
     "お届けします。なお、使用に際しては関係法令に定められた事項を遵守します。",
     "M W"},
};

QString tierLabel(const Values& v)
{
    return bringingCompanyLines(v.company(company::Tier));
}

// The addressee and the bringing company.
constexpr Field kHeaderFields[] = {
    {"G7:O8", "M C S 10", projectField(field::WorksName)},
    {"G9:M10", "M C S 10", projectField(field::PrimeSiteAgent)},
    {"Y7:AG8", "M C S", companyColumn(company::FirstTierName)},
    {"U9:X10", "M C W 7", computed(&tierLabel), "持込会社名\n(　　　　次　）"},
    {"Y9:AG10", "M C S", companyColumn(company::Name)},
    {"Y11:AG12", "M C S", companyColumn(company::Representative)},
    {"Y13:AG14", "M C S", companyColumn(company::Phone)},
};

// The addressee's and the company's values are underlined.
constexpr Line kHeaderLines[] = {
    {"G8:O8", "B"}, {"G10:O10", "B"}, {"Y8:AG8", "B"}, {"Y10:AG10", "B"}, {"Y12:AG12", "B"}, {"Y14:AG14", "B"},
};

constexpr Box kBody[] = {
    {"B20:V21", "使　用　会　社　名", "M C 10"},
    {"W20:AH21", "代　表　者　名", "M C 10"},
    {"B22:V23", "", "M C S"},
    {"W22:AH23", "印　", "M R 10"},
    {"B24:G31", "機　　械", "M C 10"},
    {"H24:M25", "名称", "M C 10"},
    {"N24:S25", "メーカー", "M C 10"},
    {"T24:Y25", "規格・性能", "M C 10"},
    {"Z24:AB25", "製造年", "M C 10"},
    {"AC24:AH25", "管理番号", "M C 10"},
    {"H26:M31", "", "M C 10"},
    {"N26:S31", "", "M C 10"},
    {"T26:Y31", "", "M C 10"},
    {"Z26:AB31", "", "M C 10"},
    {"AC26:AH31", "", "M C 10"},
    {"B32:G33", "持込年月日", "M C 10"},
    {"H32:P33", "年　　月　　日　", "M R 10"},
    {"B34:G35", "搬出予定日", "M C 10"},
    {"H34:P35", "年　　月　　日　", "M R 10"},
    {"Q32:S35", "使用場所", "M C 10"},
    {"T32:AB35", "", "M C 10"},
    {"AC32:AD35", "区分", "M C 10"},
    {"AE32:AE35", "", "M"},
    {"AF32:AH33", "□自社", "M L 10"},
    {"AF34:AH35", "□リース", "M L 10"},
    {"B36:G41", "運　転　者\n（取扱者）", "M C W 10"},
    {"H36:S37", "氏　　　名", "M C 10"},
    {"T36:AH37", "資　格　の　種　類", "M C 10"},
    {"H38:J39", "（正）", "M C 10"},
    {"H40:J41", "（副）", "M C 10"},
    {"K38:S39", "", "M C 10"},
    {"K40:S41", "", "M C 10"},
    {"T38:Y39", "車両系建設機械", "M C 10"},
    {"T40:Y41", "車両系建設機械", "M C 10"},
    {"Z38:AH39", "", "M C 10"},
    {"Z40:AH41", "", "M C 10"},
    {"B42:D47", "自主検査\n有効期限", "M C W 9"},
    {"E42:G45", "定期", "M C 9"},
    {"H42:J43", "年次", "M C 10"},
    {"H44:J45", "月次", "M C 10"},
    {"E46:J47", "特定", "M C 10"},
    {"K42:S43", "年　　　　月　　　　日　", "M R 10"},
    {"K44:S45", "年　　　　月　　　　日　", "M R 10"},
    {"K46:S47", "年　　　　月　　　　日　", "M R 10"},
    {"T42:Y44", "移動式クレーン等の\n性能検査有効期限", "M C W 10"},
    {"Z42:AH44", "年　　　　月　　　　日　", "M R 10"},
    {"T45:Y47", "自動車検査証\n有効期限", "M C W 10"},
    {"Z45:AH47", "年　　　　月　　　　日　", "M R 10"},
    {"B48:D51", "任意\n保険", "M C W 10"},
    {"E48:G51", "加入額", "M C 10"},
    {"H48:J49", "対人", "M C 10"},
    {"H50:J51", "対物", "M C 10"},
    {"R48:T49", "搭乗者", "M C 10"},
    {"R50:T51", "その他", "M C 10"},
    {"K48:Q49", " 千円　", "M R 10"},
    {"K50:Q51", " 千円　", "M R 10"},
    {"U48:AB49", " 千円　", "M R 10"},
    {"U50:AB51", " 千円　", "M R 10"},
    {"AC48:AH49", "有　効　期　限", "M C 10"},
    {"AC50:AH51", "年　　月　　日　", "M R 10"},
    {"B52:G61", "機械等の特性・\nその他 使用上\n注意すべき事項", "M C W 9"},
    {"H52:AH53", "", "M C 10"},
    {"H54:AH55", "", "M C 10"},
    {"H56:AH57", "", "M C 10"},
    {"H58:AH59", "", "M C 10"},
    {"H60:AH61", "", "M C 10"},
    {"B62:L63", "元請確認欄", "M C 10"},
    {"M62:W63", "受理番号", "M C 10"},
    {"X62:AH63", "届確認者", "M C 10"},
    {"B64:L67", "", "M C 10"},
    {"M64:W67", "", "M C 10"},
    {"X64:AH67", "", "M C 10"},
};

constexpr Line kBodyLines[] = {
    {"B20:AH20", "T"}, {"B21:AH32", "B"}, {"B33:P33", "B"},   {"B35:AH67", "B"},
    {"B20:B67", "L"},  {"B20:AD67", "R"}, {"AH20:AH67", "R"}, {"H53:AH59", "B H"},
};

} // namespace

void MachineryNotice::drawHeader(Worksheet& ws, const char* upper, const char* lower)
{
    preparePage(ws, kPage);
    drawBoxes(ws, kHeader);
    drawFields(ws, kHeaderFields);
    drawBox(ws, {"L2:R3", upper, "M C B 14"});
    drawBox(ws, {"L4:R5", lower, "M C B 14"});
    drawLines(ws, kHeaderLines);
}

void MachineryNotice::writeHeader(Worksheet& ws, const RunState& run)
{
    fillFields(ws, kHeaderFields, {run, run.target.row});
}

void MachineryNotice::layout(Worksheet& ws) const
{
    drawHeader(ws, "移動式クレーン", "車輌系建設機械");
    drawBoxes(ws, kBody);
    drawLines(ws, kBodyLines);
}

void MachineryNotice::write(Worksheet& ws, const RunState& run) const
{
    writeHeader(ws, run);
}

const Document& machineryNoticeForm()
{
    static const MachineryNotice form;
    return form;
}

} // namespace mirevo::documents
