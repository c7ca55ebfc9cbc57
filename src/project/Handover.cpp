#include "Handover.h"
#include "ContractorEditor.h"
#include "PrimeFields.h"
#include "Project.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"
#include "registry/WorkerView.h"
#include "roster/WorkerRecord.h"

namespace mirevo::handover {
namespace {

constexpr int kGuideTreeButtons = 3;

bool notDedicated(const QStringList& record)
{
    return record.value(company::Dedicated) == QLatin1String("1");
}

// A site row is free when it holds neither a reading nor a name.
bool freeSiteRow(const TextGrid& list, int row)
{
    return row >= list.rowCount()
        || (isBlankName(list.cell(worker::Reading, row)) && isBlankName(list.cell(worker::Name, row)));
}

} // namespace

void toPrime(Project& project, const QStringList& record)
{
    for (int column = company::Name; column <= company::Phone; ++column)
        project.record.setText(primeField(column), record.value(column));
    project.record.setPrimeNotDedicated(notDedicated(record));
    project.record.setText(QStringLiteral("Edit84"), record.value(company::BusinessId));
}

void toContractor(Project& project, const QStringList& record)
{
    for (const CompanyField& f : companyFields())
        if (f.column <= company::Phone)
            project.record.setText(f.editor, record.value(f.column));
    project.record.setEditorNotDedicated(notDedicated(record));
    project.record.setText(QStringLiteral("Edit83"), record.value(company::BusinessId));
    editor::writeBack(project);
}

void completeContractorPick(Project& project, const QStringList& record)
{
    for (int column : {company::UpperNo, company::UpperName, company::Tier})
        project.record.setText(companyField(column)->editor, record.value(column));
    project.guideState = kGuideTreeButtons;
    if (project.currentRow == 0)
        project.currentRow = 1;
    project.notifyTablesChanged();
}

int workersToSite(Project& project, const TextGrid& view)
{
    TextGrid& site = project.workers;
    int row = project.st3Count;
    int count = 0;
    for (int v = 1; v < view.rowCount(); ++v) {
        if (!workerview::isMarked(view, v))
            continue;
        do
            ++row;
        while (!freeSiteRow(site, row));
        // One spare row stays below the last worker, where the project
        // window appends its next one.
        site.ensureRow(row + 1);
        site.setRow(row, view.row(v));
        site.setCell(worker::SourceRow, row, QString());
        ++count;
    }
    if (count > 0) {
        project.st3Count = row;
        project.notifyTablesChanged();
    }
    return count;
}

} // namespace mirevo::handover
