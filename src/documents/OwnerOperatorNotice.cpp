#include "OwnerOperatorNotice.h"

#include "FormKit.h"
#include "Forms.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {
    {"A1:A66", 12},  {"A5", 6},  {"A7", 24}, {"A8:A9", 6}, {"A18", 6},     {"A19:A66", 18}, {"A20", 6},
    {"A21:A26", 15}, {"A27", 9}, {"A29", 6}, {"A37", 6},   {"A39:A40", 6}, {"A42", 6},      {"A46", 6},
    {"A48", 12},     {"A51", 6}, {"A52", 6}, {"A54", 6},   {"A56", 6},     {"A58", 12},
};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AI66", 10, kHeights, kPortraitWidths, "A1:AI66"};

constexpr Box kBoxes[] = {
    {"E7:Y7", "中小事業主・一人親方等就労届出", "M C 16 B"},
    {"B10:F11", "事業所の名称", "M C 10"},
    {"B12:F13", "所　　長　　名", "M C"},
    {"N12:O13", "殿", "M C"},
    {"T10:X11", "一 次 会 社 名", "M C"},
    {"T14:X15", "申 請 会 社 名", "M C"},
    {"T16:X17", "代 表 者 氏 名", "M C"},
    {"AH16:AH17", "印", "M"},
    {"B19:AG19", "Ⅰ． 申請就労者", "M 11 B"},
    {"C21:I22", "該当者項目", "M C"},
    {"K21", "1. 事業主", ""},
    {"P21", "2. 事業主の家族役員", ""},
    {"K22", "3. 一人親方", ""},
    {"P22", "4. 一人親方と生計を共にする家族", ""},
    {"Z21:AH22", "※1～4に該当番号に○印", "M C S"},
    {"C23:I24", "該当者氏名", "M C"},
    {"J23:P24", " ", "M"},
    {"Q23:R24", "性別", "M C"},
    {"S23:T23", "□男", "M C"},
    {"S24:T24", "□女", "M C"},
    {"U23:Y24", "生 年 月 日", "M C"},
    {"Z23:AH24", " ", "M"},
    {"C25:I26", "住　　　　 所", "M C"},
    {"J25:T26", " ", "M"},
    {"U25:Y26", "ＴＥＬ", "M C"},
    {"Z25:AH26", " ", "M"},
    {"B28:AH28", "Ⅱ． 申請就労者加入保険", "M 11 B"},
    {"C30:I30", "保 険 会 社 名", "M C"},
    {"J30:Y30", " ", "M"},
    {"C31:I31", "保険の種類/名称", "M C"},
    {"J31:Y31", " ", "M"},
    {"C32:I32", "保険の有効期間", "M C"},
    {"J32:P32", "", "M"},
    {"Q32:R32", "～", "M C"},
    {"S32:Y32", "", "M"},
    {"Z30:AH32", "※当作業所は保険未加入者の　　  　　　就労はできません。", "M W red"},
    {"C33:I34", "保険の補償内容", "M C"},
    {"C35:I36", "※右記の項目に【無】が　　　ひとつでもあれば当作業　　で就労できません。", "M 8 W red"},
    {"J33:U33", "怪我による入院補償", "M C"},
    {"V33:AH33", "怪我による通院補償", "M C"},
    {"J35:U35", "怪我による障害補償", "M C"},
    {"V35:AH35", "怪我による死亡補償", "M C"},
    {"J34:U34", "有　・　無", "M C"},
    {"V34:AH34", "有　・　無", "M C"},
    {"J36:U36", "有　・　無", "M C"},
    {"V36:AH36", "有　・　無", "M C"},
    {"D38", "※労災保険特別加入申請書（写し）を添付すること。", "B red"},
    {"B41:AH41", "Ⅲ． 就労者署名", "M 11 B"},
    {"E43:AH43", "上記に申請する就労者については、元請労災保険の対象外者にあたるため、万一、貴作業所で", "M"},
    {"E44:AH44", "労働災害が発生した場合は、治療費、休業補償等については【Ⅱ．申請就労者加入保険】にて", "M"},
    {"E45:AH45", "責任を持って解決し、貴社に一切の迷惑をかけずに対処することを誓います。", "M"},
    {"H47:I47", "", "M C"},
    {"J47:K47", "", "M C"},
    {"M47:N47", "", "M C"},
    {"P47:Q47", "", "M C"},
    {"L47", "年", "C"},
    {"O47", "月", "C"},
    {"R47", "日", "C"},
    {"S49:V49", "申請就労者", "M C 11"},
    {"W49:AD49", "", "M"},
    {"AE49", "※自筆", ""},
    {"AD51", "", ""},
    {"B53:AH53", "Ⅳ． 元請責任者承諾", "M 11 B"},
    {"E55:AH55", "上記に申請があった就労者について、審査した結果、当作業への入場を許可する。", "M"},
    {"H57:I57", "", "M C"},
    {"J57:K57", "", "M C"},
    {"M57:N57", "", "M C"},
    {"P57:Q57", "", "M C"},
    {"L57", "年", "C"},
    {"O57", "月", "C"},
    {"R57", "日", "C"},
    {"S59:V59", "現場代理人", "M C 11"},
    {"W59:AD59", "", "M"},
};

QString tierLabel(const Values& v)
{
    return tierCompanyLabel(v.company(company::Tier));
}

// The addressee and the applying company.
constexpr Field kFields[] = {
    {"G10:O11", "M C S", projectField(field::WorksName)},
    {"G12:M13", "M C S", projectField(field::PrimeSiteAgent)},
    {"T12:X13", "M C", computed(&tierLabel), "（　 ） 次会社名"},
    {"Y10:AG11", "M S", companyColumn(company::FirstTierName)},
    {"Y12:AG13", "M S", companyColumn(company::Name)},
    {"Y14:AG15", "M S", companyColumn(company::Name)},
    {"Y16:AG17", "M S", companyColumn(company::Representative)},
};

constexpr Line kLines[] = {
    {"G10:O11", "B"},     {"G12:O13", "B"},    {"Y12:AG12", "T H"},  {"Y14:AG14", "T H"}, {"Y16:AG16", "T H"},
    {"Y18:AG18", "T H"},  {"C21:AH21", "T K"}, {"C23:AH23", "T"},    {"C25:AH25", "T"},   {"C27:AH27", "T K"},
    {"B21:B26", "R K"},   {"I21:I26", "R"},    {"P23:R24", "R"},     {"T23:T26", "R"},    {"Y21:Y26", "R"},
    {"AH21:AH26", "R K"}, {"C30:AH30", "T K"}, {"B30:B36", "R K"},   {"I30:I36", "R"},    {"C31:AH36", "T"},
    {"U33:U36", "R"},     {"Y30:Y32", "R"},    {"AH30:AH36", "R K"}, {"C37:AH37", "T K"}, {"H48:S48", "T"},
    {"W50:AD50", "T"},    {"H58:S58", "T"},    {"W60:AD60", "T"},
};

} // namespace

void OwnerOperatorNotice::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawReportConfirmation(ws);
    drawBoxes(ws, kBoxes);
    drawFields(ws, kFields);
    drawLines(ws, kLines);
    drawConfirmationLines(ws);
}

void OwnerOperatorNotice::write(Worksheet& ws, const RunState& run) const
{
    fillFields(ws, kFields, {run, run.target.row});
}

const Document& ownerOperatorNoticeForm()
{
    static const OwnerOperatorNotice form;
    return form;
}

} // namespace mirevo::documents
