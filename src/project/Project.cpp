#include "Project.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

namespace mirevo {

Project::Project()
    : contractors(kContractorColumns, kContractorRows), workers(worker::kColumns, kWorkerRows),
      treeImage(kTreeColumns, kTreeRows), tierOutline(kOutlineColumns, kOutlineRows),
      filteredWorkers(kFilteredColumns, kFilteredRows)
{
    contractors.setRow(0, contractorHeadings());
    workers.setRow(0, worker::siteHeadings());
    QStringList filteredHeadings = worker::siteHeadings();
    for (int column : {worker::HealthDigits, worker::PensionDigits, worker::EmploymentDigits})
        filteredHeadings[column].clear();
    filteredWorkers.setRow(0, filteredHeadings);
}

QStringList Project::contractorHeadings()
{
    QStringList h = company::headings();
    h[company::PostcodeA] = QStringLiteral("郵便番号A");
    h[company::PostcodeB] = QStringLiteral("郵便番号B");
    h[company::WorkerCount] = QStringLiteral("下請負業者の作業員数");
    h << QStringLiteral("一次下請け会社名");
    while (h.size() < kContractorColumns)
        h << QString();
    return h;
}

void Project::takeSavedContent(const Project& other)
{
    for (const QString& field : ProjectRecord::fieldNames())
        record.setText(field, other.record.text(field));
    record.setPrimeNotDedicated(other.record.primeNotDedicated());
    record.setEditorNotDedicated(other.record.editorNotDedicated());
    contractors = other.contractors;
    workers = other.workers;
    treeImage = other.treeImage;
    nodeCount = other.nodeCount;
}

} // namespace mirevo
