#pragma once
#include "Document.h"

namespace mirevo::documents {

// "11火気使用願": the request to use fire on site, with the permission block
// the site fills. One A4 page per subcontractor; the upper part is the
// vehicle notification's.
class FireUse : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
