#include "ContractorEditor.h"
#include "Project.h"
#include "TierOutline.h"
#include "common/EraDate.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"

namespace mirevo::editor {
namespace {

// The editor's site fields for columns 43–45.
const char* const kSiteDates[] = {"Edit76", "Edit77", "Edit79"};

const QString kUpperNo = QStringLiteral("ComboBox20");
const QString kUpperName = QStringLiteral("Edit75");
const QString kTier = QStringLiteral("ComboBox21");
const QString kPrimeName = QStringLiteral("Edit10");

// A plain decimal number: digits only.
bool decimal(const QString& text, int& value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    value = text.toInt();
    return true;
}

int targetRow(const Project& project)
{
    return project.currentRow > 0 ? project.currentRow : 1;
}

void setPrimeAsUpper(ProjectRecord& rec)
{
    rec.setText(kUpperName, rec.text(kPrimeName));
    rec.setText(kTier, QStringLiteral("1"));
}

} // namespace

QString primeUpperNo()
{
    return QStringLiteral("0 : 元請");
}

std::vector<int> columnWidths()
{
    std::vector<int> widths(Project::kContractorColumns, 0);
    widths[company::No] = 25;
    widths[company::Name] = 250;
    widths[company::Branch] = 100;
    widths[company::UpperNo] = 60;
    widths[company::UpperName] = 100;
    widths[company::Tier] = 60;
    widths[company::FirstTierName] = 80;
    return widths;
}

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
    outline::build(project);
}

void writeBack(Project& project)
{
    const int row = targetRow(project);
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

void refreshUpper(Project& project)
{
    ProjectRecord& rec = project.record;
    const QString shown = rec.text(kUpperNo);
    if (shown == primeUpperNo()) {
        setPrimeAsUpper(rec);
        return;
    }
    int number = 0;
    if (!decimal(shown, number))
        return;
    rec.setText(kTier, QString::number(number + 1));
    const TextGrid& table = project.contractors;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.cell(company::No, row) != shown)
            continue;
        rec.setText(kUpperName, table.cell(company::Name, row));
        int tier = 0;
        if (!decimal(table.cell(company::Tier, row), tier))
            return;
        rec.setText(kTier, QString::number(tier + 1));
    }
}

void writeUpper(Project& project)
{
    const int row = targetRow(project);
    TextGrid& table = project.contractors;
    table.ensureRow(row);
    table.setCell(company::UpperNo, row, project.record.text(kUpperNo));
    table.setCell(company::UpperName, row, project.record.text(kUpperName));
    table.setCell(company::Tier, row, project.record.text(kTier));
    project.notifyTablesChanged();
}

void refreshOnPageEntry(Project& project)
{
    ProjectRecord& rec = project.record;
    const QString shown = rec.text(kUpperNo);
    if (shown == primeUpperNo()) {
        setPrimeAsUpper(rec);
        return;
    }
    const TextGrid& table = project.contractors;
    for (int row = 1; row < table.rowCount(); ++row)
        if (table.cell(company::No, row) == shown)
            rec.setText(kUpperName, table.cell(company::Name, row));
}

void beginCallUp(Project& project)
{
    TextGrid& table = project.contractors;
    const int current = targetRow(project);
    if (current >= table.rowCount() || isBlank(table.cell(company::Name, current)))
        return;
    int row = 1;
    while (row < table.rowCount() && !isBlank(table.cell(company::Name, row)))
        ++row;
    table.ensureRow(row);
    project.currentRow = row;
    for (const char* field : kSiteDates)
        project.record.setText(QString::fromLatin1(field), blankDateTemplate());
    project.notifyTablesChanged();
}

void finishCallUp(Project& project)
{
    TextGrid& table = project.contractors;
    table.setRowCount(table.rowCount() + 1);
    ProjectRecord& rec = project.record;
    if (rec.text(kUpperNo).isEmpty()) {
        const bool first = project.currentRow <= 1;
        rec.setText(kUpperNo, first ? primeUpperNo() : QStringLiteral("1"));
        rec.setText(kTier, first ? QStringLiteral("1") : QStringLiteral("2"));
    }
    refreshUpper(project);
    writeUpper(project);
    renumber(project);
    outline::build(project);
    outline::setHeadings(project.tierOutline);
    project.notifyTablesChanged();
}

void copyOrdererPeriod(Project& project)
{
    ProjectRecord& rec = project.record;
    rec.setText(QStringLiteral("Edit76"), rec.text(QStringLiteral("Edit5")));
    rec.setText(QStringLiteral("Edit77"), rec.text(QStringLiteral("Edit6")));
    writeBack(project);
}

void copyPrimeDates(Project& project)
{
    ProjectRecord& rec = project.record;
    rec.setText(QStringLiteral("Edit76"), rec.text(QStringLiteral("Edit78")));
    rec.setText(QStringLiteral("Edit77"), rec.text(QStringLiteral("Edit80")));
    rec.setText(QStringLiteral("Edit79"), rec.text(QStringLiteral("Edit81")));
    writeBack(project);
}

} // namespace mirevo::editor
