#pragma once
#include "Document.h"

namespace mirevo::documents {

// "1.誓約書": the safety pledge each subcontractor signs. One 50-row A4
// page per company of the site contractor table, in table order.
class SafetyPledge : public Document {
public:
    static constexpr int kPageRows = 50;

    void layout(sheet::Worksheet& ws) const override;
    // Repeats the page for every company and writes on each page the header
    // (date, project, the prime contractor's representative) and the
    // company's address, name and representative (R6, R7, R8 of the page).
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
