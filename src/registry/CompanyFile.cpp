#include "CompanyFile.h"
#include "CompanyList.h"
#include "CompanyRecord.h"
#include "Registry.h"
#include "WorkerList.h"
#include "common/Error.h"
#include "common/LineBreaks.h"
#include "common/LineReader.h"
#include "common/TextFile.h"
#include "roster/WorkerRecord.h"
#include "roster/WorkerStore.h"

namespace mirevo::companyfile {
namespace {

bool nameTakenElsewhere(const TextGrid& list, int targetRow, const QString& name)
{
    for (int row = 1; row < list.rowCount(); ++row)
        if (row != targetRow && list.cell(company::Name, row) == name)
            return true;
    return false;
}

void storeWorkers(TextGrid& master, LineReader& in, int count)
{
    int row = 0;
    for (int n = 0; n < count; ++n) {
        row = worker::freeRow(master, row + 1);
        master.ensureRow(row);
        for (int column = worker::Reading; column <= kWorkerLines; ++column)
            master.setCell(column, row, in.next(QStringLiteral("作業員の項目")));
    }
}

} // namespace

QString withExtension(const QString& chosenName)
{
    return chosenName.endsWith(QLatin1String("kda"), Qt::CaseSensitive) ? chosenName
                                                                        : chosenName + QStringLiteral(".kda");
}

QStringList lines(const Registry& registry, int row)
{
    const TextGrid& list = registry.companies;
    // Workers without a company would all match a blank name.
    if (isBlankName(list.cell(company::Name, row)))
        throw Error(QStringLiteral("会社名のない行は保存できません。"));
    QStringList out;
    for (int column = company::Name; column <= kCompanyLines; ++column)
        out << withoutLineBreaks(list.cell(column, row));
    const QString name = list.cell(company::Name, row);
    QStringList workerLines;
    int count = 0;
    for (int w = 1; w < registry.workers.rowCount(); ++w) {
        if (registry.workers.cell(worker::Company, w) != name)
            continue;
        ++count;
        for (int column = worker::Reading; column <= kWorkerLines; ++column)
            workerLines << withoutLineBreaks(registry.workers.cell(column, w));
    }
    out << QString::number(count) << workerLines;
    return out;
}

void save(const Registry& registry, int row, const QString& path)
{
    textfile::writeLines(path, lines(registry, row));
}

Loaded load(Registry& registry, const QStringList& fileLines, const QString& fileName)
{
    TextGrid& list = registry.companies;
    LineReader in(fileLines, fileName);
    const int row = companies::freeRow(list);
    QStringList cells;
    for (int column = company::Name; column <= kCompanyLines; ++column)
        cells << in.next(QStringLiteral("会社情報の項目"));
    // A company without name would own every worker without company.
    if (isBlankName(cells.first()))
        throw Error(QStringLiteral("ファイル \"%1\" の 1 行目を読めません: 会社名がありません").arg(fileName));
    if (nameTakenElsewhere(list, row, cells.first()))
        return {LoadResult::Duplicate, 0, 0};
    for (int column = company::Name; column <= kCompanyLines; ++column)
        list.setCell(column, row, cells[column - 1]);
    const int count = in.count(QStringLiteral("作業員数"));
    if (in.remaining() < qsizetype(count) * kWorkerLines)
        in.fail(QStringLiteral("作業員 %1 名分の行がありません").arg(count));
    storeWorkers(registry.workers, in, count);
    workers::compact(registry.workers);
    return {LoadResult::Loaded, row, count};
}

Loaded load(Registry& registry, const QString& path)
{
    return load(registry, textfile::readLines(path), path);
}

} // namespace mirevo::companyfile
