#include "VehicleNotice.h"

#include "FormKit.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A66", 12}, {"A7", 36}, {"A21:A33", 36}, {"A36:A39", 14}};
// The zoom follows the rows the form uses (its boxes end at row 38).
constexpr PageFormat kPage{Paper::A4Portrait, "A1:AI66", 10, kHeights, kPortraitWidths, "A1:AI38"};

constexpr Box kVehicle[] = {
    {"I7:V7", "工　事　用　車　輌　届", "M C 16 B"},
    {"H18:AB19", "          下記の通り車輌を運行しますので、お届け致します。", "M 10"},
    {"B21:G21", "使 用 期 間", "M C"},
    {"H21:AH21", "", "M"},
    {"B22:G22", "所有者氏名", "M C"},
    {"H22:R22", "", "M"},
    {"S22:X22", "安全運転管理者氏名", "M C S"},
    {"Y22:AH22", "", "M"},
    {"B23:B24", "", "M C"},
    {"B25:B27", "", "M C"},
    {"B28:B29", "", "M C"},
    {"B30:B32", "", "M C"},
    {"C23:G23", "型         式", "M C S"},
    {"H23:R23", "", "M"},
    {"S23:X23", "車 輌 番 号", "M C S"},
    {"Y23:AH23", "", "M"},
    {"C24:G24", "車 検 期 間", "M C S"},
    {"H24:AH24", "～", "M C S"},
    {"C25:G25", "氏        名", "M C S"},
    {"H25:R25", "", "M"},
    {"S25:X25", "生 年 月 日", "M C S"},
    {"Y25:AH25", "", "M"},
    {"C26:G26", "住        所", "M C S"},
    {"H26:AH26", "", "M S"},
    {"C27:G27", "免許の種類", "M C S"},
    {"H27:R27", "", "M"},
    {"S27:X27", "免 許 番 号", "M C S"},
    {"Y27:AH27", "", "M"},
    {"C28:G28", "保険会社名", "M C S"},
    {"C30:G30", "保険会社名", "M C S"},
    {"H28:R28", "", "M"},
    {"H30:R30", "", "M"},
    {"S28:X28", "証 券 番 号", "M C S"},
    {"S30:X30", "証 券 番 号", "M C S"},
    {"Y28:Z28", "第", "M R"},
    {"Y30:Z30", "第", "M R"},
    {"AA28:AF28", "", "M C"},
    {"AA30:AF30", "", "M C"},
    {"AG28:AH28", "号", "M L"},
    {"AG30:AH30", "号", "M L"},
    {"C29:G29", "保 険 期 間", "M C S"},
    {"C32:G32", "保 険 期 間", "M C S"},
    {"H29:AH29", "～", "M C S"},
    {"H32:AH32", "～", "M C S"},
    {"C31:G31", "対        人", "M C"},
    {"H31:M31", "", "M C"},
    {"N31:R31", "対        物", "M C"},
    {"S31:X31", "", "M C"},
    {"Y31:AC31", "搭  乗  者", "M C"},
    {"AD31:AH31", "", "M C"},
    {"B33:G33", "運 行 経 路", "M C"},
    {"H33:AH33", "", "M"},
    {"F35:G35", "（注）", "M C"},
    {"H35:AH35", "1.  車輌1台ごとに届出すること。", "M"},
    {"H36:AH36", "2.  届けには、任意保険の証書（写し）を添付し提出すること。", "M"},
    {"H37:AH37", "3.  マイクロバス等についても記載すること。", "M"},
    {"H38:AH38", "4.  運転者が変わった場合は、その都度届け出ること。", "M"},
};

constexpr Line kVehicleLines[] = {
    {"B21:AH34", "T"},
    {"A21:X33", "R"},
    {"AH21:AH33", "R"},
    {"AC31", "R"},
};

} // namespace

void VehicleNotice::layout(Worksheet& ws) const
{
    drawNotice(ws, kPage, kVehicle, kVehicleLines);
}

void VehicleNotice::write(Worksheet& ws, const RunState& run) const
{
    fillCompanyBlock(ws, run);
}

const Document& vehicleNoticeForm()
{
    static const VehicleNotice form;
    return form;
}

} // namespace mirevo::documents
