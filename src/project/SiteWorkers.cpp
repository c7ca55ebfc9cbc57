#include "SiteWorkers.h"
#include "Project.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"

#include <QHash>
#include <algorithm>

namespace mirevo::siteworkers {
namespace {

constexpr int kCopiedColumns = worker::Company + 1; // columns 0–32

using PersonKey = std::pair<QString, QString>; // 氏名, 会社名

PersonKey personOf(const TextGrid& list, int row)
{
    return {list.cell(worker::Name, row), list.cell(worker::Company, row)};
}

void copyRow(TextGrid& list, int from, int to)
{
    for (int column = 0; column < list.columnCount(); ++column)
        list.setCell(column, to, list.cell(column, from));
}

[[noreturn]] void unreadableDate(const TextGrid& list, int column, int row)
{
    throw Error(QStringLiteral("作業員名簿 %1 行目（%2）の%3 \"%4\" は日付として読めません（例 : 1968/10/01）")
                    .arg(row)
                    .arg(excerpt(list.cell(worker::Name, row)))
                    .arg(column == worker::Birth ? QStringLiteral("生年月日") : QStringLiteral("雇用年月日"))
                    .arg(excerpt(list.cell(column, row))));
}

QString normalisedOrThrow(const TextGrid& list, int column, int row)
{
    const auto normalised = worker::normalisedDate(list.cell(column, row));
    if (!normalised)
        unreadableDate(list, column, row);
    return *normalised;
}

void appendLine(QString& out, const TextGrid& list, int row)
{
    for (int column = 0; column < kCopiedColumns; ++column)
        out += list.cell(column, row) + QLatin1Char('\t');
    out += QLatin1String("\r\n");
}

} // namespace

QString allWorkers()
{
    return QStringLiteral("全員表示");
}

std::vector<int> columnWidths(bool filtered)
{
    std::vector<int> w(size_t(filtered ? Project::kFilteredColumns : worker::kColumns), 0);
    const int widths[] = {35, 100, 100, 80, 80, 70, 60, 80, 40, 210, 80, 210, 80, 70, 60, 80, 80};
    std::copy(std::begin(widths), std::end(widths), w.begin());
    std::fill(w.begin() + 17, w.begin() + 21, 100);
    std::fill(w.begin() + 21, w.begin() + 24, 140);
    std::fill(w.begin() + 24, w.begin() + 30, 120);
    w[worker::SiteEntry] = w[worker::SiteEducation] = 80;
    w[worker::Company] = 120;
    if (filtered)
        std::fill(w.begin() + 33, w.begin() + 36, 120);
    return w;
}

QStringList companyChoices(const Project& project)
{
    QStringList items{allWorkers(), project.record.text(QStringLiteral("Edit10"))};
    const TextGrid& table = project.contractors;
    for (int row = 1; row < table.rowCount(); ++row) {
        const QString& name = table.cell(company::Name, row);
        if (!isBlank(name) && !items.contains(name))
            items << name;
    }
    return items;
}

void filter(Project& project)
{
    TextGrid& list = project.workers;
    TextGrid& view = project.filteredWorkers;
    view.setRowCount(1);
    view.setRowCount(Project::kFilteredRows);
    const QString& company = project.workerCompany;
    int named = 0;
    int next = 1;
    for (int i = 1; i < list.rowCount(); ++i) {
        if (list.cell(worker::Name, i) == QLatin1String(" "))
            list.setCell(worker::Name, i, QString());
        if (!list.cell(worker::Name, i).isEmpty())
            ++named;
        if (company.isEmpty() || list.cell(worker::Company, i) != company)
            continue;
        view.ensureRow(next + 1); // one empty row stays below the last
        for (int column = 0; column < worker::kColumns; ++column)
            view.setCell(column, next, list.cell(column, i));
        view.setCell(worker::SourceRow, next++, QString::number(i));
    }
    project.st3Count = named;
    for (int i = 1; i < list.rowCount(); ++i) {
        if (list.cell(worker::Reading, i) == QLatin1String(" "))
            list.setCell(worker::Reading, i, QString());
        if (!list.cell(worker::Reading, i).isEmpty())
            list.setCell(worker::No, i, QString::number(i));
    }
    for (int j = 1; j < view.rowCount(); ++j)
        if (!view.cell(worker::Reading, j).isEmpty())
            view.setCell(worker::No, j, QString::number(j));
    project.notifyTablesChanged();
}

void selectCompany(Project& project, const QString& company)
{
    project.workerCompany = company;
    filter(project);
}

void reloadFromMaster(Project& project, const TextGrid& master)
{
    QHash<PersonKey, int> lastInMaster;
    lastInMaster.reserve(master.rowCount());
    for (int j = 1; j < master.rowCount(); ++j)
        if (!isBlankName(master.cell(worker::Name, j)))
            lastInMaster.insert(personOf(master, j), j);
    TextGrid& list = project.workers;
    for (int i = 1; i < list.rowCount(); ++i) {
        if (isBlankName(list.cell(worker::Name, i)))
            continue;
        const int j = lastInMaster.value(personOf(list, i), 0);
        if (j == 0)
            continue;
        const QString entry = list.cell(worker::SiteEntry, i);
        const QString education = list.cell(worker::SiteEducation, i);
        for (int column = 0; column < worker::kColumns; ++column)
            list.setCell(column, i, master.cell(column, j));
        list.setCell(worker::SiteEntry, i, entry);
        list.setCell(worker::SiteEducation, i, education);
    }
    filter(project);
}

void removeDuplicates(Project& project)
{
    TextGrid& list = project.workers;
    QHash<PersonKey, int> first;
    first.reserve(list.rowCount());
    for (int j = 1; j < list.rowCount(); ++j) {
        if (isBlankName(list.cell(worker::Name, j)))
            continue;
        const PersonKey key = personOf(list, j);
        const auto it = first.constFind(key);
        if (it == first.cend()) {
            first.insert(key, j);
            continue;
        }
        copyRow(list, j, *it);
        list.clearRow(j);
    }
    compact(project);
}

void compact(Project& project)
{
    TextGrid& list = project.workers;
    std::vector<int> order{0};
    order.reserve(size_t(list.rowCount()));
    for (bool withReading : {true, false})
        for (int row = 1; row < list.rowCount(); ++row)
            if (isBlankName(list.cell(worker::Reading, row)) != withReading)
                order.push_back(row);
    list.reorderRows(order);
    for (int row = 1; row < list.rowCount(); ++row)
        list.setCell(worker::SortKey, row, QString());
    project.notifyTablesChanged();
}

void computeAges(Project& project, const QDate& today)
{
    TextGrid& list = project.workers;
    try {
        for (int row = 1; row < list.rowCount(); ++row) {
            if (isBlank(list.cell(worker::Birth, row)))
                continue;
            const auto birth = worker::yearsSince(list.cell(worker::Birth, row), today);
            if (!birth)
                unreadableDate(list, worker::Birth, row);
            list.setCell(worker::Birth, row, birth->normalised);
            list.setCell(worker::Age, row, QString::number(birth->years));
        }
        for (int row = 1; row < list.rowCount(); ++row)
            if (!isBlank(list.cell(worker::Employed, row)))
                list.setCell(worker::Employed, row, normalisedOrThrow(list, worker::Employed, row));
    } catch (...) {
        project.notifyTablesChanged();
        throw;
    }
    project.notifyTablesChanged();
}

void countWorkers(Project& project)
{
    const TextGrid& list = project.workers;
    QHash<QString, int> perCompany;
    for (int row = 1; row < list.rowCount(); ++row) {
        const QString& company = list.cell(worker::Company, row);
        if (!isBlank(company))
            ++perCompany[company];
    }
    const QString prime = project.record.text(QStringLiteral("Edit10"));
    project.motoukeNinzu = isBlank(prime) ? 0 : perCompany.value(prime, 0);
    TextGrid& table = project.contractors;
    for (int row = 1; row < table.rowCount(); ++row) {
        const QString& name = table.cell(company::Name, row);
        if (!isBlank(name))
            table.setCell(company::WorkerCount, row, QString::number(perCompany.value(name, 0)));
    }
    project.notifyTablesChanged();
}

QString deleteQuestion(const TextGrid& list, int row)
{
    return QStringLiteral("No. %1 [ %2 ]  を削除しますか？").arg(list.cell(0, row), list.cell(1, row));
}

bool deleteRow(Project& project, int row)
{
    TextGrid& list = project.workers;
    if (row < 1 || row >= list.rowCount())
        return false;
    for (int r = row; r + 1 < list.rowCount(); ++r)
        for (int column = 1; column < list.columnCount(); ++column)
            list.setCell(column, r, list.cell(column, r + 1));
    list.clearRow(list.rowCount() - 1);
    int number = 0;
    for (int r = 1; r < list.rowCount(); ++r)
        list.setCell(worker::No, r, list.cell(worker::Reading, r).isEmpty() ? QString() : QString::number(++number));
    project.st3Count = number;
    project.notifyTablesChanged();
    return true;
}

bool deleteFilteredRow(Project& project, int filteredRow)
{
    const TextGrid& view = project.filteredWorkers;
    if (filteredRow < 1 || filteredRow >= view.rowCount())
        return false;
    bool ok = false;
    const int row = view.cell(worker::SourceRow, filteredRow).toInt(&ok);
    if (!ok || !deleteRow(project, row))
        return false;
    filter(project);
    return true;
}

QString copyRows(const TextGrid& list, const std::vector<int>& rows)
{
    QString out;
    for (int row : rows)
        appendLine(out, list, row);
    return out;
}

QString copyAll(const TextGrid& list)
{
    QString out;
    appendLine(out, list, 0);
    for (int row = 1; row < list.rowCount(); ++row)
        if (!isBlank(list.cell(worker::Reading, row)))
            appendLine(out, list, row);
    return out;
}

} // namespace mirevo::siteworkers
