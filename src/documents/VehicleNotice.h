#pragma once
#include "Document.h"

namespace mirevo::documents {

// "9.工事用車輌届": the notification of one vehicle a subcontractor runs for
// the works. One A4 page per subcontractor with the company block filled
// (the notices' shared upper part, see FormKit.h).
class VehicleNotice : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
