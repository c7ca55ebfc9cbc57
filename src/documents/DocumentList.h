#pragma once
#include "Document.h"

namespace mirevo::documents {

// "書類一覧": the prime contractor's covering letter listing the thirteen
// documents to hand in. A4 portrait, one page.
class DocumentList : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // Creation date, the prime contractor's name, representative and site
    // agent, and the sentence naming the project.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
    static QString projectSentence(const QString& project);
};

} // namespace mirevo::documents
