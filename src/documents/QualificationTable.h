#pragma once
#include "Document.h"

namespace mirevo::documents {

// "5.有資格区分": the reference table of the qualifications the safety
// regulations require (work chiefs, licences, skill training and special
// education, work directors, watchmen and guides), each entry with its
// regulation and articles; one A3 landscape page. It carries no site data.
class QualificationTable : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // Writes nothing: the table is the same for every site.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
};

} // namespace mirevo::documents
