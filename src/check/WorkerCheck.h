#pragma once
#include "Finding.h"

#include <QStringList>

namespace mirevo {
class TextGrid;
}

namespace mirevo::check {

// A worker row of the site worker list: one holds a worker when its
// "ふりがな" or its "氏名" is not blank.
bool holdsWorker(const TextGrid& workers, int row);

// Age, health and insurance of one worker on `day`; `prime` names the
// prime contractor, whose workers get no document 12.
void checkWorker(const TextGrid& workers, int row, const QDate& day, const QString& prime, QList<Finding>& out);
// A worker whose company is neither the prime contractor nor in `companies`.
void checkWorkerCompany(const TextGrid& workers, int row, const QString& prime, const QStringList& companies,
                        QList<Finding>& out);
// The same person (氏名 and 生年月日) listed under two companies.
void checkDuplicates(const TextGrid& workers, QList<Finding>& out);

} // namespace mirevo::check
