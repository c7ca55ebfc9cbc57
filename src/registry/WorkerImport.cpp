#include "WorkerImport.h"
#include "CompanyRecord.h"
#include "Registry.h"
#include "WorkerHeadings.h"
#include "WorkerList.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"
#include "roster/WorkerStore.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace mirevo::workerimport {
namespace {

using namespace mirevo::worker;
using PersonKey = std::pair<QString, QString>; // 氏名, 会社名

constexpr int kDateColumns[] = {Employed, Birth, HealthCheck, SpecialCheck, SiteEntry, SiteEducation};

const char16_t* dateCaption(int column)
{
    switch (column) {
    case Employed:
        return u"雇用年月日";
    case Birth:
        return u"生年月日";
    case HealthCheck:
        return u"健康診断日";
    case SpecialCheck:
        return u"特殊健康診断日";
    case SiteEntry:
        return u"入場年月日";
    default:
        return u"受入教育";
    }
}

bool isEmptyRecord(const QStringList& fields)
{
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

// Day numbers of a workbook's date cells (days since 1899-12-30).
QDate dateOfDayNumber(const QString& text)
{
    bool ok = false;
    const double days = text.toDouble(&ok);
    if (!ok || days < 1 || days > 2958465)
        return {};
    return QDate(1899, 12, 30).addDays(qint64(days));
}

// The blood types the roster window offers, from any way of writing them.
QString offeredBloodType(const QString& text)
{
    QString key = text.normalized(QString::NormalizationForm_KC).trimmed().toUpper();
    key.remove(QChar(u'型'));
    static const QHash<QString, QString> offered{{QStringLiteral("A"), QStringLiteral("Ａ")},
                                                 {QStringLiteral("B"), QStringLiteral("Ｂ")},
                                                 {QStringLiteral("O"), QStringLiteral("Ｏ")},
                                                 {QStringLiteral("AB"), QStringLiteral("ＡＢ")}};
    return offered.value(key, text);
}

class Planner {
public:
    Planner(const Registry& registry, const Options& options, bool fromWorkbook)
        : registry_(registry), options_(options), fromWorkbook_(fromWorkbook)
    {
        for (int row = 1; row < registry.companies.rowCount(); ++row) {
            const QString name = registry.companies.cell(company::Name, row);
            if (!isBlankName(name))
                companies_.insert(name);
        }
        for (int row = 1; row < registry.workers.rowCount(); ++row)
            if (!isBlankName(registry.workers.cell(Name, row)))
                existing_.insert({registry.workers.cell(Name, row), registry.workers.cell(Company, row)}, row);
    }

    RowPlan planRow(const csv::Record& record, const std::vector<int>& columns)
    {
        RowPlan row;
        row.line = record.line;
        row.record = QStringList(QList<QString>(kColumns));
        for (std::size_t i = 0; i < columns.size() && i < std::size_t(record.fields.size()); ++i)
            if (columns[i] >= 0)
                row.record[columns[i]] = record.fields[qsizetype(i)].trimmed();
        if (const QString fault = complete(row.record); !fault.isEmpty()) {
            row.reason = fault;
            return row;
        }
        decide(row);
        return row;
    }

private:
    // Fills the company, dates and computed columns; the reason the row
    // cannot be taken, or an empty text.
    QString complete(QStringList& r)
    {
        if (isBlankName(r[Name]))
            return QStringLiteral("氏名が空です");
        // The registry keeps only workers with a reading.
        if (isBlankName(r[Reading]))
            return QStringLiteral("ふりがなが空です");
        if (r[Company].isEmpty())
            r[Company] = options_.company;
        if (r[Company].isEmpty())
            return QStringLiteral("会社名がありません");
        if (!companies_.contains(r[Company]))
            return QStringLiteral("会社情報リストにない会社です: %1").arg(r[Company]);
        for (int column : kDateColumns) {
            if (r[column].isEmpty())
                continue;
            QDate date = readAnyDate(r[column]);
            if (!date.isValid() && fromWorkbook_)
                date = dateOfDayNumber(r[column]);
            if (!date.isValid())
                return QStringLiteral("%1が読めません: %2").arg(QString::fromUtf16(dateCaption(column)), r[column]);
            // As the roster window keeps them: employment and birth dates as
            // yyyy/mm/dd, the other dates as written once they read as dates.
            if (column == Employed || column == Birth || !readAnyDate(r[column]).isValid())
                r[column] = normalisedDateText(date);
        }
        if (const auto years = yearsSince(r[Employed], options_.today))
            r[Experience] = QString::number(years->years);
        if (const auto years = yearsSince(r[Birth], options_.today))
            r[Age] = QString::number(years->years);
        if (!r[BloodType].isEmpty())
            r[BloodType] = offeredBloodType(r[BloodType]);
        return {};
    }

    void decide(RowPlan& row)
    {
        const PersonKey key{row.record[Name], row.record[Company]};
        if (seen_.contains(key)) {
            row.status = Status::Skip;
            row.reason = QStringLiteral("%1 行目と同じ作業員です").arg(seen_.value(key));
            return;
        }
        seen_.insert(key, row.line);
        const int existing = existing_.value(key, 0);
        if (existing == 0) {
            row.status = Status::Add;
        } else if (options_.update) {
            row.status = Status::Update;
            row.targetRow = existing;
        } else {
            row.status = Status::Skip;
            row.reason = QStringLiteral("登録済みの作業員です");
        }
    }

    const Registry& registry_;
    const Options& options_;
    const bool fromWorkbook_;
    QSet<QString> companies_;
    QHash<PersonKey, int> existing_;
    QHash<PersonKey, int> seen_; // → the line first naming the worker
};

} // namespace

QString statusText(Status status)
{
    switch (status) {
    case Status::Add:
        return QStringLiteral("取り込む");
    case Status::Update:
        return QStringLiteral("更新");
    case Status::Skip:
        return QStringLiteral("省略");
    case Status::Reject:
        break;
    }
    return QStringLiteral("エラー");
}

int Plan::count(Status status) const
{
    return int(std::count_if(rows.begin(), rows.end(), [status](const RowPlan& r) { return r.status == status; }));
}

QStringList Plan::rejectedLines() const
{
    QStringList lines;
    for (const RowPlan& r : rows)
        if (r.status == Status::Reject)
            lines << QStringLiteral("行 %1: %2").arg(r.line).arg(r.reason);
    return lines;
}

QString Plan::summary() const
{
    return QStringLiteral("取り込み %1 人、更新 %2 人、省略 %3 人、取り込めなかった行 %4")
        .arg(count(Status::Add))
        .arg(count(Status::Update))
        .arg(count(Status::Skip))
        .arg(count(Status::Reject));
}

Plan plan(const Source& source, const Registry& registry, const Options& options)
{
    const auto& records = source.table.records;
    auto heading
        = std::find_if(records.begin(), records.end(), [](const csv::Record& r) { return !isEmptyRecord(r.fields); });
    if (heading == records.end())
        throw Error(QStringLiteral("見出しの行がありません"));
    Plan result;
    const std::vector<int> columns = matchHeadings(heading->fields, &result.unknownHeadings);
    if (std::find(columns.begin(), columns.end(), int(Name)) == columns.end())
        throw Error(QStringLiteral("氏名の列がありません（%1 行目の見出し）").arg(heading->line));
    Planner planner(registry, options, source.fromWorkbook);
    for (auto it = std::next(heading); it != records.end(); ++it)
        if (!isEmptyRecord(it->fields))
            result.rows.push_back(planner.planRow(*it, columns));
    if (source.table.faultLine > 0) {
        RowPlan broken;
        broken.line = source.table.faultLine;
        broken.reason = source.table.fault;
        result.rows.push_back(broken);
    }
    return result;
}

void apply(const Plan& plan, Registry& registry)
{
    // Lists read only in part would be written over the whole file.
    if (registry.readFailed())
        throw Error(QStringLiteral("会社情報ファイル %1 を読み込めなかったため、作業員を取り込めません")
                        .arg(QDir::toNativeSeparators(Registry::fileName())));
    const TextGrid before = registry.workers;
    TextGrid& list = registry.workers;
    int next = freeRow(list, countWorkers(list) + 1);
    for (const RowPlan& row : plan.rows) {
        if (row.status == Status::Update) {
            storeWorker(list, row.targetRow, row.record);
        } else if (row.status == Status::Add) {
            storeWorker(list, next, row.record);
            list.setCell(No, next, workers::listNumber(next));
            next = freeRow(list, next + 1);
        }
    }
    try {
        registry.save();
    } catch (const Error&) {
        registry.workers = before;
        throw;
    }
}

} // namespace mirevo::workerimport
