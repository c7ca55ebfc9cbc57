#include "QualificationMount.h"

#include "FormDrawer.h"
#include "Forms.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Size kHeights[] = {{"A1:A50", 16.5}};
constexpr Size kWidths[] = {{"B1:Y50", 3}, {"A1", 5}};
constexpr PageFormat kPage{Paper::A4Portrait, "A1:Y50", 0, kHeights, kWidths, "A1:Y50"};

constexpr Box kBoxes[] = {
    {"G2", "有資格者、免許証、技能講習修了証の写し", "16 B"},
    {"R4:S4", "提出日", "M C"},
    {"T4:X4", "", "M C S"},
    {"C6:X7", "「有資格者区分一覧表」から、該当資格者を選任して、標記の写しをこの台紙に貼付けて提出して下さい。",
     "M L W"},
};

constexpr Line kLines[] = {
    {"T4:X4", "B"},
    {"D9:W26", "O"},
    {"D29:W46", "O"},
};

} // namespace

void QualificationMount::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kBoxes);
    drawLines(ws, kLines);
}

void QualificationMount::write(Worksheet&, const RunState&) const
{
}

const Document& qualificationMountForm()
{
    static const QualificationMount form;
    return form;
}

} // namespace mirevo::documents
