#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace mirevo::worker {

// Blood pressure as stored in column 15: high value, "～", low value.
// "～" alone means not entered.
struct Pressure {
    QString high;
    QString low;
};

QString bloodPressureText(const Pressure& value);

// The two values of a text whose "～" stands third (two-digit high value)
// or fourth (three-digit high value); the low value is taken as the
// up to three characters after it. Nothing for any other text.
std::optional<Pressure> readBloodPressure(const QString& text);

// The picker's choices, highest first: 200 … 85 and 150 … 35.
QStringList highValues();
QStringList lowValues();

} // namespace mirevo::worker
