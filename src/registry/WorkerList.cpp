#include "WorkerList.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "common/TextGrid.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"

#include <QCollator>
#include <algorithm>

namespace mirevo::workers {
namespace {

const QString kEmptyMark = QStringLiteral("99999");

QString dateOrThrow(const TextGrid& list, int column, int row)
{
    const QString text = list.cell(column, row);
    const auto normalised = worker::normalisedDate(text);
    if (!normalised)
        throw Error(QStringLiteral("作業員名簿 %1 行目の%2 \"%3\" は日付として読めません（例 : 1968/10/01）")
                        .arg(row)
                        .arg(column == worker::Birth ? QStringLiteral("生年月日") : QStringLiteral("雇用年月日"))
                        .arg(excerpt(text)));
    return *normalised;
}

} // namespace

QString listNumber(int row)
{
    return QStringLiteral("%1").arg(row, 5, 10, QLatin1Char('0'));
}

void numberByPosition(TextGrid& list)
{
    for (int row = 1; row < list.rowCount(); ++row)
        if (!isBlankName(list.cell(worker::Reading, row)))
            list.setCell(worker::No, row, listNumber(row));
}

void markCompanyWorkersEmpty(TextGrid& list, const QString& company)
{
    for (int row = 1; row < list.rowCount(); ++row) {
        if (list.cell(worker::Company, row) != company)
            continue;
        list.clearRow(row);
        list.setCell(worker::No, row, kEmptyMark);
    }
}

void compact(TextGrid& list)
{
    if (list.rowCount() < 2)
        return;
    for (int row = 1; row < list.rowCount(); ++row) {
        // A row already marked empty stays marked: its mark alone must not
        // make it count as a worker.
        const QString& number = list.cell(worker::No, row);
        const bool empty = number == kEmptyMark || isBlankName(number + list.cell(worker::Reading, row));
        list.setCell(worker::No, row, empty ? kEmptyMark : listNumber(row));
    }
    std::vector<QStringList> rows;
    for (int row = 1; row < list.rowCount(); ++row)
        rows.push_back(list.row(row));
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        return collator.compare(a[worker::No], b[worker::No]) < 0;
    });
    for (int row = 1; row < list.rowCount(); ++row) {
        list.setRow(row, rows[size_t(row - 1)]);
        if (list.cell(worker::No, row) == kEmptyMark)
            list.clearRow(row);
        else
            list.setCell(worker::No, row, listNumber(row));
    }
}

int removeRows(TextGrid& list, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int removed = 0;
    // From the bottom up, so that the indices still to come stay valid.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 1 || *it >= list.rowCount())
            continue;
        list.removeRow(*it);
        list.setRowCount(list.rowCount() + 1);
        ++removed;
    }
    if (removed == 0)
        return 0;
    for (int row = 1; row < list.rowCount(); ++row)
        if (!list.cell(worker::SourceRow, row).isEmpty())
            list.setCell(worker::SourceRow, row, QString::number(row));
    numberByPosition(list);
    return removed;
}

void recalculateAges(TextGrid& list, const QDate& today)
{
    for (int row = 1; row < list.rowCount(); ++row) {
        if (!isBlank(list.cell(worker::Birth, row))) {
            const QString birth = dateOrThrow(list, worker::Birth, row);
            list.setCell(worker::Birth, row, birth);
            const int age = worker::completedYears(readShortDate(birth), today);
            list.setCell(worker::Age, row, QString::number(age));
        }
        if (!isBlank(list.cell(worker::Employed, row)))
            list.setCell(worker::Employed, row, dateOrThrow(list, worker::Employed, row));
    }
}

} // namespace mirevo::workers
