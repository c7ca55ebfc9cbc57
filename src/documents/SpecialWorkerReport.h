#pragma once
#include "Document.h"

namespace mirevo::documents {

// "12年少者・高年齢者・高血圧者就労報告書": the report by which a subcontractor
// applies for a minor, an elderly or a hypertensive worker to work under
// restrictions. One A4 form per subcontractor with the company block filled.
class SpecialWorkerReport : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // G10 工事名称, G12 現場代理人名, T22 "(2)次会社名", Y21 the first-tier
    // company, Y22 the company, Y23 its address, Y24 its representative,
    // Y25 its safety and health manager.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
