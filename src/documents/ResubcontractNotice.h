#pragma once
#include "Document.h"

namespace mirevo::documents {

// "2-2.下請届出、再下請通知": the re-subcontract notification. One A3
// landscape page per subcontractor of the second or a lower tier: on the
// left the reporting company (the company above it, or the prime
// contractor), on the right the company itself, laid out like the right half
// of the construction system ledger.
class ResubcontractNotice : public Document {
public:
    static constexpr int kPageRows = 66;
    static constexpr int kBlockTop = 2; // the block's first row as the form is drawn
    static constexpr int kAddressLine = 18; // characters of the first address line

    void layout(sheet::Worksheet& ws) const override;
    // The left half from table row `target.upperRow` (0: the prime
    // contractor fields), the right half from row `target.row`; rows relative
    // to `target.blockTop` (2 on a sheet of its own). Throws Error when the
    // upper row names no company of the table.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // "from～to", or "～" alone when both dates are empty.
    static QString period(const QString& from, const QString& to);
    // An address cut after `kAddressLine` characters (a character outside
    // the basic plane counts as one and is never cut in two).
    static QStringList addressLines(const QString& address);
};

} // namespace mirevo::documents
