#pragma once
#include "Document.h"

namespace mirevo::documents {

// "8.持込機械点検表（電動工具）": the inspection checklist of the power tools
// notification: 18 items against the ten machine numbers, free rows, the
// reference list of machine kinds and the notes. A4 portrait, one page. The
// copies are left blank for hand entry.
class PowerToolChecklist : public Document {
public:
    static constexpr int kItems = 18;
    static constexpr int kKinds = 20;

    void layout(sheet::Worksheet& ws) const override;
    // Writes nothing: the company fills the checklist by hand.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
