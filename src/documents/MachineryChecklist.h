#pragma once
#include "Document.h"

namespace mirevo::documents {

// "7.持込機械点検表（ｸﾚｰﾝ・重機）": the inspection checklist that follows each
// machinery notification. Items for cranes (sections Ａ to Ｃ) on the left,
// for construction machinery (Ｄ to Ｈ) on the right, the 45 machine kinds
// with the sections that apply, and the notes. A4 portrait, one page.
class MachineryChecklist : public Document {
public:
    static constexpr int kMachines = 45;

    void layout(sheet::Worksheet& ws) const override;
    // The owning company (B5) and its representative (P5).
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // The notes, one line each.
    static QString notes();
};

} // namespace mirevo::documents
