#pragma once
#include "Document.h"

namespace mirevo::documents {

// "2-1.施工体制台帳": the construction system ledger. One A3 landscape page:
// the prime contractor and the orderer on the left, one first-tier
// subcontractor on the right.
class SystemLedger : public Document {
public:
    static constexpr int kPageRows = 66;

    void layout(sheet::Worksheet& ws) const override;
    // The left half from the project record, the right half from table row
    // `target.row`, its rows relative to `target.blockTop` (4 on a sheet of
    // its own).
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // "from～to", or the blank period text when both dates are empty.
    static QString period(const QString& from, const QString& to);
};

} // namespace mirevo::documents
