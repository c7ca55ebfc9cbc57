#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {
class Registry;
}

namespace mirevo::workerexport {

// The registry's workers of `company` (every company when empty): a
// heading row the import reads back, then one row per worker with the
// record's columns 1–35.
QList<QStringList> table(const Registry& registry, const QString& company);

// Writes the table as .csv (UTF-8 with a byte-order mark, so that a
// spreadsheet program opens it in Japanese) or as .xlsx, through a
// temporary file. Returns the number of workers written; throws Error
// naming the file when it cannot be written or the name ends otherwise.
int write(const Registry& registry, const QString& company, const QString& path);

} // namespace mirevo::workerexport
