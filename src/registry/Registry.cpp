#include "Registry.h"
#include "CompanyRecord.h"
#include "WorkerList.h"
#include "common/LineReader.h"
#include "common/ProgramFolder.h"
#include "common/TextFile.h"
#include "roster/WorkerRecord.h"

#include <QFileInfo>

namespace mirevo {
namespace {

// Worker rows without a reading are emptied; the others are numbered by
// their position.
void numberWorkers(TextGrid& workers)
{
    for (int row = 1; row < workers.rowCount(); ++row) {
        if (isBlankName(workers.cell(worker::Reading, row)))
            workers.clearRow(row);
        else
            workers.setCell(worker::No, row, workers::listNumber(row));
    }
}

} // namespace

Registry::Registry() : companies(company::kColumns, kCompanyRows), workers(worker::kColumns, kWorkerRows)
{
    companies.setRow(0, company::headings());
    workers.setRow(0, worker::registryHeadings());
}

QString Registry::fileName()
{
    return programFile(QStringLiteral("kaisya_set.kss"));
}

void Registry::load()
{
    const QString path = fileName();
    if (!QFileInfo::exists(path))
        return;
    const QByteArray bytes = textfile::readBytes(path);
    if (path != readPath_ || bytes != readBytes_) {
        read(path, bytes);
        return;
    }
    if (!(companies == readCompanies_))
        companies = readCompanies_;
    if (!(workers == readWorkers_))
        workers = readWorkers_;
}

void Registry::load(const QString& path)
{
    read(path, textfile::readBytes(path));
}

void Registry::read(const QString& path, const QByteArray& bytes)
{
    readPath_.clear();
    readBytes_.clear();
    readFailed_ = true;
    LineReader in(textfile::decode(bytes, path), path);
    in.grid(companies, QStringLiteral("会社情報リスト"));
    in.grid(workers, QStringLiteral("作業員名簿"));
    companies.clearSingleBlanks();
    workers.clearSingleBlanks();
    numberWorkers(workers);
    // A file with a zero row count still leaves the heading rows the
    // windows rely on.
    if (companies.rowCount() == 0)
        companies = Registry().companies;
    if (workers.rowCount() == 0)
        workers = Registry().workers;
    companies.setCell(company::Name, 0, QStringLiteral("会社名"));
    readFailed_ = false;
    readPath_ = path;
    readBytes_ = bytes;
    readCompanies_ = companies;
    readWorkers_ = workers;
}

void Registry::save() const
{
    save(fileName());
}

void Registry::save(const QString& path) const
{
    QStringList lines;
    appendGrid(lines, companies);
    appendGrid(lines, workers);
    textfile::writeLines(path, lines);
}

} // namespace mirevo
