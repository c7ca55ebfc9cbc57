#include "WorkerDates.h"
#include "common/EraDate.h"
#include "common/TextGrid.h"

namespace mirevo::worker {

int completedYears(const QDate& from, const QDate& today)
{
    int anniversaryDay = from.day();
    if (from.month() == 2 && from.day() == 29 && !QDate::isLeapYear(today.year()))
        anniversaryDay = 28;
    const int todayKey = today.month() * 100 + today.day();
    const int anniversaryKey = from.month() * 100 + anniversaryDay;
    const int years = today.year() - from.year();
    return todayKey >= anniversaryKey ? years : years - 1;
}

std::optional<QString> normalisedDate(const QString& dateText)
{
    const QDate date = readShortDate(dateText);
    if (!date.isValid())
        return std::nullopt;
    return normalisedDateText(date);
}

std::optional<YearsSince> yearsSince(const QString& dateText, const QDate& today)
{
    if (isBlank(dateText))
        return std::nullopt;
    const QDate date = readShortDate(dateText);
    if (!date.isValid())
        return std::nullopt;
    return YearsSince{normalisedDateText(date), completedYears(date, today)};
}

} // namespace mirevo::worker
