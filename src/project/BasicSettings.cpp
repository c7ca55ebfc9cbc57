#include "BasicSettings.h"
#include "ContractorEditor.h"
#include "PrimeFields.h"
#include "Project.h"
#include "common/ProgramFolder.h"
#include "common/TextFile.h"
#include "common/TextGrid.h"
#include "registry/CompanyRecord.h"

namespace mirevo::settings {

QString fileName()
{
    return programFile(QStringLiteral("set.kss"));
}

PrimeChoice read(const QString& path, PrimeChoice current)
{
    const QStringList lines = textfile::readLines(path);
    const QString first = lines.isEmpty() ? QString() : lines.first();
    if (first == QLatin1String("0"))
        return PrimeChoice::SetPrime;
    if (first == QLatin1String("1"))
        return PrimeChoice::NoSetting;
    return current;
}

void write(const QString& path, PrimeChoice choice)
{
    QString line;
    if (choice == PrimeChoice::SetPrime)
        line = QStringLiteral("0");
    else if (choice == PrimeChoice::NoSetting)
        line = QStringLiteral("1");
    textfile::writeLines(path, {line});
}

void takeOverPrime(PrimeChoice choice, const TextGrid& companies, Project& project)
{
    // An empty list, or a first row without a company, has nothing to give:
    // copying it would blank the fields the user filled.
    if (companies.rowCount() < 2 || isBlankName(companies.cell(company::Name, 1)))
        return;
    if (choice == PrimeChoice::SetPrime) {
        for (int column = company::Name; column <= company::Phone; ++column)
            project.record.setText(primeField(column), companies.cell(column, 1));
    } else if (choice == PrimeChoice::NoSetting && project.currentRow == 0) {
        project.currentRow = 1;
        editor::fillFromCompany(project, companies, 1);
        editor::writeBack(project);
    }
}

} // namespace mirevo::settings
