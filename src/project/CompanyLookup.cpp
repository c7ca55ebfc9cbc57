#include "CompanyLookup.h"
#include "Project.h"
#include "registry/CompanyRecord.h"

namespace mirevo {
namespace {

enum LookupColumn { SafetyManager = 27, ChiefEngineer = 19, SpecialistEngineer = 21, SpecialistContent = 23 };

void fill(const TextGrid& t, int row, CompanyLookup& out)
{
    out.name = t.cell(company::Name, row);
    out.businessId = QLatin1Char('\'') + t.cell(company::BusinessId, row);
    out.representative = t.cell(company::Representative, row);
    out.licenceNo = t.cell(company::LicenceNo1, row);
    out.licenceKind = t.cell(company::LicenceKind1, row);
    out.safetyManager = t.cell(SafetyManager, row);
    out.chiefEngineer = t.cell(ChiefEngineer, row);
    const QString& specialist = t.cell(company::SpecialtyWork, row);
    if (specialist == QLatin1String("1"))
        out.specialistWork = QStringLiteral("有");
    else if (isBlank(specialist) || specialist == QLatin1String("0"))
        out.specialistWork = QStringLiteral("無");
    out.specialistEngineer = t.cell(SpecialistEngineer, row);
    out.specialistContent = t.cell(SpecialistContent, row);
    out.period = t.cell(company::PeriodFrom, row) + QStringLiteral("～") + t.cell(company::PeriodTo, row);
    out.trade = t.cell(company::Trade1, row);
}

} // namespace

void lookupCompany(const Project& project, const QString& name, CompanyLookup& out)
{
    const TextGrid& table = project.contractors;
    const int count = std::min(project.shitaukeCount, table.rowCount() - 1);
    int found = 0;
    for (int row = 1; row <= count; ++row)
        if (table.cell(company::Name, row) == name)
            found = row;
    if (found > 0)
        fill(table, found, out);
}

} // namespace mirevo
