#pragma once
#include "Document.h"

namespace mirevo::documents {

// "7.持込機械（ｸﾚｰﾝ・重機）": the notification by which a company brings
// mobile cranes and construction machinery onto the site. One A4 portrait
// page per subcontractor, followed by its inspection checklist
// (MachineryChecklist).
class MachineryNotice : public Document {
public:
    static constexpr int kFirstTierName = 50; // "一次下請け会社名" of the table

    void layout(sheet::Worksheet& ws) const override;
    // The project name and site agent (G7, G9) and the company block
    // (Y7, U9, Y9, Y11, Y13) of table row `target.row`.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // Page set-up and rows 1-18 shared with the power tools notification:
    // the title with `upper` and `lower` between the braces, the addressee,
    // the company block and the statement.
    static void drawHeader(sheet::Worksheet& ws, const char* upper, const char* lower);
    static void writeHeader(sheet::Worksheet& ws, const RunState& run);
    // "持込会社名" with the tier text as entered between "(　　　" and "　次　）".
    static QString bringerLabel(const QString& tier);
};

} // namespace mirevo::documents
