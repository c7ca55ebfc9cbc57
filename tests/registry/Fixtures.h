#pragma once
#include "common/TextGrid.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"

#include <QString>
#include <QStringList>

namespace mirevo::test {

// A company row with recognisable cells: column c holds name + ":" + c.
inline QStringList companyRecord(const QString& name, const QString& branch = QStringLiteral("本社"))
{
    QStringList cells;
    for (int c = 0; c < company::kColumns; ++c)
        cells << QStringLiteral("%1:%2").arg(name).arg(c);
    cells[company::Name] = name;
    cells[company::Branch] = branch;
    return cells;
}

inline void putCompany(Registry& registry, int row, const QString& name, const QString& branch = QStringLiteral("本社"))
{
    registry.companies.ensureRow(row);
    QStringList cells = companyRecord(name, branch);
    cells[company::No] = QString::number(row);
    registry.companies.setRow(row, cells);
}

// A worker row: reading and name from `name`, the company, every other cell
// recognisable, column 41 the row itself.
inline void putWorker(TextGrid& list, int row, const QString& name, const QString& company)
{
    list.ensureRow(row);
    QStringList cells;
    for (int c = 0; c < worker::kColumns; ++c)
        cells << QStringLiteral("%1-%2").arg(name).arg(c);
    cells[worker::No] = QStringLiteral("%1").arg(row, 5, 10, QLatin1Char('0'));
    cells[worker::Reading] = name + QStringLiteral("よみ");
    cells[worker::Name] = name;
    cells[worker::Company] = company;
    cells[worker::Birth] = QString();
    cells[worker::Employed] = QString();
    cells[worker::SourceRow] = QString::number(row);
    list.setRow(row, cells);
}

// The names (column 2) of the rows that hold a worker, in list order,
// empty rows as "-".
inline QStringList workerNames(const TextGrid& list)
{
    QStringList names;
    for (int row = 1; row < list.rowCount(); ++row)
        names << (isBlankName(list.cell(worker::Reading, row)) ? QStringLiteral("-") : list.cell(worker::Name, row));
    while (!names.isEmpty() && names.last() == QLatin1String("-"))
        names.removeLast();
    return names;
}

inline QStringList companyNames(const TextGrid& list)
{
    QStringList names;
    for (int row = 1; row < list.rowCount(); ++row)
        names << (isBlankName(list.cell(company::Name, row)) ? QStringLiteral("-") : list.cell(company::Name, row));
    while (!names.isEmpty() && names.last() == QLatin1String("-"))
        names.removeLast();
    return names;
}

} // namespace mirevo::test
