#include "HazardousMaterials.h"

#include "FormKit.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A66", 12}, {"A7", 24}, {"A21:A43", 21}, {"A44:A51", 14}};
// The zoom follows the rows the form uses (its boxes end at row 47).
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AI66", 10, kHeights, kPortraitWidths, "A1:AI47"};

constexpr Box kBoxes[] = {
    {"I7:V7", "危険物　・有害物持込使用届", "M C 16 B"},
    {"E18:AG19",
     "この度、下記の危険物・有害物を持込み使用するので、お届けします。なお、使用に際しては、関係法規に          定められた事項を遵守するとともに盗難防止に努めます。",
     "M 10 W"},
    {"B21:G26", "使 用 材 料", "M C 10"},
    {"H21:M21", "商 品 名", "M C 10"},
    {"N21:S21", "メーカー名", "M C 10"},
    {"T21:V21", "搬入量", "M C 10"},
    {"W21:Z21", "種 別", "M C 10"},
    {"AA21:AG21", "含有成分", "M C 10"},
    {"H22:M22", "", "M C S 10"},
    {"N22:S22", "", "M C S 10"},
    {"T22:V22", "", "M C S 10"},
    {"W22:Z22", "", "M C S 10"},
    {"AA22:AG22", "", "M C S 10"},
    {"H23:M23", "", "M C S 10"},
    {"N23:S23", "", "M C S 10"},
    {"T23:V23", "", "M C S 10"},
    {"W23:Z23", "", "M C S 10"},
    {"AA23:AG23", "", "M C S 10"},
    {"H24:M24", "", "M C S 10"},
    {"N24:S24", "", "M C S 10"},
    {"T24:V24", "", "M C S 10"},
    {"W24:Z24", "", "M C S 10"},
    {"AA24:AG24", "", "M C S 10"},
    {"H25:M25", "", "M C S 10"},
    {"N25:S25", "", "M C S 10"},
    {"T25:V25", "", "M C S 10"},
    {"W25:Z25", "", "M C S 10"},
    {"AA25:AG25", "", "M C S 10"},
    {"H26:M26", "", "M C S 10"},
    {"N26:S26", "", "M C S 10"},
    {"T26:V26", "", "M C S 10"},
    {"W26:Z26", "", "M C S 10"},
    {"AA26:AG26", "", "M C S 10"},
    {"B27:G29", "工事名及び   　　　使 用 場 所", "M C 10 W"},
    {"H27:AG27", "　(災害又は健康障害の発生しやすい場所は必ず記入する）", "M L 9"},
    {"H28:AG28", "", "M S 10"},
    {"H29:AG29", "", "M S 10"},
    {"B30:G31", "保 管 場 所", "M C 10 W"},
    {"H30:S30", "", "M C S 10"},
    {"H31:S31", "", "M C S 10"},
    {"T30:W31", "使用機械　　　又は工具", "M C 10 W"},
    {"X30:AG30", "", "M C S 10"},
    {"X31:AG31", "", "M C S 10"},
    {"B32:G32", "使 用 期 間", "M C 10"},
    {"H32:AG32", "～", "M C 10"},
    {"B33:G35", "作業主任者", "M C 10 W"},
    {"H33:AG33", " （屋内作業場、タンク等で許容消費量の有機溶剤又は特定化学物質等を取り扱う作業は技能講習修了者）",
     "M S 9"},
    {"H34:AG34", "", "M S 10"},
    {"H35:AG35", "", "M S 10"},
    {"B36:G37", "危険物取扱い　　　責　任　者", "M C 10 W"},
    {"H36:AG36", " （消防法で決められた量以上を貯蔵する場合は、危険物取り扱いの免許取得者）", "M S 9"},
    {"H37:AG37", "", "M S 10"},
    {"B38:G39", "換気方法・種類", "M C 10"},
    {"H38:AG38", " （主なものを記入する。詳細は別に計画書を作成する）", "M 9"},
    {"H39:AG39", "", "M S 10"},
    {"B40:G43", "備 考", "M C 10"},
    {"H40:AG40", " （防毒マスクなどの使用又は他の職種に関係ある事項などを記入する）", "M 9"},
    {"H41:AG41", "", "M S 10"},
    {"H42:AG42", "", "M S 10"},
    {"H43:AG43", "", "M S 10"},
    {"F45:G45", "（注）", "M C 10"},
    {"H45:AG45", "1. 商品名、種別、含有成分等は材料に添付されているラベル成分等から写して記入して下さい。", "M S 10"},
    {"H46:AG46", "2. 危険物とは、ガソリン、軽油、灯油、プロパン、アセチレンガスなどをいう。", "M 10"},
    {"H47:AG47", "3. 有害物とは、塗装、防水などに使用する有機溶剤、特定化学物質をいう。", "M 10"},
};

constexpr Line kLines[] = {
    {"B21:AG27", "T"}, {"B30:AG30", "T"}, {"B32:AG33", "T"}, {"B36:AG36", "T"},
    {"B38:AG38", "T"}, {"B40:AG40", "T"}, {"B44:AG44", "T"}, {"A21:AG43", "R"},
};

} // namespace

void HazardousMaterials::layout(Worksheet& ws) const
{
    drawNotice(ws, kPage, kBoxes, kLines);
}

void HazardousMaterials::write(Worksheet& ws, const RunState& run) const
{
    fillCompanyBlock(ws, run);
}

const Document& hazardousMaterialsForm()
{
    static const HazardousMaterials form;
    return form;
}

} // namespace mirevo::documents
