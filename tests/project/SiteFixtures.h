#pragma once
#include "project/Project.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"

#include <QStringList>

namespace mirevo::test {

// A company list holding `names` in rows 1 … n, each with a
// representative, a business ID and an (unusual) column 49.
inline TextGrid companiesNamed(const QStringList& names)
{
    Registry registry;
    TextGrid& list = registry.companies;
    list.setRowCount(int(names.size()) + 2);
    for (int i = 0; i < names.size(); ++i) {
        const int row = i + 1;
        list.setCell(company::No, row, QString::number(row));
        list.setCell(company::Name, row, names[i]);
        list.setCell(company::Representative, row, QStringLiteral("代表 ") + names[i]);
        list.setCell(company::BusinessId, row, QStringLiteral("1000%1").arg(row));
        list.setCell(company::SpecialtyWork, row, QStringLiteral("1"));
    }
    return list;
}

inline Project& withPrime(Project& p, const QString& prime = QStringLiteral("元請建設"))
{
    p.record.setText(QStringLiteral("Edit10"), prime);
    return p;
}

// Names of the contractor table's data rows that hold one.
inline QStringList tableNames(const Project& p)
{
    QStringList names;
    for (int row = 1; row < p.contractors.rowCount(); ++row)
        if (!p.contractors.cell(company::Name, row).isEmpty())
            names << p.contractors.cell(company::Name, row);
    return names;
}

} // namespace mirevo::test
