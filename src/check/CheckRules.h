#pragma once
#include <QDate>
#include <QString>

namespace mirevo::check {

// A text that still stands for "not entered": empty, made only of "〇"/"○"
// and blanks, or the date template (blanks around "年", "月", "日").
bool isPlaceholder(const QString& text);
// A placeholder, or the field's initial text left unchanged.
bool isUnfilled(const QString& text, const QString& initial);

// The dates the windows write: an era date ("令和 8年12月 1日", "令和元年5月1日"),
// a western one with 年月日 ("2026年12月1日") or year/month/day
// ("2026/12/01"); full-width digits are read too. An invalid date for
// anything else.
QDate readDate(const QString& text);

// The business ID as the documents want it: 14 half-width digits.
bool isBusinessId(const QString& text);

// The text between 「」 for a message.
QString quoted(const QString& text);

} // namespace mirevo::check
