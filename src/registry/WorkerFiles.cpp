// The files of the worker import and export: CSV text and workbooks.
#include "Registry.h"
#include "WorkerExport.h"
#include "WorkerImport.h"
#include "common/Error.h"
#include "common/OutputFile.h"
#include "common/TextFile.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QFileInfo>

namespace mirevo {
namespace {

using namespace mirevo::worker;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool isWorkbook(const QString& path)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

bool isText(const QString& path)
{
    for (const char* ext : {".csv", ".tsv", ".txt"})
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    return false;
}

// The first sheet's cells as records, a record per sheet row.
csv::Table readWorkbook(const QString& path)
{
    sheet::Application app;
    csv::Table table;
    try {
        sheet::Workbook& book = app.Workbooks().Open(QFileInfo(path).absoluteFilePath());
        sheet::Worksheet& first = book.Sheets(1);
        const sheet::SheetData& data = first.data();
        for (int r = 1; r <= data.lastRow(); ++r) {
            csv::Record record;
            record.line = r;
            if (const sheet::Row* row = data.findRow(r); row && !row->cells.empty())
                for (int c = 1; c <= row->cells.back().col; ++c)
                    record.fields << QString::fromStdString(first.Cells(r, c).Value());
            table.records.push_back(std::move(record));
        }
    } catch (const std::exception& e) {
        throw Error(QStringLiteral("%1 を読めません: %2").arg(shown(path), QString::fromUtf8(e.what())));
    }
    return table;
}

QStringList exportHeadings()
{
    QStringList h = siteHeadings().mid(FirstField, LastField - FirstField + 1);
    h[Roles - FirstField] = QStringLiteral("※担当役割");
    return h;
}

void writeCsv(const QList<QStringList>& rows, const QString& path)
{
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += csv::write(rows).toUtf8();
    OutputFile file(path); // the program's one rule for replacing a file
    file.begin();
    file.write(bytes);
    file.commit();
}

void writeXlsx(const QList<QStringList>& rows, const QString& path)
{
    sheet::Application app;
    try {
        sheet::Workbook& book = app.Workbooks().Add();
        sheet::Worksheet& ws = book.Sheets(1);
        ws.setName(QStringLiteral("作業員名簿"));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                if (!rows[r][c].isEmpty())
                    ws.Cells(r + 1, c + 1).setValue(u'\'' + rows[r][c]); // kept as text: 0 in front stays
        book.SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        throw Error(QStringLiteral("%1 を保存できません: %2").arg(shown(path), QString::fromUtf8(e.what())));
    }
}

} // namespace

namespace workerimport {

Source readFile(const QString& path)
{
    if (isWorkbook(path))
        return {readWorkbook(path), true};
    if (!isText(path))
        throw Error(QStringLiteral("%1: 取り込めるのは .csv / .tsv / .txt / .xlsx のファイルです").arg(shown(path)));
    return {csv::parse(csv::decode(textfile::readBytes(path))), false};
}

} // namespace workerimport

namespace workerexport {

QList<QStringList> table(const Registry& registry, const QString& company)
{
    QList<QStringList> rows{exportHeadings()};
    const TextGrid& list = registry.workers;
    for (int row = 1; row < list.rowCount(); ++row) {
        if (isBlankName(list.cell(Reading, row)) || (!company.isEmpty() && list.cell(Company, row) != company))
            continue;
        QStringList cells;
        for (int column = FirstField; column <= LastField; ++column)
            cells << list.cell(column, row);
        rows << cells;
    }
    return rows;
}

int write(const Registry& registry, const QString& company, const QString& path)
{
    const QList<QStringList> rows = table(registry, company);
    if (isWorkbook(path))
        writeXlsx(rows, path);
    else if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        writeCsv(rows, path);
    else
        throw Error(QStringLiteral("%1: 書き出せるのは .csv と .xlsx です").arg(shown(path)));
    return int(rows.size()) - 1;
}

} // namespace workerexport
} // namespace mirevo
