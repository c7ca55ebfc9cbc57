#pragma once
#include "Document.h"

namespace mirevo::documents {

// "7.持込機械（ｸﾚｰﾝ・重機）": the notification by which a company brings
// mobile cranes and construction machinery onto the site. One A4 portrait
// page per subcontractor, followed by its inspection checklist
// (MachineryChecklist).
class MachineryNotice : public Document {
public:

    void layout(sheet::Worksheet& ws) const override;
    // The project name and site agent (G7, G9) and the company block
    // (Y7, U9, Y9, Y11, Y13) of table row `target.row`.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // Page set-up and rows 1-18 shared with the power tools notification:
    // the title with `upper` and `lower` between the braces, the addressee,
    // the company block and the statement.
    static void drawHeader(sheet::Worksheet& ws, const char* upper, const char* lower);
    static void writeHeader(sheet::Worksheet& ws, const RunState& run);
};

} // namespace mirevo::documents
