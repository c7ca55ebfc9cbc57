#pragma once
#include "Document.h"

namespace mirevo::documents {

// "3.作業員名簿": the worker roster of one company, twelve workers to an
// A3 landscape page of 93 rows, as many pages as the company's workers need.
class WorkerRoster : public Document {
public:
    static constexpr int kPageRows = 93;
    static constexpr int kSlots = 12;     // workers on a page
    static constexpr int kFirstSlot = 14; // top row of the first worker block
    static constexpr int kSlotRows = 6;

    // Top row of the block of the k-th worker (1-based) of a company.
    static int blockTop(int k);

    void layout(sheet::Worksheet& ws) const override;
    // Lists the workers of `target.company` from the site worker list, one
    // block each, and writes the header (office, site manager, the company
    // and its first-tier company) on every page.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
