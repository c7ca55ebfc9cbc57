#include "MachineryChecklist.h"

#include "FormFields.h"
#include "Forms.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A59", 14}};
constexpr Size kWidths[] = {{"B1:BT1", 2}, {"D1:H1", 1}, {"P1:T1", 1}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AJ59", 9, kHeights, kWidths, "A1:AJ59"};

constexpr Box kHeader[] = {
    {"J2:Q3", "持込時の点検表", "M C B 16"},
    {"B4:O4", "所有会社名", "M C"},
    {"P4:Y4", "代表者名", "M C"},
    {"B7:M7", "移動式クレーン等", "M C"},
    {"N7:Y7", "車輌系建設機械等", "M C"},
    {"B8:I8", "点検事項", "M C"},
    {"N8:U8", "点検事項", "M C"},
    {"J8:M8", "点検結果", "M C"},
    {"V8:Y8", "点検結果", "M C"},
};

// The owning company. The representative's box shows "印" until it is
// filled; the filled name is centred.
constexpr Field kRepresentative{"P5:Y6", "M R S", companyColumn(company::Representative), "印　"};
constexpr Field kFields[] = {
    {"B5:O6", "M C S", companyColumn(company::Name)},
    kRepresentative,
};

// Section headings; each repeats "（ａ）" and "（ｂ）" in its result columns.
struct Heading {
    const char* cells;
    const char* text;
};
constexpr Heading kLeftHeadings[] = {
    {"B9:I10", "Ａ　クレーン部\n（上部旋回体）"},
    {"B28:I29", "Ｂ　車 輌 部\n（下部走行体）"},
    {"B44:I44", "Ｃ　ゴ ン ド ラ"},
};
constexpr Heading kRightHeadings[] = {
    {"N9:U10", "Ｄ　安 全 装 置"},  {"N21:U21", "Ｅ　作 業 装 置"}, {"N32:U32", "Ｆ　走 行 部"},
    {"N40:U40", "Ｇ　電 気 装 置"}, {"N46:U46", "Ｈ　そ の 他"},
};

// A run of item rows: labels in columns `label`, one per row from `first`.
struct Items {
    int first;
    const char* label; // "D:I"
    std::initializer_list<const char*> texts;
};
const Items kLeftItems[] = {
    {11,
     "D:I",
     {"過巻き防止装置", "過負荷防止装置", "フックのはずれ止め", "起伏制御装置", "旋回警報装置", "主巻き・補巻き",
      "起伏・旋回", "クラッチ", "ブレーキ・ロック", "ジ　ブ", "滑　車", "フック・バケット", "ワイヤロープ・チェーン",
      "玉掛用具", "操作装置", "性能表示", "照明"}},
    {30,
     "D:I",
     {"ブレーキ", "クラッチ", "ハンドル", "タイヤ", "クローラ", "警報装置", "各種ミラー", "方向指示器", "前後照灯",
      "左折プロテクター", "アウトリガ", "昇降装置", "ベッセル", "後方監視装置"}},
    {45, "C:I", {"突りょう", "作業床", "昇降装置", "電気装置", "ワイヤ・ライフライン"}},
};
const Items kRightItems[] = {
    {11,
     "P:U",
     {"旋　回", "バケット", "ブーム・アーム", "", "", "", "警報装置", "アウトリガ", "ヘッドガード", "照　明"}},
    {22,
     "O:U",
     {"操作装置", "バケット・ブレード", "ブーム・アーム", "ジ　ブ", "リーダ", "ﾊﾝﾏ・ｵｰｶﾞ・ﾊﾞｲﾌﾞﾛ", "油圧駆動装置",
      "ワイヤロープ・チｴン", "吊り具等", "滑　車"}},
    {33, "O:U", {"ブレーキ", "駐車ブレーキ", "ブレーキロック", "クラッチ", "操縦装置", "タイヤ・鉄輪", "クローラ"}},
    {41, "O:U", {"配電盤", "配　線", "絶　縁", "アース", ""}},
    {47, "O:U", {"", "", ""}},
};

// Group captions and the blank blocks beside the sections.
constexpr Box kGroups[] = {
    {"C11:C15", "安全装置", "M C W"},
    {"C16:C24", "制御装置・作業装置", "M C W"},
    {"C25:C27", "その他", "M C W"},
    {"C30:C34", "走行部", "M C W"},
    {"C35:C43", "安全装置等", "M C W"},
    {"O11:O16", "各種ブロック", "M C W"},
    {"B11:B27", "", "M"},
    {"B30:B43", "", "M"},
    {"B45:B49", "", "M"},
    {"N11:N20", "", "M"},
    {"N22:N31", "", "M"},
    {"N33:N39", "", "M"},
    {"N41:N45", "", "M"},
    {"N47:N49", "", "M"},
};

constexpr Box kFooter[] = {
    {"B50:C52", "（ａ）", "M C B"},   {"N50:O52", "（ｂ）", "M C B"},     {"D50:I50", "点 検 日", "M C"},
    {"P50:U50", "点 検 日", "M C"},   {"D51:I52", "年 　月 　日", "M R"}, {"P51:U52", "年 　月 　日", "M R"},
    {"J50:J52", "点 検 者", "M C W"}, {"V50:V52", "点 検 者", "M C W"},   {"K50:M52", "印 ", "M R"},
    {"W50:Y52", "印 ", "M R"},        {"AA4:AF4", "機　械　名", "M C"},   {"AG4:AJ4", "点検摘要", "M C"},
    {"B54:C55", "(注)", "M C"},       {"D54:AJ59", "", "M W T"},
};

constexpr const char* kMachineNames[MachineryChecklist::kMachines] = {
    "クレーン",
    "移動式クレーン",
    "デリック",
    "エレベータ",
    "建設用リフト",
    "高所作業車",
    "ゴンドラ",
    "ブルドーザー",
    "モーターグレーザー",
    "トラクターショベル",
    "ずり積機",
    "スクレーパー",
    "スクレープドーザー",
    "パワーショベル",
    "ドラグショベル",
    "ドラグライン",
    "クラムシェル",
    "バケット掘削機",
    "トレンチャー",
    "コンクリート圧砕機",
    "くい打機",
    "くい抜き機",
    "アースドリル",
    "ﾘﾊﾞｰｽｻｰｷﾚｰｼｮﾝﾄﾞﾘﾙ",
    "せん孔機",
    "アースオーガー",
    "ﾍﾟｰﾊﾟｰﾄﾞﾚｰﾝﾏｼｰﾝ",
    "地下連続壁施工機械",
    "ローラー",
    "クローラードリル",
    "ドリルジャンボ",
    "ロードヘッダー",
    "ｱｽﾌｱﾙﾄフイニッシャー",
    "スタビライザ",
    "ロードプレイナー",
    "ロードカッター",
    "コンクリート吹付機",
    "ボーリングマシーン",
    "重ダンプトラック",
    "ダンプトラック",
    "トラックミキサー",
    "散水車",
    "不整地運搬車",
    "コンクリートポンプ車",
    "その他",
};

constexpr const char* kNotes[] = {
    "1.\t持込機械の届出は、当該機械を持込む会社の代表者が行うこと。",
    "2.\t点検結果欄には、該当する箇所へレ印を記入すること。",
    "3.\t自社の点検様式で点検したものは、その点検表を貼付ける　（別に転記する必要はなし）",
    "4.\t機械によって右表を参考に、上表のＡ～Ｈの点検欄を使用して点検すること。",
    "5.\t点検結果（ａ）は、機械所有会社の確認。　同じく（ｂ）は、持込み又は使用会社の確認欄とする。",
    "元請けの確認は、（ｂ）を利用する。",
};

constexpr Line kLines[] = {
    {"B4:Y4", "T"},      {"B4:Y8", "B"},      {"C10:M10", "B"},   {"B4:Y10", "R"},    {"B11:M27", "R"},
    {"D11:M27", "B H"},  {"C15:M15", "B"},    {"C24:M24", "B"},   {"B27:M27", "B"},   {"C29:M29", "B"},
    {"B28:M45", "R"},    {"B43:M43", "B"},    {"C44:M44", "B"},   {"B45:M49", "R"},   {"D30:M42", "B H"},
    {"C45:M49", "B H"},  {"B49:Y52", "B"},    {"B50:Y52", "R"},   {"O10:Y10", "B"},   {"N20:Y20", "B"},
    {"O21:Y21", "B"},    {"N31:Y31", "B"},    {"O32:Y32", "B"},   {"N39:Y39", "B"},   {"O40:Y40", "B"},
    {"N45:Y45", "B"},    {"O46:Y46", "B"},    {"O16", "B"},       {"P11:Y16", "B H"}, {"O17:Y19", "B H"},
    {"O22:Y30", "B H"},  {"O33:Y38", "B H"},  {"O41:Y44", "B H"}, {"O47:Y48", "B H"}, {"N21:W49", "R"},
    {"N11:N20", "R"},    {"O11:O16", "R"},    {"U11:W20", "R"},   {"B4:B52", "L"},    {"Y4:Y52", "R"},
    {"AA4:AJ5", "T"},    {"AA5:AJ48", "B H"}, {"AA49:AJ49", "B"}, {"AA4:AA49", "L"},  {"AA4:AF49", "R"},
    {"AG4:AI49", "R H"}, {"AJ4:AJ49", "R"},
};

std::string cellsOf(const char* columns, int row)
{
    const std::string c = columns;
    const size_t colon = c.find(':');
    return c.substr(0, colon) + std::to_string(row) + ":" + c.substr(colon + 1) + std::to_string(row);
}

// "J9:K10" from the heading's rows and the result columns.
std::string resultCells(const Rect& heading, const char* columns)
{
    const std::string c = columns;
    const size_t colon = c.find(':');
    return c.substr(0, colon) + std::to_string(heading.r1) + ":" + c.substr(colon + 1) + std::to_string(heading.r2);
}

void drawHeadings(Worksheet& ws, std::span<const Heading> headings, const char* a, const char* b)
{
    for (const Heading& h : headings) {
        drawBox(ws, {h.cells, h.text, "M C B W"});
        const Rect r = parseRect(h.cells);
        drawBox(ws, {resultCells(r, a), "（ａ）", "M C B"});
        drawBox(ws, {resultCells(r, b), "（ｂ）", "M C B"});
    }
}

// Every label shrinks to fit, so no item is cut at its box's edge.
void drawItems(Worksheet& ws, std::span<const Items> runs, const char* a, const char* b)
{
    for (const Items& run : runs) {
        int row = run.first;
        for (const char* text : run.texts) {
            drawBox(ws, {cellsOf(run.label, row), text, "M S"});
            drawBox(ws, {cellsOf(a, row), "", "M C"});
            drawBox(ws, {cellsOf(b, row), "", "M C"});
            ++row;
        }
    }
}

// Which sections apply to machine i (1-based): the letters in AG to AJ.
void drawMachine(Worksheet& ws, int i)
{
    const std::string row = std::to_string(4 + i);
    drawBox(ws, {"AA" + row, "'(" + std::to_string(i) + ")", "C S"});
    drawBox(ws, {"AB" + row + ":AF" + row, kMachineNames[i - 1], "M S"});
    auto letter = [&](const char* column, const char* text) { drawBox(ws, {column + row, text, "C"}); };
    if (i <= 6) {
        letter("AG", "Ａ");
        letter("AH", "Ｂ");
    } else if (i == 7) {
        letter("AI", "Ｃ");
    } else if (i <= 38) {
        letter("AG", "Ｄ");
        letter("AH", "Ｅ");
        letter("AI", "Ｆ");
        letter("AJ", "Ｇ");
    } else if (i <= 44) {
        letter("AH", "Ｂ");
    }
}

} // namespace

QString MachineryChecklist::notes()
{
    QStringList lines;
    for (const char* note : kNotes)
        lines << QString::fromUtf8(note);
    return lines.join(u'\n');
}

void MachineryChecklist::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    ws.Range("A1:AJ59").setShrinkToFit(true);
    drawBoxes(ws, kHeader);
    drawFields(ws, kFields);
    drawHeadings(ws, kLeftHeadings, "J:K", "L:M");
    drawHeadings(ws, kRightHeadings, "V:W", "X:Y");
    drawItems(ws, kLeftItems, "J:K", "L:M");
    drawItems(ws, kRightItems, "V:W", "X:Y");
    drawBoxes(ws, kGroups);
    drawBoxes(ws, kFooter);
    for (int i = 1; i <= kMachines; ++i)
        drawMachine(ws, i);
    ws.Range("D54").setValue(notes());
    drawLines(ws, kLines);
}

void MachineryChecklist::write(Worksheet& ws, const RunState& run) const
{
    const Rect representative = parseRect(kRepresentative.cells);
    ws.Cells(representative.r1, representative.c1).setHorizontalAlignment(hAlignCenter);
    fillFields(ws, kFields, {run, run.target.row});
}

const Document& machineryChecklistForm()
{
    static const MachineryChecklist form;
    return form;
}

} // namespace mirevo::documents
