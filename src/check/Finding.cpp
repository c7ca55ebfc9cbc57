#include "Finding.h"

#include "common/EraDate.h"

#include <algorithm>

namespace mirevo::check {

int Report::count(Level level) const
{
    return int(std::count_if(findings.begin(), findings.end(), [level](const Finding& f) { return f.level == level; }));
}

QString levelName(Level level)
{
    switch (level) {
    case Level::Error:
        return QStringLiteral("エラー");
    case Level::Warning:
        return QStringLiteral("警告");
    case Level::Info:
        return QStringLiteral("情報");
    }
    return {};
}

QString levelKey(Level level)
{
    switch (level) {
    case Level::Error:
        return QStringLiteral("error");
    case Level::Warning:
        return QStringLiteral("warning");
    case Level::Info:
        return QStringLiteral("info");
    }
    return {};
}

QString summary(const Report& report)
{
    return QStringLiteral("エラー %1 件、警告 %2 件、情報 %3 件")
        .arg(report.count(Level::Error))
        .arg(report.count(Level::Warning))
        .arg(report.count(Level::Info));
}

QString dateLine(const Report& report)
{
    const QString day = eraDateText(report.date);
    if (report.dateFromToday)
        return QStringLiteral("作成日が読めないため、本日 %1 で確認しました。").arg(day);
    return QStringLiteral("作成日 %1 で確認しました。").arg(day);
}

} // namespace mirevo::check
