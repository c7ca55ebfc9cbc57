#include "ContractorEditor.h"
#include "Project.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"

namespace mirevo::editor {
namespace {

// The editor's site fields for columns 43–45.
const char* const kSiteDates[] = {"Edit76", "Edit77", "Edit79"};

} // namespace

void load(Project& project)
{
    const int row = project.currentRow;
    if (row <= 0 || row >= project.contractors.rowCount())
        return;
    ProjectRecord& rec = project.record;
    for (const CompanyField& f : companyFields())
        rec.setText(f.editor, project.contractors.cell(f.column, row));
    for (int i = 0; i < 3; ++i)
        rec.setText(QString::fromLatin1(kSiteDates[i]), project.contractors.cell(company::PeriodFrom + i, row));
    rec.setEditorNotDedicated(project.contractors.cell(company::Dedicated, row) == QLatin1String("1"));
    rec.setText(QStringLiteral("Edit83"), project.contractors.cell(company::BusinessId, row));
}

void writeBack(Project& project)
{
    const int row = project.currentRow > 0 ? project.currentRow : 1;
    TextGrid& table = project.contractors;
    table.ensureRow(row);
    const ProjectRecord& rec = project.record;
    table.setCell(company::No, row, QString::number(row));
    for (const CompanyField& f : companyFields())
        table.setCell(f.column, row, rec.text(f.editor));
    for (int i = 0; i < 3; ++i)
        table.setCell(company::PeriodFrom + i, row, rec.text(QString::fromLatin1(kSiteDates[i])));
    table.setCell(company::Dedicated, row, rec.editorNotDedicated() ? QStringLiteral("1") : QStringLiteral("0"));
    table.setCell(company::BusinessId, row, rec.text(QStringLiteral("Edit83")));
    table.setRowCount(table.rowCount() + 1);
    project.notifyTablesChanged();
}

void renumber(Project& project)
{
    TextGrid& table = project.contractors;
    int number = 0;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.cell(company::Name, row) == QLatin1String(" "))
            table.setCell(company::Name, row, QString());
        if (!table.cell(company::Name, row).isEmpty())
            table.setCell(company::No, row, QString::number(++number));
    }
    project.shitaukeCount = number;
    project.notifyTablesChanged();
}

void fillFromCompany(Project& project, const TextGrid& companies, int row)
{
    for (const CompanyField& f : companyFields())
        if (f.column <= company::Phone)
            project.record.setText(f.editor, companies.cell(f.column, row));
}

} // namespace mirevo::editor
