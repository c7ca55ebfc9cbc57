#include "CompanyList.h"
#include "CompanyRecord.h"
#include "Registry.h"
#include "WorkerList.h"
#include "common/Error.h"
#include "common/TextGrid.h"

#include <QRegularExpression>
#include <algorithm>

namespace mirevo::companies {
namespace {

void checkDataRow(const TextGrid& list, int row)
{
    if (row < 1 || row >= list.rowCount())
        throw Error(QStringLiteral("会社情報リストの行 %1 はデータ行ではありません").arg(row));
}

// True when any cell but the list number holds text.
bool holdsData(const TextGrid& list, int row)
{
    for (int column = company::Name; column < list.columnCount(); ++column)
        if (!isBlankName(list.cell(column, row)))
            return true;
    return false;
}

// Rows below move up; the list keeps its row count.
void removeKeepingCount(TextGrid& list, int row)
{
    list.removeRow(row);
    list.setRowCount(list.rowCount() + 1);
}

bool listsName(const TextGrid& list, const QString& name)
{
    for (int row = 1; row < list.rowCount(); ++row)
        if (list.cell(company::Name, row) == name)
            return true;
    return false;
}

} // namespace

int rowOfCompany(const TextGrid& list, const QString& name, const QString& branch)
{
    int found = 0;
    for (int row = 1; row < list.rowCount(); ++row)
        if (list.cell(company::Name, row) == name && list.cell(company::Branch, row) == branch)
            found = row;
    return found;
}

int registerCompany(TextGrid& list, int selectedRow, const QStringList& record)
{
    checkDataRow(list, selectedRow);
    const QString name = record.value(company::Name);
    // A row without a name counts as free: other loads would overwrite it.
    if (isBlankName(name))
        throw Error(QStringLiteral("会社名を入力してください。"));
    const QString branch = record.value(company::Branch);
    const int sameCompany = rowOfCompany(list, name, branch);
    const int target = sameCompany > 0 ? sameCompany : selectedRow;
    list.setRowCount(list.rowCount() + 1);
    list.setCell(company::No, target, QString::number(target));
    for (int column = company::Name; column <= company::Tier; ++column)
        list.setCell(column, target, record.value(column));
    for (int column = company::Dedicated; column <= company::SpecialtyWork; ++column)
        list.setCell(column, target, record.value(column));
    return target;
}

int insertEmptyRow(TextGrid& list, int selectedRow)
{
    // The heading row never moves.
    const int at = std::clamp(selectedRow, 1, std::max(1, list.rowCount() - 1));
    list.ensureRow(at);
    const bool lastHoldsData = holdsData(list, list.rowCount() - 1);
    list.insertRow(at);
    if (!lastHoldsData)
        list.removeRow(list.rowCount() - 1);
    renumber(list);
    return at;
}

void deleteCompanies(Registry& registry, int from, int to)
{
    const int first = std::min(from, to);
    const int last = std::max(from, to);
    checkDataRow(registry.companies, first);
    checkDataRow(registry.companies, last);
    for (int n = first; n <= last; ++n) {
        const QString name = registry.companies.cell(company::Name, first);
        removeKeepingCount(registry.companies, first);
        // Workers belong to a company name, which other branches may share;
        // a row without a name owns no workers.
        if (!isBlankName(name) && !listsName(registry.companies, name))
            workers::markCompanyWorkersEmpty(registry.workers, name);
        workers::compact(registry.workers);
    }
    renumber(registry.companies);
}

void renumber(TextGrid& list)
{
    for (int row = 1; row < list.rowCount(); ++row)
        list.setCell(company::No, row, QString::number(row));
}

int freeRow(TextGrid& list)
{
    for (int row = 1; row < list.rowCount(); ++row)
        if (isBlankName(list.cell(company::Name, row)))
            return row;
    const int row = std::max(1, list.rowCount());
    list.ensureRow(row);
    return row;
}

QString copyText(const TextGrid& list, int top, int bottom, int left)
{
    QString text;
    for (int row = std::min(top, bottom); row <= std::max(top, bottom); ++row) {
        QStringList cells = list.row(row).mid(std::max(left, 0));
        text += cells.join(u'\t') + QStringLiteral("\r\n");
    }
    return text;
}

void pasteText(TextGrid& list, int row, int column, const QString& text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line break after the last line ends it, it starts no new line
    const int top = std::max(row, 1);
    for (int i = 0; i < lines.size(); ++i) {
        list.ensureRow(top + i);
        const QStringList fields = lines[i].split(u'\t');
        for (int f = 0; f < fields.size() && column + f < list.columnCount(); ++f)
            list.setCell(column + f, top + i, fields[f]);
    }
}

} // namespace mirevo::companies
