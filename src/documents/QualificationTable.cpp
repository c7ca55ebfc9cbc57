#include "QualificationTable.h"

#include "FormDrawer.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A2:A70", 12}, {"A1", 3}};
constexpr Size kWidths[] = {{"B1:BT70", 2}, {"A1", 6}};
constexpr PageFormat kPage{Paper::A3Landscape, "A1:BR70", 0, kHeights, kWidths, "A1:BR70"};

// Column bands, set before any text.
constexpr Box kBands[] = {
    {"B5:N70", "", "9 W"},     {"Y5:AK70", "", "9 W"},     {"AV5:BH14", "", "9 W"},    {"S6:W70", "", "8"},
    {"AP5:AQ70", "", "8"},     {"BM5:BN70", "", "8"},      {"O5:T70", "", "C 8 S"},    {"AL5:AQ70", "", "C 8 S"},
    {"BI5:BN14", "", "C 8 S"}, {"BM18:BN56", "", "C 8 S"}, {"U5:W70", "", "L 8 S"},    {"AR5:AT70", "", "L 8 S"},
    {"BO5:BQ56", "", "L 8 S"}, {"AW18:BH38", "", "L 9 S"}, {"AV18:BL38", "", "L 8 S"}, {"AV41:BL56", "", "L 8 S"},
    {"B5:W5", "", "C 9 S"},    {"B50:W50", "", "C 9 S"},   {"AW17:BQ17", "", "C 9 S"},
};

constexpr Box kHeadings[] = {
    {"Z2:AU3", "有資格者区分一覧表（参考）", "M C 16 B"},
    {"B4:W4", "（1）　作業主任者の選任", "M L B 9"},
    {"B5:F5", "選任すべき作業", "M C"},
    {"G5:N5", "作　業　内　容", "M C"},
    {"O5:R5", "資格要件", "M C"},
    {"S5:W5", "規則条文", "M C"},
    {"B49:W49", "（2）　危険、有害業務に必要な資格", "M L B 9"},
    {"B50:F50", "労働者", "M C"},
    {"G50:N50", "作　業　内　容", "M C"},
    {"O50:R50", "資格要件", "M C"},
    {"S50:W50", "規則条文", "M C"},
    {"AV16:BQ16", "（3）　作業指揮者の選任", "M C B 9"},
    {"AV17:BC17", "作業の名称", "M C"},
    {"BD17:BL17", "作　業　内　容", "M C"},
    {"BM17:BQ17", "規則条文", "M C"},
    {"AW40:BQ40", "（4）　監視人（誘導者）の配置", "M L B 9"},
    {"AV58:BQ58", "注：本一覧表から、ずい道及び潜水の関係は除外している。", "M L 9"},
};

// The columns of one block of two-row entries: kind, content (with the
// split for entries of two conditions), qualification, regulation, articles.
struct Columns {
    int kind, content, split, qualification, regulation, articles, end;
};
constexpr Columns kLeft1{2, 7, 0, 15, 19, 21, 23};     // B, G, O, S, U .. W
constexpr Columns kLeft2{3, 7, 0, 15, 19, 21, 23};     // C ...
constexpr Columns kMiddle{26, 30, 34, 38, 42, 44, 46}; // Z, AD (AH), AL, AP, AR .. AT
constexpr Columns kRight{49, 53, 0, 61, 65, 67, 69};   // AW, BA, BI, BM, BO .. BQ

// One entry: its first row and height; a blank kind continues the kind
// above. A second regulation and article line stand in the entry's second
// row.
struct Entry {
    int row;
    int rows;
    const char* kind;
    const char* content;
    const char* condition; // the second condition, or ""
    const char* qualification;
    const char* regulation[2];
    const char* articles[2];
};

constexpr const char* kLicence = "免許者";
constexpr const char* kCourse = "技能講習修了者";
constexpr const char* kSpecial = "特別教育修了者";

// (1) Work chiefs: 労働安全衛生法 第14条, 労働安全衛生法施行令 第6条, and the
// articles of each rule that require the appointment.
constexpr Entry kChiefs[] = {
    {6,
     2,
     "高圧室内　　　　　　作業主任者",
     "潜函工法等の圧気工法による作業室、気閘室での作業",
     "",
     kLicence,
     {"高圧則", ""},
     {"10", ""}},
    {8,
     2,
     "ガス溶接　　　　　　作業主任者",
     "アセチレン溶接装置、ガス集合溶接装置による溶接、溶断、加熱",
     "",
     kLicence,
     {"安衛則", ""},
     {"314", "316"}},
    {10,
     2,
     "エックス線　　　　　　作業主任者",
     "エックス線装置を使用する放射線業務",
     "",
     kLicence,
     {"電離則", ""},
     {"46", ""}},
    {12,
     2,
     "ガンマ線透過写真撮影作業主任者",
     "ガンマ線照射装置を用いる透過写真の撮影",
     "",
     kLicence,
     {"電離則", ""},
     {"52-2", ""}},
    {14,
     2,
     "木材加工用機械　　作業主任者",
     "木材加工用機械を５台以上有する事業場での作業",
     "",
     kCourse,
     {"安衛則", ""},
     {"129", ""}},
    {16,
     2,
     "コンクリート破砕機　作業主任者",
     "コンクリート破砕器を用いて行う破砕の作業",
     "",
     kCourse,
     {"安衛則", ""},
     {"321-3", ""}},
    {18,
     2,
     "地山の掘削　　　　作業主任者",
     "掘削面の高さが２ｍ以上となる地山の掘削",
     "",
     kCourse,
     {"安衛則", ""},
     {"359", ""}},
    {20,
     2,
     "土止め支保工　　　　作業主任者",
     "土止め支保工の切りばり、腹起しの取付け、取外し",
     "",
     kCourse,
     {"安衛則", ""},
     {"374", ""}},
    {22,
     2,
     "採石のための掘削　作業主任者",
     "掘削面の高さが２ｍ以上となる岩石の採取のための掘削",
     "",
     kCourse,
     {"安衛則", ""},
     {"403", ""}},
    {24, 2, "はい作業主任者", "高さ２ｍ以上のはいのはい付け、はい崩し", "", kCourse, {"安衛則", ""}, {"428", ""}},
    {26, 2, "型枠支保工の組立て　作業主任者", "型枠支保工の組立て、解体", "", kCourse, {"安衛則", ""}, {"246", ""}},
    {28,
     2,
     "足場の組立て　　　　作業主任者",
     "つり足場、張出し足場、又は高さ　　　５ｍ以上の足場の組立て、解体",
     "",
     kCourse,
     {"安衛則", ""},
     {"565、566", ""}},
    {30,
     2,
     "建築物等の鉄骨の　　組立て作業主任者",
     "高さ５ｍ以上の鉄骨の組立て、　解体",
     "",
     kCourse,
     {"安衛則", ""},
     {"517-4", "517-5"}},
    {32,
     2,
     "鋼橋架設等　　　　作業主任者",
     "高さ５ｍ以上又は支間30ｍ以上の金属製の橋梁の架設、解体、変更",
     "",
     kCourse,
     {"安衛則", ""},
     {"517-8", "517-9"}},
    {34,
     2,
     "木造建築の組立て　作業主任者",
     "軒の高さ５ｍ以上の木造建築物の構造部材の組立て等",
     "",
     kCourse,
     {"安衛則", ""},
     {"517-12", "517-13"}},
    {36,
     2,
     "コンクリート等工作物　の解体作業主任者",
     "高さ５ｍ以上のコンクリート造の工作物の解体、破壊",
     "",
     kCourse,
     {"安衛則", ""},
     {"517-17", "517-18"}},
    {38,
     2,
     "コンクリート橋架設等　作業主任者",
     "高さ５ｍ以上又は支間30ｍ以上のコンクリート橋の架設、変更",
     "",
     kCourse,
     {"安衛則", ""},
     {"517-22", "517-23"}},
    {40,
     2,
     "特定化学物質等　作業主任者",
     "特定化学物質を製造し、又は取り扱う作業",
     "",
     kCourse,
     {"特化則", ""},
     {"27", "28"}},
    {42,
     2,
     "鉛　　　　　　　　　　　作業主任者",
     "鉛業務（遠隔操作によるものを除く）",
     "",
     kCourse,
     {"鉛則", ""},
     {"33", "34"}},
    {44,
     2,
     "第1種及び第2種酸素　　欠乏危険作業主任者",
     "酸素欠乏危険場所（第２種は硫化水素の危険もある場所）での作業",
     "",
     kCourse,
     {"酸欠則", ""},
     {"11", ""}},
    {46,
     2,
     "有機溶剤の取扱い作業主任者",
     "屋内作業場等で有機溶剤を製造し、又は取り扱う業務",
     "",
     kCourse,
     {"有機則", ""},
     {"19", "19-2"}},
};

// (2) Licences and skill training (労働安全衛生法 第61条, 施行令 第20条) and
// special education (法 第59条第3項, 安衛則 第36条).
constexpr Entry kCranes[] = {
    {51,
     2,
     "クレーン運転士",
     "つり上げ荷重が５ｔ以上の　　　　　　　　クレーンの運転",
     "",
     "ｸﾚｰﾝ運転士免許",
     {"安衛令", "ｸﾚｰﾝ則"},
     {"20（6）", "22"}},
    {53,
     2,
     "",
     "つり上げ荷重が５ｔ以上の床上操作式クレーンの運転",
     "",
     "床上操作式ｸﾚｰﾝ技能講習修了者",
     {"ｸﾚｰﾝ則", ""},
     {"22", ""}},
    {55, 3, "", "つり上げ荷重が５ｔ未満のクレーンの運転", "", kSpecial, {"安衛則", "ｸﾚｰﾝ則"}, {"36（15）", "21"}},
    {58,
     2,
     "移動式クレーン　　　運転士",
     "つり上げ荷重が５ｔ以上の移動式クレーンの運転",
     "",
     "移動式ｸﾚｰﾝ運転士免許",
     {"安衛令", "ｸﾚｰﾝ則"},
     {"20（7）", "68"}},
    {60,
     3,
     "",
     "つり上げ荷重が１ｔ以上５ｔ未満の移動式クレーンの運転",
     "",
     "小型移動式ｸﾚｰﾝ技能講習修了者",
     {"安衛令", "ｸﾚｰﾝ則"},
     {"20（7）", "68"}},
    {63, 2, "", "つり上げ荷重が１ｔ未満の移動式クレーンの運転", "", kSpecial, {"安衛則", "ｸﾚｰﾝ則"}, {"36（16）", "67"}},
    {65,
     2,
     "デリック運転士",
     "つり上げ荷重が５ｔ以上のデリックの運転",
     "",
     "ﾃﾞﾘｯｸ運転士免許",
     {"安衛令", "ｸﾚｰﾝ則"},
     {"20（8）", "108"}},
    {67, 2, "", "つり上げ荷重が５ｔ未満のデリックの運転", "", kSpecial, {"安衛則", "ｸﾚｰﾝ則"}, {"36（17）", "107"}},
};

constexpr const char* kSelfPropelled = "動力を用い自走できるもの　　　　(道路上の運転を除く)";

constexpr Entry kMiddleEntries[] = {
    {5, 2, "建設用リフト　　運転士", "建設用リフトの運転", "", kSpecial, {"安衛則", "ｸﾚｰﾝ則"}, {"36（18）", "183"}},
    {7,
     2,
     "玉掛作業者",
     "つり上げ荷重１ｔ以上のクレーン等の玉掛け",
     "",
     kCourse,
     {"安衛令", "ｸﾚｰﾝ則"},
     {"20（16）", "221"}},
    {9, 2, "", "つり上げ荷重１ｔ未満のクレーン等の玉掛け", "", kSpecial, {"安衛則", "ｸﾚｰﾝ則"}, {"36（19）", "222"}},
    {11, 2, "ゴンドラ操作者", "ゴンドラの操作", "", kSpecial, {"安衛則", "ｺﾞﾝﾄﾞﾗ則"}, {"36（20）", "12"}},
    {13,
     2,
     "巻上げ機　　　運転者",
     "動力駆動の巻上げ機の運転（電気ホイスト等を除く）",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（11）", ""}},
    {15,
     2,
     "研削と石取替え試運転作業者",
     "研削といしの取替え、取替え時の試運転",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（1）", ""}},
    {17,
     2,
     "ガス溶接　　　　作業者",
     "可燃性ガス及び酸素を用いる金属の溶接、溶断、加熱",
     "",
     "ｶﾞｽ溶接技能講習修了者",
     {"安衛令", "安衛則"},
     {"20（10）", "41"}},
    {19,
     2,
     "アーク溶接　　　作業者",
     "アーク溶接機を用いる金属の溶接、溶断",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（3）", ""}},
    {21,
     2,
     "電気取扱者（高圧又は低圧）",
     "高圧、特別高圧、低圧の充電電路の敷設、修理等",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（4）", ""}},
    {23,
     2,
     "発破技士",
     "せん孔、装てん、結線、点火、不発の装薬等の処理",
     "",
     "発破技士免許",
     {"安衛令", "安衛則"},
     {"20（1）", "318"}},
    {25,
     2,
     "酸素欠乏危険作業者",
     "酸素欠乏危険場所における作業",
     "",
     kSpecial,
     {"安衛則", "酸欠則"},
     {"36（26）", "12"}},
    {27,
     2,
     "特定粉じん　　　作業者",
     "特定粉じん作業（注水、注油しながら行うものを除く）",
     "",
     kSpecial,
     {"安衛則", "粉じん則"},
     {"36（29）", "22"}},
    {29,
     2,
     "車輌系建設機械　　運転者\n{ 整地・運搬・積込み及び掘削 }",
     "機体重量３ｔ以上のもの",
     kSelfPropelled,
     kCourse,
     {"安衛令", ""},
     {"20（12）", ""}},
    {31, 2, "", "機体重量３ｔ未満のもの", kSelfPropelled, kSpecial, {"安衛則", ""}, {"36（9）", ""}},
    {33,
     2,
     "車輌系建設機械　　　運転者\n{ 基礎工事用 }",
     "機体重量３ｔ以上のもの",
     kSelfPropelled,
     kCourse,
     {"安衛令", ""},
     {"20（12）", ""}},
    {35, 2, "", "機体重量３ｔ未満のもの", kSelfPropelled, kSpecial, {"安衛則", ""}, {"36（9）", ""}},
    {37,
     2,
     "基礎工事用　　　　建設機械運転者",
     "自走できない基礎工事用機械の運転",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（9-2）", ""}},
    {39,
     2,
     "車輌系建設機械作業装置の操作",
     "基礎工事用機械の作業装置の操作（運転席以外）",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（9-3）", ""}},
    {41,
     2,
     "車輌系建設機械（締固め）運転者",
     "ローラー等締固め用機械の運転（道路上を除く）",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（10）", ""}},
    {43,
     2,
     "車輌系建設機械（ｺﾝ打設）の操作",
     "コンクリート打設用機械の作業装置の操作",
     "",
     kSpecial,
     {"安衛則", ""},
     {"36（10-2）", ""}},
    {45,
     2,
     "車輌系建設機械運転者\n　{ 解体用 }",
     "機体重量３ｔ以上のもの",
     kSelfPropelled,
     kCourse,
     {"安衛令", ""},
     {"20（12）", ""}},
    {47, 2, "", "機体重量３ｔ未満のもの", kSelfPropelled, kSpecial, {"安衛則", ""}, {"36（9）", ""}},
    {49, 2, "ボーリングマシン　　運転者", "ボーリングマシンの運転", "", kSpecial, {"安衛則", ""}, {"36（10-3）", ""}},
    {51,
     2,
     "高所作業車　　　運転者",
     "作業床の高さ10ｍ以上のもの",
     "道路上の走行を除く",
     kCourse,
     {"安衛令", ""},
     {"20（15）", ""}},
    {53, 2, "", "作業床の高さ10ｍ未満のもの", "道路上の走行を除く", kSpecial, {"安衛則", ""}, {"36（10-5）", ""}},
    {55,
     2,
     "不整地運搬車運転者",
     "最大積載量１ｔ以上のもの",
     "道路上の走行を除く",
     kCourse,
     {"安衛令", ""},
     {"20（14）", ""}},
    {57, 2, "", "最大積載量１ｔ未満のもの", "道路上の走行を除く", kSpecial, {"安衛則", ""}, {"36（5-3）", ""}},
    {59,
     2,
     "フｵークリフト　　　運転者",
     "最大荷重１ｔ以上のもの",
     "道路上の走行を除く",
     kCourse,
     {"安衛令", ""},
     {"20（11）", ""}},
    {61, 2, "", "最大荷重１ｔ未満のもの", "道路上の走行を除く", kSpecial, {"安衛則", ""}, {"36（5）", ""}},
    {63,
     2,
     "ショベル　　　　ローダー運転者",
     "最大荷重１ｔ以上のもの",
     "道路上の走行を除く",
     kCourse,
     {"安衛令", ""},
     {"20（13）", ""}},
    {65, 2, "", "最大荷重１ｔ未満のもの", "道路上の走行を除く", kSpecial, {"安衛則", ""}, {"36（5-2）", ""}},
    {67, 2, "軌道動力車　　　運転者", "軌道装置の動力車の運転", "", kSpecial, {"安衛則", ""}, {"36（13）", ""}},
};

constexpr Entry kPressure[] = {
    {5,
     2,
     "圧縮機操作　　係員",
     "作業室、気閘室へ送気する空気圧縮機の運転",
     "",
     kSpecial,
     {"安衛則", "高圧則"},
     {"36（20-2）", "11"}},
    {7,
     2,
     "送気調節　　　 係員",
     "作業室への送気を調節するバルブ等の操作",
     "",
     kSpecial,
     {"安衛則", "高圧則"},
     {"36（21）", "11"}},
    {9,
     2,
     "加減圧　　　　 係員",
     "気閘室への送気、排気を調整するバルブ等の操作",
     "",
     kSpecial,
     {"安衛則", "高圧則"},
     {"36（22）", "11"}},
    {11, 2, "再圧室操作　　 係員", "再圧室の操作", "", kSpecial, {"安衛則", "高圧則"}, {"36（24）", "11"}},
    {13, 2, "高圧室内　　　作業員", "高圧室内作業", "", kSpecial, {"安衛則", "高圧則"}, {"36（24-2）", "11"}},
};

// Group labels of section 2: {cells, text}.
constexpr Box kGroups[] = {
    {"B51:B68", "ｸﾚ ｰﾝ等", "M C W 9"},
    {"Y5:Y10", "ｸﾚ ｰﾝ等", "M C W 9"},
    {"Y11:Y12", "ゴンドラ", "M C W 8"},
    {"Y13:Y14", "巻上げ機", "M C W 8"},
    {"Y15:Y16", "ｸﾞﾗｲﾝﾀﾞｰ", "M C W 8"},
    {"Y17:Y20", "溶接", "M C W 9"},
    {"Y21:Y22", "電気", "M C W 9"},
    {"Y23:Y24", "火薬", "M C W 9"},
    {"Y25:Y26", "酸欠", "M C W 9"},
    {"Y27:Y28", "粉塵", "M C W 9"},
    {"Y37", "建", "C 9"},
    {"Y42", "設", "C 9"},
    {"Y47", "機", "C 9"},
    {"Y52", "械", "C 9"},
    {"Y57", "等", "C 9"},
    {"AV5:AV14", "高気圧作業", "M C W 9"},
};

constexpr Line kGroupLines[] = {
    {"B51:B68", "O"}, {"Y5:Y10", "O"}, {"Y11:Y28", "B"}, {"Y11:Y28", "L"}, {"Y29:Y68", "O"}, {"AV5:AV14", "O"},
};

// (3) Work directors, one row each: name, content, regulation, articles.
struct Director {
    const char* name;
    const char* content;
    const char* regulation;
    const char* articles;
};

constexpr Director kDirectors[] = {
    {"車輌系荷役運搬機械", "車両系荷役運搬機械等を用いる作業", "安衛則", "151-4"},
    {"車輌系荷役運搬機械修理", "修理、アタッチメントの装着・取外し", "〃", "151-15"},
    {"不整地運搬車の荷の積卸し", "一の荷が100kg以上のものの積卸し", "〃", "151-48"},
    {"構内運搬車の　　　〃", "一の荷が100kg以上のものの積卸し", "〃", "151-62"},
    {"貨物自動車の　　　〃", "一の荷が100kg以上のものの積卸し", "〃", "151-70"},
    {"車輌系建設機械修理", "修理、アタッチメントの装着・取外し", "〃", "165"},
    {"ｺﾝｸﾘｰﾄポンプ者の輸送管の組立て", "輸送管等の組立て、解体", "〃", "171-3"},
    {"くい打機又はﾎﾞｳﾘﾝｸﾞﾏｼﾝの組立て", "組立て、解体、変更、移動", "〃", "190"},
    {"高所作業車", "", "〃", "194-6"},
    {"高所作業車の修理", "修理、作業床の装着・取外し", "〃", "194-18"},
    {"危険物取り扱い", "危険物の製造、取扱い", "〃", "257"},
    {"停電、活線又は活線近接作業", "停電作業、活線作業、活線近接作業", "〃", "350"},
    {"ガス導管防護", "明り掘削でガス導管が露出する作業", "〃", "362"},
    {"貨車の荷の積卸し", "一の荷が100kg以上のものの積卸し", "〃", "420"},
    {"墜落防止作業", "建築物等の組立て、解体で墜落の危険がある作業", "〃", "529"},
    {"天井クレーン等の点検", "天井クレーン等に近接する点検等", "ｸﾚｰﾝ則", "30-2"},
    {"クレーンの組立て", "組立て、解体", "〃", "33"},
    {"移動式クレーンのジブの組立て", "ジブの組立て、解体", "〃", "75-2"},
    {"デリックの組立て", "組立て、解体", "〃", "118"},
    {"エレベータの組立て", "組立て、解体", "〃", "153"},
    {"建設用リフトの組立て", "組立て、解体", "〃", "191"},
};

// (4) Watchmen and guides, one row each: text, regulation, articles.
constexpr Director kWatchmen[] = {
    {"車輌系荷役運搬機械等の転倒又は転落防止　（誘導者）", "", "安衛則", "151-6"},
    {"車輌系荷役運搬機械等又はその荷の接触防止　（誘導者）", "", "〃", "151-7"},
    {"車輌系建設機械等の転倒又は転落防止　（誘導者）", "", "〃", "157"},
    {"車輌系建設機械等の接触防止　（誘導者）", "", "〃", "158"},
    {"高所作業車の作業床への搭乗制限　（誘導者）", "", "〃", "194-20"},
    {"停電作業　（監視人）", "", "〃", "339"},
    {"特別高圧の活線近接作業　（監視人）", "", "〃", "345"},
    {"架空電線等近接の工作物の建設、解体、くい打ち等　（監視人）", "", "〃", "349"},
    {"明かり掘削で運搬機械等が後進して作業所に接近するとき　（誘導者）", "", "〃", "365"},
    {"採石作業で運搬機械等の運搬経路の補修、保持　（監視人）", "", "〃", "413"},
    {"採石作業で運搬機械等の運搬経路上での岩石の小割又は加工　（監視人）", "", "〃", "414"},
    {"採石作業で運搬機械等が後進して作業所に接近するとき　（誘導者）", "", "〃", "416"},
    {"３ｍ以上の高所から物体を投下するとき　（監視人）", "", "〃", "536"},
    {"道路と交わる軌道で車輌を使用するとき　（監視人）　", "", "〃", "550"},
    {"軌道上又は軌道近接作業　（監視人）", "", "〃", "554"},
    {"酸素欠乏危険場所　（監視人）", "", "酸欠則", "13"},
};

std::string columnName(int c)
{
    std::string name;
    for (; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), char('A' + (c - 1) % 26));
    return name;
}

std::string span(int c1, int r1, int c2, int r2)
{
    return columnName(c1) + std::to_string(r1) + ":" + columnName(c2) + std::to_string(r2);
}

void box(Worksheet& ws, const std::string& cells, const char* text, const char* codes)
{
    drawBox(ws, Box{cells, text, codes});
}

void line(Worksheet& ws, const std::string& cells, const char* codes)
{
    drawLine(ws, Line{cells, codes});
}

// Two-row entries of one block, `last` the block's last row: kinds merged
// over their entries, a ruled line under every entry.
void drawEntries(Worksheet& ws, std::span<const Entry> entries, const Columns& k, int last)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const int bottom = e.row + e.rows - 1;
        if (*e.kind) {
            int end = last;
            for (size_t j = i + 1; j < entries.size(); ++j)
                if (*entries[j].kind) {
                    end = entries[j].row - 1;
                    break;
                }
            box(ws, span(k.kind, e.row, k.content - 1, end), e.kind, "M C W 8");
            line(ws, span(k.kind, e.row, k.content - 1, end), "O");
        }
        if (k.split && *e.condition) {
            box(ws, span(k.content, e.row, k.split - 1, bottom), e.content, "M C W 7");
            box(ws, span(k.split, e.row, k.qualification - 1, bottom), e.condition, "M C W 7");
            line(ws, span(k.split, e.row, k.split, bottom), "L H");
        } else {
            box(ws, span(k.content, e.row, k.qualification - 1, bottom), e.content, "M L W 8");
        }
        box(ws, span(k.qualification, e.row, k.regulation - 1, bottom), e.qualification, "M C W 8");
        for (int n = 0; n < 2; ++n) {
            box(ws, span(k.regulation, e.row + n, k.articles - 1, e.row + n), e.regulation[n], "M C S 8");
            box(ws, span(k.articles, e.row + n, k.end, e.row + n), e.articles[n], "M L S 8");
        }
        line(ws, span(k.content, bottom, k.end, bottom), "B");
    }
    const int first = entries.front().row;
    for (int c : {k.content, k.qualification, k.regulation, k.articles})
        line(ws, span(c, first, c, last), "L");
    line(ws, span(k.end, first, k.end, last), "R");
}

void drawDirectors(Worksheet& ws)
{
    int row = 18;
    for (const Director& d : kDirectors) {
        box(ws, span(48, row, 55, row), d.name, "M L S 8");       // AV:BC
        box(ws, span(56, row, 64, row), d.content, "M L S 8");    // BD:BL
        box(ws, span(65, row, 66, row), d.regulation, "M C S 8"); // BM:BN
        box(ws, span(67, row, 69, row), d.articles, "M L S 8");   // BO:BQ
        ++row;
    }
    line(ws, "AV17:BQ38", "G");
}

void drawWatchmen(Worksheet& ws)
{
    int row = 41;
    for (const Director& d : kWatchmen) {
        box(ws, span(48, row, 64, row), d.name, "M L S 8");
        box(ws, span(65, row, 66, row), d.regulation, "M C S 8");
        box(ws, span(67, row, 69, row), d.articles, "M L S 8");
        ++row;
    }
    line(ws, "AV41:BQ56", "G");
}

} // namespace

void QualificationTable::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kBands);
    drawBoxes(ws, kHeadings);
    line(ws, "B5:W5", "G");
    line(ws, "B50:W50", "G");
    drawEntries(ws, kChiefs, kLeft1, 47);
    line(ws, "B6:W47", "O");
    drawEntries(ws, kCranes, kLeft2, 68);
    drawEntries(ws, kMiddleEntries, kMiddle, 68);
    drawEntries(ws, kPressure, kRight, 14);
    drawBoxes(ws, kGroups);
    drawLines(ws, kGroupLines);
    line(ws, "B51:W68", "O");
    line(ws, "Y5:AT68", "O");
    line(ws, "AV5:BQ14", "O");
    drawDirectors(ws);
    drawWatchmen(ws);
}

void QualificationTable::write(Worksheet&, const RunState&) const
{
}

const Document& qualificationTableForm()
{
    static const QualificationTable form;
    return form;
}

} // namespace mirevo::documents
