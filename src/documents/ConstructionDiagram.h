#pragma once
#include "Document.h"

namespace mirevo::documents {

// "2-3.施工体系図": the subcontracting tree as boxes on A3 landscape pages.
// The left block holds the orderer, the project and the prime contractor's
// staff; to the right one column of company boxes per tier, one row of
// boxes per row of the tier outline, three rows to a page (a block of 71
// rows), joined by heavy lines to the trunk that hangs from the prime
// contractor.
class ConstructionDiagram : public Document {
public:
    static constexpr int kBlockRows = 71;
    static constexpr int kFirstBox = 5;    // top row of the first box row
    static constexpr int kBoxStep = 22;    // between the box rows of a block
    static constexpr int kTierStep = 13;   // columns between two tiers
    static constexpr int kFirstStrip = 21; // column U: the first tier's strip

    // Top row of the box row of outline row i (0-based) and the strip column
    // of tier t (1-based).
    static int boxTop(int i) { return kFirstBox + kBlockRows * (i / 3) + kBoxStep * (i % 3); }
    static int stripColumn(int tier) { return kFirstStrip + kTierStep * (tier - 1); }

    void layout(sheet::Worksheet& ws) const override;
    // Adds the blocks and tier columns the outline needs, fills a box per
    // company, draws the connectors and fills the left block.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
