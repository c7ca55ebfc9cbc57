#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace mirevo::worker {

// Whole years from `from` to `today`. A 29 February counts as
// 28 February when `today` falls in a common year, so such a worker gets
// one year older on 28 February there.
int completedYears(const QDate& from, const QDate& today);

struct YearsSince {
    QString normalised; // the date rewritten as yyyy/mm/dd
    int years = 0;
};

// Experience years from a date of employment, age from a date of birth:
// the date text read as year/month/day. Nothing for a blank text or a text
// that is no date, so the caller leaves its fields as they are.
std::optional<YearsSince> yearsSince(const QString& dateText, const QDate& today);

// A date text rewritten as yyyy/mm/dd; nothing when it is no date.
std::optional<QString> normalisedDate(const QString& dateText);

} // namespace mirevo::worker
