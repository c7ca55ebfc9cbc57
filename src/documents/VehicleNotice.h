#pragma once
#include "Document.h"
#include "FormDrawer.h"

namespace mirevo::documents {

// "9.工事用車輌届": the notification of one vehicle a subcontractor runs for
// the works. One A4 page per subcontractor with the company block filled.
// Its upper part (confirmation box, date line, addressee and the bringing
// company, rows 2–16) is shared with the hazardous-materials notification
// and the fire-use request.
// Column widths of the A4 portrait forms 9 to 13.
inline constexpr Size kPortraitWidths[] = {{"B1:BT1", 2}, {"B1", 1}, {"G1", 1}, {"AI1", 1}, {"A1", 5}};

class VehicleNotice : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // Writes the upper part: 工事名称 in G9, 現場代理人名 in G11, the tier
    // label in U11 and the company cells Y9, Y11, Y13, Y15.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // The shared upper part without title and statement, with its lines.
    static void drawUpperPart(sheet::Worksheet& ws);
    // The confirmation box lines, drawn last.
    static void drawConfirmationLines(sheet::Worksheet& ws);
    static void writeUpperPart(sheet::Worksheet& ws, const RunState& run);
    // "持込会社名　　　　　　　(　　　2　次　）"
    static QString tierLabel(const QString& tier);
};

} // namespace mirevo::documents
