#include "WorkerStore.h"
#include "WorkerRecord.h"
#include "common/Error.h"

#include <algorithm>

namespace mirevo::worker {

int countWorkers(const TextGrid& list)
{
    int count = 0;
    for (int row = 1; row < list.rowCount(); ++row)
        if (!isBlank(list.cell(Reading, row)))
            ++count;
    return count;
}

int freeRow(const TextGrid& list, int from)
{
    int row = std::max(from, 1);
    while (row < list.rowCount() && !isBlankName(list.cell(Reading, row)))
        ++row;
    return row;
}

RosterEntry entryForRow(const TextGrid& list, int row, int newWorkerRow, const QString& defaultCompany)
{
    RosterEntry entry;
    const bool existing = row >= 1 && row < list.rowCount();
    entry.record = existing ? list.row(row) : QStringList();
    while (entry.record.size() < kColumns)
        entry.record << QString();
    entry.targetRow = existing ? row : newWorkerRow;
    if (isBlank(entry.record[BloodPressure]))
        entry.record[BloodPressure] = QStringLiteral("～");
    if (isBlank(entry.record[Company]))
        entry.record[Company] = defaultCompany;
    return entry;
}

void storeWorker(TextGrid& list, int row, const QStringList& record)
{
    if (row < 1)
        throw Error(QStringLiteral("作業員を登録する行が不正です: %1").arg(row));
    list.ensureRow(row);
    for (int column = FirstField; column <= LastField; ++column)
        list.setCell(column, row, column < record.size() ? record[column] : QString());
    for (int column = LastField + 1; column < SourceRow; ++column)
        list.setCell(column, row, QString());
    list.setCell(SourceRow, row, QString::number(row));
}

int findWorker(const TextGrid& list, const QString& name, const QString& company)
{
    if (isBlankName(name))
        return 0;
    for (int row = list.rowCount() - 1; row >= 1; --row)
        if (list.cell(Name, row) == name && list.cell(Company, row) == company)
            return row;
    return 0;
}

void storeSiteEdit(TextGrid& master, int row, const QStringList& record)
{
    QStringList kept = record;
    while (kept.size() < kColumns)
        kept << QString();
    kept[SiteEntry] = master.cell(SiteEntry, row);
    kept[SiteEducation] = master.cell(SiteEducation, row);
    storeWorker(master, row, kept);
}

} // namespace mirevo::worker
