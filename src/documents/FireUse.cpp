#include "FireUse.h"

#include "FormKit.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {
    {"A1:A66", 12}, {"A7", 24}, {"A21:A37", 33}, {"A30", 18}, {"A31", 12}, {"A38", 18}, {"A39:A51", 12},
};
// The zoom follows the rows the form uses (its boxes end at row 38).
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AI66", 10, kHeights, kPortraitWidths, "A1:AI38"};

constexpr Box kBoxes[] = {
    {"I7:V7", "火　気　使　用　願", "M C 16 B"},
    {"E18:AG19", "下記要領で火気を使用したく許可願います。なお、火気使用終了時には、必ずその旨報告致します。",
     "M 10 W"},
    {"B21:G21", "使 用 場 所", "M C 10"},
    {"H21:AG21", "", "M S 10"},
    {"B22:G23", "使 用 目 的", "M C 10"},
    {"H22:T22", "  溶接,溶断、圧接、防水、乾燥、採暖、湯沸し", "M S 10"},
    {"H23:T23", "  炊事、その他", "M 10"},
    {"U22:Y22", "使 用 期 間", "M C 10"},
    {"Z22:AG22", "     月     日 ～     月     日", "M C S 10"},
    {"U23:Y23", "使用時間(原則）", "M C S 10"},
    {"Z23:AG23", "     時     分 ～     時     分", "M C S 10"},
    {"B24:G24", "火気の種類", "M C 10"},
    {"H24:AG24", "　電気、ガス、灯油、重油、木炭、薪、その他", "M 10"},
    {"B25:G26", "管 理 方 法", "M C 10"},
    {"H25:AG25", "　消火器、防火用水、消火砂、防災シート、受け皿、標識、監視", "M 10"},
    {"H26:AG26", "　取扱上の注意（　　　　　　　　　　　　　　　　　　)", "M S 10"},
    {"B27:G28", "火元責任者　　　  　  　　(後始末巡回者）", "M C 10 W"},
    {"H27:AG27", "", "M S 10"},
    {"H28:AG28", "", "M S 10"},
    {"B29:G29", "火元使用責任者", "M C S 10"},
    {"H29:AG29", "", "M S 10"},
    {"B30:AG30", "      ※ 使用目的、火気の種類、管理方法は該当事項を、○で囲んで下さい。", "M 10"},
    {"B32:J32", "許 可　    第               号", "M C 10"},
    {"K32:O32", "    許可年月日", "M 10"},
    {"P32:AG32", "              年　　　　　月　　　　　　日", "M 10"},
    {"B33:J34", "火 気 使 用 許 可", "M C 10"},
    {"K33:O33", "    防火管理者", "M 10"},
    {"K34:O34", "　  担 当 係 員", "M 10"},
    {"P33:AE33", "", "M 10"},
    {"P34:AE34", "", "M 10"},
    {"AF33:AG33", " 印", "M 10"},
    {"AF34:AG34", " 印", "M 10"},
    {"B35:J37", "許 可 条 件", "M C 10"},
    {"K35:AG35", "", "M 10"},
    {"K36:AG36", "", "M 10"},
    {"K37:AG37", "", "M 10"},
    {"B38:AG38", "      ※ 毎日時間で管理する場合は、この様式を参考にして書式を作成して下さい。", "M 10"},
};

constexpr Line kLines[] = {
    {"B21:AG22", "T"}, {"B24:AG25", "T"}, {"B27:AG27", "T"}, {"B29:AG30", "T"}, {"A21:G29", "R"},   {"AG21:AG29", "R"},
    {"B32:AG33", "T"}, {"B35:AG35", "T"}, {"B38:AG38", "T"}, {"A32:J37", "R"},  {"AG32:AG37", "R"},
};

} // namespace

void FireUse::layout(Worksheet& ws) const
{
    drawNotice(ws, kPage, kBoxes, kLines);
}

void FireUse::write(Worksheet& ws, const RunState& run) const
{
    fillCompanyBlock(ws, run);
}

const Document& fireUseForm()
{
    static const FireUse form;
    return form;
}

} // namespace mirevo::documents
