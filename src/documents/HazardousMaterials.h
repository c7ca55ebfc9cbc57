#pragma once
#include "Document.h"

namespace mirevo::documents {

// "10.危険物持込届": the notification that a subcontractor brings and uses
// hazardous or harmful materials. One A4 page per subcontractor; the upper
// part is the vehicle notification's.
class HazardousMaterials : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
