#include "FindingOutput.h"

namespace mirevo::check {
namespace {

QString csvCell(QString text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QString heading(const Finding& f)
{
    if (f.place == Place::Site)
        return QStringLiteral("■ 工事・発注者");
    return QStringLiteral("■ ") + (f.company.isEmpty() ? QStringLiteral("(所属会社なし)") : f.company);
}

QString line(const Finding& f)
{
    const QString who = f.worker.isEmpty() ? QString() : QStringLiteral("作業員 %1 ").arg(f.worker);
    return QStringLiteral("  %1  %2%3: %4").arg(levelName(f.level), who, f.field, f.message);
}

} // namespace

QByteArray csv(const Report& report)
{
    QString text = QStringLiteral("level,code,company,worker,field,message\n");
    for (const Finding& f : report.findings) {
        const QStringList cells{levelKey(f.level), f.code, f.company, f.worker, f.field, f.message};
        QStringList quoted;
        for (const QString& cell : cells)
            quoted << csvCell(cell);
        text += quoted.join(u',') + u'\n';
    }
    return text.toUtf8();
}

QStringList textLines(const Report& report)
{
    QStringList lines{dateLine(report)};
    QString current;
    for (const Finding& f : report.findings) {
        const QString head = heading(f);
        if (head != current)
            lines << head;
        current = head;
        lines << line(f);
    }
    if (report.findings.isEmpty())
        lines << QStringLiteral("直すところは見つかりませんでした。");
    lines << summary(report);
    return lines;
}

int exitCode(const Report& report)
{
    return report.clean() ? 0 : 4;
}

} // namespace mirevo::check
