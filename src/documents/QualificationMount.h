#pragma once
#include "Document.h"

namespace mirevo::documents {

// "4.有資格証写し": the mount on which a company pastes copies of its
// workers' licences and skill-training certificates; one A4 portrait page
// with two framed paste areas. It carries no site data.
class QualificationMount : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // Writes nothing: the submission date is entered by hand.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
