#include "SiteCheck.h"

#include "CheckRules.h"
#include "CompanyCheck.h"
#include "WorkerCheck.h"
#include "common/TextGrid.h"
#include "project/Project.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"

#include <algorithm>

namespace mirevo::check {
namespace {

Finding siteFinding(Level level, const char* code, const char* control, const QString& field, const QString& message)
{
    Finding f;
    f.level = level;
    f.code = QString::fromLatin1(code);
    f.field = field;
    f.message = message;
    f.place = Place::Site;
    f.control = QString::fromLatin1(control);
    return f;
}

struct Required {
    const char* control;
    const char* label;
    const char* where;
};

// The header and orderer fields every document prints.
const Required kRequired[] = {
    {field::WorksName, "工事名称", "画面上部の「工事名称」"},
    {field::OrdererName, "発注者名", "「発注者情報」の「発注者名」"},
};

void checkRecord(const ProjectRecord& record, QList<Finding>& out)
{
    for (const Required& r : kRequired) {
        const QString field = QString::fromUtf8(r.control);
        if (isUnfilled(record.text(field), ProjectRecord::initialText(field)))
            out << siteFinding(Level::Error, "project-missing", r.control, QString::fromUtf8(r.label),
                               QStringLiteral("%1が入力されていません。%2を入力してください。")
                                   .arg(QString::fromUtf8(r.label), QString::fromUtf8(r.where)));
    }
}

// 作成日: the day to check on, or today, said so.
QDate creationDate(const ProjectRecord& record, const QDate& today, Report& report, QList<Finding>& out)
{
    const QString text = record.text(field::CreatedOn);
    const QString field = QStringLiteral("作成日");
    if (isPlaceholder(text)) {
        out << siteFinding(Level::Error, "project-missing", field::CreatedOn, field,
                           QStringLiteral("作成日が入力されていません。画面上部の「作成日」に書類の作成日を入力してください。"));
    } else if (const QDate day = readDate(text); day.isValid()) {
        return day;
    } else {
        out << siteFinding(Level::Error, "date-invalid", field::CreatedOn, field,
                           QStringLiteral("作成日%1を日付として読めません。画面上部の「作成日」をカレンダーから選び直してください。")
                               .arg(quoted(text)));
    }
    report.dateFromToday = true;
    return today;
}

// The works' period (orderer's 工期); its ends stay invalid when they are
// missing or cannot be read.
Period projectPeriod(const ProjectRecord& record, QList<Finding>& out)
{
    const QString fromText = record.text(field::PeriodFrom);
    const QString toText = record.text(field::PeriodTo);
    Period p;
    for (const auto& [control, text, end] :
         {std::tuple{field::PeriodFrom, fromText, &p.from}, std::tuple{field::PeriodTo, toText, &p.to}}) {
        const QString field = QStringLiteral("工期（%1）").arg(QString::fromUtf8(control == QLatin1String(field::PeriodFrom) ? "自" : "至"));
        if (isPlaceholder(text)) {
            out << siteFinding(Level::Error, "project-missing", control, field,
                               QStringLiteral("%1が入力されていません。「発注者情報」の「工期」を入力してください。").arg(field));
            continue;
        }
        *end = readDate(text);
        if (!end->isValid())
            out << siteFinding(Level::Error, "period-invalid", control, field,
                               QStringLiteral("%1%2を日付として読めません。「発注者情報」の「工期」を選び直してください。")
                                   .arg(field, quoted(text)));
    }
    if (p.from.isValid() && p.to.isValid() && p.to < p.from) {
        out << siteFinding(Level::Error, "period-invalid", field::PeriodTo, QStringLiteral("工期"),
                           QStringLiteral("工期の終わり%1が始まり%2より前です。「発注者情報」の「工期」を直してください。")
                               .arg(quoted(toText), quoted(fromText)));
        p = {};
    }
    return p;
}

void checkPrime(const CompanyRow& prime, const QDate& day, QList<Finding>& out)
{
    if (isUnfilled(prime.cells.value(company::Name), prime.initials.value(company::Name)))
        out << companyFinding(prime, Level::Error, "project-missing", company::Name, QStringLiteral("会社名"),
                              QStringLiteral("元請負業者の会社名が入力されていません。「元請負業者情報」で入力するか、"
                                             "会社情報リストから呼び出してください。"));
    checkCompany(prime, day, out);
}

// Keeps the check's order within a company; companies in the order of
// the works, the prime contractor and the table.
void groupByCompany(QList<Finding>& findings, const QString& prime, const QStringList& table)
{
    const auto rank = [&](const Finding& f) {
        if (f.place == Place::Site)
            return 0;
        if (f.company == prime)
            return 1;
        const qsizetype at = table.indexOf(f.company);
        return at < 0 ? int(table.size()) + 2 : int(at) + 2;
    };
    std::stable_sort(findings.begin(), findings.end(),
                     [&](const Finding& a, const Finding& b) { return rank(a) < rank(b); });
}

} // namespace

Report checkSite(const Project& project, const QDate& today)
{
    Report report;
    QList<Finding>& out = report.findings;
    report.date = creationDate(project.record, today, report, out);
    checkRecord(project.record, out);
    const Period period = projectPeriod(project.record, out);
    const CompanyRow prime = primeCompany(project.record);
    checkPrime(prime, report.date, out);
    QStringList names;
    for (int row = 1; row < project.contractors.rowCount(); ++row) {
        const CompanyRow c = tableCompany(project.contractors, row);
        if (isBlankName(c.name))
            continue;
        names << c.name;
        checkCompany(c, report.date, out);
        checkCompanyPeriod(c, period, out);
        checkUpper(project.contractors, c, out);
    }
    for (int row = 1; row < project.workers.rowCount(); ++row) {
        if (!holdsWorker(project.workers, row))
            continue;
        checkWorkerCompany(project.workers, row, prime.name, names, out);
        checkWorker(project.workers, row, report.date, prime.name, out);
    }
    checkDuplicates(project.workers, out);
    groupByCompany(out, prime.name, names);
    return report;
}

} // namespace mirevo::check
