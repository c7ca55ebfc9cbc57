#include "PowerToolChecklist.h"

#include "FormDrawer.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A34", 22.5}};
constexpr Size kWidths[] = {{"B1:S1", 4}, {"T1", 1}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:S34", 10, kHeights, kWidths, "A1:S34"};

constexpr Box kBoxes[] = {
    {"E2:L2", "持込時の点検表", "M C B 16"},
    {"B3:O3", "電　動　工　具　・　電　気　溶　接　機　等", "M C 12"},
    {"N1:O1", "点検", "M C 11"},
    {"P1:S1", "令和      年     月     日", "M C 11"},
    {"B4:E4", "持込番号", "M R 10"},
    {"B5:E5", "点検事項", "M 10"},
    {"P3:S3", "機　械　名  (参考)", "M C"},
    {"B24:O24", "そ　の　他", "M C"},
    {"C32", "（注）", "C"},
    {"D32:O32", "1.  持込機械の届出は、当該機械を持込む会社の代表者が行うこと。", "M"},
    {"D33:O33", "2.  点検結果欄には、該当する箇所へレ印を記入すること。", "M"},
    {"D34:O34", "3.  絶縁抵抗の測定は、測定値（ＭΩ）を記入すること。", "M"},
};

constexpr const char* kItemTexts[PowerToolChecklist::kItems] = {
    "アース線",       "接地クランプ",       "キャップタイヤ", "コネクタ",           "接地端子の締結",
    "充電部の絶縁",   "自動電撃防止装置",   "絶縁ホルダー",   "溶接保護面",         "操作スイッチ",
    "絶縁抵抗測定値", "各種ブレーキの作動", "手すり・囲い",   "フックのはずれ止め", "ワイヤロープ・チェーン",
    "滑車",           "回転部の囲い等",     "危険表示",
};

constexpr const char* kKindTexts[PowerToolChecklist::kKinds] = {
    "  (1) 電動かんな",
    "  (2) 電動ドリル",
    "  (3) 電動丸のこ",
    "  (4) グラインダー等",
    "  (5) アーク溶接機",
    "  (6) ウインチ",
    "  (7) 発電機",
    "  (8) トランス",
    "  (9) コンプレッサー",
    "  (10) 送風機",
    "  (11) ポンプ類",
    "  (12) ミキサー類",
    "  (13) コンベヤー",
    "  (14) 吹付け機",
    "  (15) ボーリングマシン",
    "  (16) 振動コンパクター",
    "  (17) バイブレーター",
    "  (18) 鉄筋加工機",
    "  (19) 電動ﾁｪｰﾝﾌﾞﾛｯｸ",
    "  (20) その他",
};

constexpr Line kLines[] = {{"N1:S1", "B"}, {"B3:O4", "T"}, {"B6:O31", "T"}, {"A3:O30", "R"}};

std::string row(const char* from, const char* to, int r)
{
    return from + std::to_string(r) + ":" + to + std::to_string(r);
}

} // namespace

void PowerToolChecklist::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    ws.Range("A1:S34").setShrinkToFit(true);
    drawBoxes(ws, kBoxes);
    for (int n = 1; n <= 10; ++n) {
        const std::string column = columnName(5 + n); // F to O
        drawBox(ws, {column + "4:" + column + "5", std::to_string(n), "M C 12"});
    }
    for (int i = 0; i < kItems; ++i)
        drawBox(ws, {row("B", "E", 6 + i), kItemTexts[i], "M"});
    for (int i = 0; i < kKinds; ++i)
        drawBox(ws, {row("P", "S", 4 + i), kKindTexts[i], "M"});
    for (int r = 25; r <= 30; ++r)
        drawBox(ws, {row("B", "E", r), "", "M"});
    drawLines(ws, kLines);
}

void PowerToolChecklist::write(Worksheet&, const RunState&) const
{
}

const Document& powerToolChecklistForm()
{
    static const PowerToolChecklist form;
    return form;
}

} // namespace mirevo::documents
