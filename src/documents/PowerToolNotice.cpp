#include "PowerToolNotice.h"

#include "FormDrawer.h"
#include "Forms.h"
#include "MachineryNotice.h"
#include "spreadsheet/Spreadsheet.h"

#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Box kTableHeader[] = {
    {"B20:C21", "持込\n番号", "M C W 10"},    {"D20:K21", "機　械　名", "M C 10"},
    {"L20:R21", "規　格・性　能", "M C 10"},  {"S20:V20", "管理番号", "M C 10"},
    {"S21:V21", "受理番号", "M C 10"},        {"W20:AB20", "　持込年月日", "M 10"},
    {"W21:AB21", "　搬出予定年月日", "M 10"}, {"AC20:AE21", "点検者", "M C 10"},
    {"AF20:AH21", "取扱者", "M C 10"},
};

constexpr Box kLower[] = {
    {"B42:K43", "", "M 10"},
    {"C44:K44", "機械の特性、その他", "M 10"},
    {"C45:K45", "その使用上注意すべき事項", "M 10"},
    {"B46:K47", "", "M 10"},
    {"L42:AH47", "", "M 10"},
    {"B48:V49", "元請確認欄", "M C 10"},
    {"W48:AH49", "届確認者", "M C 10"},
    {"B50:V53", "", "M 10"},
    {"W50:AH53", "", "M 10"},
};

constexpr Line kTableLines[] = {{"B20:AH20", "T"}, {"B21:AH21", "B"}, {"S20:AB20", "B H"}};
constexpr Line kFrame[] = {{"A20:AH41", "R"}, {"A42:A53", "R"}, {"K42:AH53", "R"}, {"B47:AH53", "B"}};

std::string span(const char* from, int r1, const char* to, int r2)
{
    return from + std::to_string(r1) + ":" + to + std::to_string(r2);
}

// Machine i on rows t and t + 1.
void drawMachine(Worksheet& ws, int i)
{
    const int t = 20 + 2 * i;
    const std::string date = "　   　　年　　月　　日";
    drawBox(ws, {span("B", t, "C", t + 1), std::to_string(i), "M C 10"});
    drawBox(ws, {span("D", t, "K", t + 1), "", "M S 10"});
    drawBox(ws, {span("L", t, "R", t + 1), "", "M S 10"});
    drawBox(ws, {span("S", t, "V", t + 1), "", "M C S 10"});
    drawBox(ws, {span("W", t, "AB", t), date, "M S 10"});
    drawBox(ws, {span("W", t + 1, "AB", t + 1), date, "M S 10"});
    drawBox(ws, {span("AC", t, "AE", t + 1), "", "M C S 10"});
    drawBox(ws, {span("AF", t, "AH", t + 1), "", "M C S 10"});
    drawLine(ws, {span("W", t, "AB", t), "B H"});
    drawLine(ws, {span("B", t + 1, "AH", t + 1), "B"});
}

} // namespace

void PowerToolNotice::layout(Worksheet& ws) const
{
    MachineryNotice::drawHeader(ws, "電動工具   ", "電気溶接機");
    ws.Range("A20:A41").setRowHeight(20);
    drawBoxes(ws, kTableHeader);
    drawLines(ws, kTableLines);
    for (int i = 1; i <= kMachines; ++i)
        drawMachine(ws, i);
    drawBoxes(ws, kLower);
    drawLines(ws, kFrame);
}

void PowerToolNotice::write(Worksheet& ws, const RunState& run) const
{
    MachineryNotice::writeHeader(ws, run);
}

const Document& powerToolNoticeForm()
{
    static const PowerToolNotice form;
    return form;
}

} // namespace mirevo::documents
