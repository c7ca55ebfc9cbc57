#pragma once
#include "Document.h"

namespace mirevo::documents {

// "13中小事業主・一人親方等就労届出": the notification of an owner, a sole
// operator or a family member outside the prime contractor's accident
// insurance. One A4 form per subcontractor with the company block filled;
// the person and the insurance are entered by hand.
class OwnerOperatorNotice : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // G10 工事名称, G12 現場代理人名, T12 "(2)次会社名", Y10 the first-tier
    // company, Y12 and Y14 the company, Y16 its representative.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

};

} // namespace mirevo::documents
