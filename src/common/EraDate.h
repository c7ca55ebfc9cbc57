#pragma once
#include <QDate>
#include <QString>

namespace mirevo {

// Dates in the Japanese era calendar and the date texts the program
// exchanges between windows, files and documents.
struct EraYear {
    QString name; // 明治, 大正, 昭和, 平成, 令和
    int year = 0; // 1 on the era's first day, up by one each 1 January
};

EraYear eraOf(const QDate& date);
QString eraName(const QDate& date);

// "令和6年5月20日"
QString eraDateText(const QDate& date);
// "令和 6年 5月 20日", the form of the creation date of a project.
QString spacedEraDateText(const QDate& date);
// "2024/5/20"
QString plainDateText(const QDate& date);
// "2024/05/20"
QString normalisedDateText(const QDate& date);
// Reads year/month/day separated by "/" (leading zeros optional, blanks
// around the parts allowed); an invalid QDate when the text is no date.
QDate readShortDate(const QString& text);

// Reads the date forms people type into lists: 1975/05/05, 1975-05-05,
// 1975.5.5, 1975年5月5日, 昭和50年5月5日 (元年 too), S50.5.5 or R2/4/1
// (M, T, S, H, R), in half-width or full-width characters. An invalid QDate
// when the text is none of these or names no real day.
QDate readAnyDate(const QString& text);

// Eight blanks, "年", four blanks, "月", five blanks, "日".
QString blankDateTemplate();

// Moves a date by whole years; 29 February becomes 28 February first.
QDate addYearsKeepingFebruary(const QDate& date, int years);
// Moves a date by months; a day past the end of the target month becomes
// its last day.
QDate addMonthsClamped(const QDate& date, int months);

} // namespace mirevo
