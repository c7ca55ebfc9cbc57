#include "DocumentList.h"

#include "FormFields.h"
#include "Forms.h"
#include "project/RecordFields.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A100", 16.5}};
constexpr Size kWidths[] = {{"B1:Y50", 3}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:Y100", 0, kHeights, kWidths, "A1:Y46"};

constexpr Box kHeader[] = {
    {"I2", "労務安全等に関する提出書類", "B 16"},
    {"B4", "会 社 名", "12"},
    {"B6", "代表者名", ""},
    {"C11", "必要事項を記入して、作業所長へ提出して下さい。", ""},
    {"M13", "記", ""},
    {"B14", "１．  １次下請負業者が再下請負業者を使用する場合、必要とする書類は１次下請負業者が取り", ""},
    {"C15", "まとめて提出してください。", ""},
    {"B16", "２．  提出書類は『全国建設業協会発行、労務安全に関する届出書』に準拠して編集してますが、", ""},
    {"C17", "この目的に合致していれば、必ずしも同一様式でなくても結構です。", ""},
    {"B18", "３．  各用紙が不足のときは、コピーして使用してください。", ""},
    {"B19", "４．  この書類の写しを、一次下請負業者の控えとして一部保管してください。", ""},
    {"K21", "協力業者提出書類一覧", "B"},
    {"G22", "書類の名称", ""},
    {"S22", "提出時期", ""},
};

// One row per document: number (B, centred), name (C:O), timing.
constexpr Box kRows[] = {
    {"B24", "1", "C"},
    {"C24:O24", "労務安全等に関する提出書類", "M S"},
    {"B25", "2", "C"},
    {"C25:O25", "建設業法・雇用改善法等に基づく届出書（変更届）", "M S"},
    {"B26", "3", "C"},
    {"C26:O26", "作業員名簿", "M S"},
    {"B27", "4", "C"},
    {"C27:O27", "有資格者、免許証、技能講習修了証の写し", "M S"},
    {"B28", "5", "C"},
    {"C28:O28", "有資格者区分一覧表", "M S"},
    {"B29", "6", "C"},
    {"C29:O29", "新規入場者教育実施報告書（個人票）", "M S"},
    {"B30", "7", "C"},
    {"C30:O30", "持込み機械等使用届（移動式クレーン、車輌系建設機械）", "M S"},
    {"B31", "8", "C"},
    {"C31:O31", "持込み機械等使用届（電動工具、電気溶接機）", "M S"},
    {"B32", "9", "C"},
    {"C32:O32", "工事用車輌届", "M S"},
    {"B33", "10", "C"},
    {"C33:O33", "危険物、有害物持込み使用届", "M S"},
    {"B34", "11", "C"},
    {"C34:O34", "火気使用届", "M S"},
    {"B35", "12", "C"},
    {"C35:O35", "年少者･高年齢者高血圧者就労報告書", "M S"},
    {"B36", "13", "C"},
    {"C36:O36", "中小事業主・一人親方就労届出", "M S"},
    {"B37", "", "C"},
    {"B38", "", "C"},
    {"R25:X25", "・入場前に遅滞なく提出する。", "M S"},
    {"R26:X26", "・工事中変更の都度差替える。", "M S"},
    {"R27:X27", "・追加分は、遅滞なく提出する。", "M S"},
    {"Q29:X29", "・新規入場の時に届け出る。", "M S"},
    {"Q30:X30", "・持込みの都度届け出る。", "M S"},
    {"Q31:X31", "・持込みの都度届け出る。", "M S"},
    {"Q32:X32", "・車輌を使用するとき届け出る。", "M S"},
    {"Q33:X33", "・持込みの都度届け出る。", "M S"},
    {"Q34:X34", "・使用の都度届け出る。", "M S"},
    {"Q35:X35", "・入場前に遅滞なく提出する。", "M S"},
    {"Q36:X36", "・入場前に遅滞なく提出する。", "M S"},
};

constexpr Box kPurposes[] = {
    {"C40", "この書類提出の目的は、次の通り", ""},
    {"D42", "①　労働安全衛生管理遵守の誓約", ""},
    {"D43", "②　各責任者の確認", ""},
    {"D44", "③　指揮命令系統の把握", ""},
    {"D45", "④　作業員の把握", ""},
    {"N42", "⑤　有資格者の確認", ""},
    {"N43", "⑥　新規入場者教育の実施", ""},
    {"N44", "⑦　持込み機械の整備状況把握", ""},
    {"N45", "⑧　工事車輌の運行管理状況把握", ""},
};

constexpr Line kLines[] = {
    {"B4:M4", "B"},
    {"B6:M6", "B"},
    {"P8:X8", "B"},
    {"B22:X22", "T"},
    {"B23:X23", "T"},
    {"B22:B38", "L R"},
    {"B38:X38", "B"},
    {"P22:P38", "L"},
    {"X22:X38", "R"},
    // The bracket of the first five documents' timing.
    {"Q24", "T"},
    {"Q24:Q28", "R"},
    {"Q28", "B"},
};

QString siteManager(const Values& v)
{
    return QStringLiteral("作業所長　") + v.project(field::PrimeSiteAgent);
}
QString sentence(const Values& v)
{
    return DocumentList::projectSentence(v.project(field::WorksName));
}

constexpr Field kFields[] = {
    {"U3:Y3", "M R S", projectField(field::CreatedOn)},
    {"E4:M4", "M S", projectField(field::PrimeName)},
    {"E6:M6", "M S", projectField(field::PrimeRepresentative)},
    {"P8:X8", "M S", computed(&siteManager)},
    {"C10", "", computed(&sentence), "当社が発注する、「 　　　　　　　　　　 」にあたり、下記の書類に"},
};

} // namespace

QString DocumentList::projectSentence(const QString& project)
{
    return QStringLiteral("当社が発注する、「 ") + project + QStringLiteral(" 」にあたり、下記の書類に");
}

void DocumentList::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kHeader);
    drawFields(ws, kFields);
    drawBoxes(ws, kRows);
    drawBoxes(ws, kPurposes);
    drawLines(ws, kLines);
}

void DocumentList::write(Worksheet& ws, const RunState& run) const
{
    fillFields(ws, kFields, {run});
}

const Document& documentListForm()
{
    static const DocumentList form;
    return form;
}

} // namespace mirevo::documents
