#pragma once
#include "Document.h"

namespace mirevo::documents {

// "8.持込機械（電動工具）": the notification by which a company brings power
// tools and electric welders onto the site, with ten numbered machine rows.
// The upper part and the company block are the machinery notification's.
// A4 portrait, one page; its checklist (PowerToolChecklist) follows it.
class PowerToolNotice : public Document {
public:
    static constexpr int kMachines = 10;

    void layout(sheet::Worksheet& ws) const override;
    // The same cells as the machinery notification.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
