#include "Document.h"

namespace mirevo::documents {

QStringList Document::runNotes(const RunState&) const
{
    return {};
}

QList<QStringList> Document::workerCopies(const RunState&, QStringList&) const
{
    return {};
}

void Document::writeWorker(sheet::Worksheet&, const RunState&, const QStringList&) const
{
}

} // namespace mirevo::documents
