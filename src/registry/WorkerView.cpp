#include "WorkerView.h"
#include "roster/WorkerRecord.h"

#include <algorithm>

namespace mirevo::workerview {
namespace {

// The master row of a view row, or 0 when it points to none.
int masterRow(const TextGrid& view, int row)
{
    bool ok = false;
    const int master = view.cell(worker::SourceRow, row).trimmed().toInt(&ok);
    return ok && master > 0 ? master : 0;
}

} // namespace

QStringList headings()
{
    QStringList h = worker::registryHeadings();
    h[worker::No] = QStringLiteral("採用");
    return h;
}

const QString& mark()
{
    static const QString m = QStringLiteral("〇");
    return m;
}

TextGrid build(const TextGrid& master, const QString& company)
{
    TextGrid view(worker::kColumns, kRows);
    view.setRow(0, headings());
    // Empty master rows carry no company either: a blank name lists nothing.
    if (isBlankName(company))
        return view;
    int j = 1;
    for (int i = 1; i < master.rowCount(); ++i) {
        if (master.cell(worker::Company, i) != company)
            continue;
        view.ensureRow(j);
        for (int column = worker::Reading; column <= worker::SourceRow; ++column)
            view.setCell(column, j, master.cell(column, i));
        view.setCell(worker::SourceRow, j, QString::number(i));
        ++j;
    }
    return view;
}

bool holdsWorker(const TextGrid& view, int row)
{
    return row >= 1 && row < view.rowCount() && !isBlankName(view.cell(worker::Reading, row));
}

bool isMarked(const TextGrid& view, int row)
{
    return view.cell(worker::No, row) == mark();
}

bool toggleMark(TextGrid& view, int row)
{
    if (!holdsWorker(view, row))
        return false;
    view.setCell(worker::No, row, isMarked(view, row) ? QString() : mark());
    return true;
}

void markAll(TextGrid& view, bool marked)
{
    for (int row = 1; row < view.rowCount(); ++row)
        if (holdsWorker(view, row))
            view.setCell(worker::No, row, marked ? mark() : QString());
}

std::vector<int> rowsWithWorkers(const TextGrid& view, int from, int to)
{
    std::vector<int> rows;
    const int last = std::min(std::max(from, to), view.rowCount() - 1);
    for (int row = std::max(std::min(from, to), 1); row <= last; ++row)
        if (masterRow(view, row) > 0)
            rows.push_back(row);
    return rows;
}

std::vector<int> masterRows(const TextGrid& view, int from, int to)
{
    std::vector<int> rows;
    for (int row : rowsWithWorkers(view, from, to))
        rows.push_back(masterRow(view, row));
    return rows;
}

} // namespace mirevo::workerview
