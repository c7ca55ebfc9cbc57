#pragma once
#include "Document.h"

namespace mirevo::documents {

// "2-1.施工体制台帳": the construction system ledger. One A3 landscape page:
// the prime contractor and the orderer on the left, one first-tier
// subcontractor on the right.
class SystemLedger : public Document {
public:
    static constexpr int kPageRows = 66;
    // The subcontractor half is drawn with its block at this row.
    static constexpr int kSubcontractorTop = 4;

    void layout(sheet::Worksheet& ws) const override;
    // The left half from the project record, the right half from table row
    // `target.row`, its rows relative to `target.blockTop` (4 on a sheet of
    // its own).
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // "from～to", or the blank period text when both dates are empty.
    static QString period(const QString& from, const QString& to);

    // The subcontractor half (right, from row 2 to the note frame), which the
    // re-subcontract notification shares: its boxes and lines, and the values
    // of table row `row` with its block at row `top` (kSubcontractorTop on
    // the ledger).
    static void drawSubcontractorHalf(sheet::Worksheet& ws);
    static void writeSubcontractorHalf(sheet::Worksheet& ws, const RunState& run, int row, int top);
};

} // namespace mirevo::documents
