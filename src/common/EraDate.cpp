#include "EraDate.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace mirevo {
namespace {

struct Era {
    const char16_t* name;
    QDate first;
};

// Newest first; dates before Taishō fall into Meiji.
const std::array<Era, 5>& eras()
{
    static const std::array<Era, 5> table{{
        {u"令和", QDate(2019, 5, 1)},
        {u"平成", QDate(1989, 1, 8)},
        {u"昭和", QDate(1926, 12, 25)},
        {u"大正", QDate(1912, 7, 30)},
        {u"明治", QDate(1868, 1, 25)},
    }};
    return table;
}

} // namespace

EraYear eraOf(const QDate& date)
{
    for (const Era& era : eras()) {
        if (date >= era.first || era.name == eras().back().name)
            return {QString::fromUtf16(era.name), date.year() - era.first.year() + 1};
    }
    return {};
}

QString eraName(const QDate& date)
{
    return eraOf(date).name;
}

QString eraDateText(const QDate& date)
{
    const EraYear era = eraOf(date);
    return QStringLiteral("%1%2年%3月%4日").arg(era.name).arg(era.year).arg(date.month()).arg(date.day());
}

QString spacedEraDateText(const QDate& date)
{
    const EraYear era = eraOf(date);
    return QStringLiteral("%1 %2年 %3月 %4日").arg(era.name).arg(era.year).arg(date.month()).arg(date.day());
}

QString plainDateText(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.year(), 4, 10, QLatin1Char('0')).arg(date.month()).arg(date.day());
}

QString normalisedDateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate readShortDate(const QString& text)
{
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 3)
        return {};
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    if (values[0] < 100)
        values[0] += values[0] < 50 ? 2000 : 1900; // two-digit years as the desktop reads them
    return QDate(values[0], values[1], values[2]);
}

namespace {

// The first year of an era named by its name or its letter.
int eraFirstYear(const QString& era)
{
    static const std::array<std::pair<QString, QString>, 5> names{{
        {QStringLiteral("令和"), QStringLiteral("R")},
        {QStringLiteral("平成"), QStringLiteral("H")},
        {QStringLiteral("昭和"), QStringLiteral("S")},
        {QStringLiteral("大正"), QStringLiteral("T")},
        {QStringLiteral("明治"), QStringLiteral("M")},
    }};
    for (std::size_t i = 0; i < names.size(); ++i)
        if (era == names[i].first || era.compare(names[i].second, Qt::CaseInsensitive) == 0)
            return eras()[i].first.year();
    return 0;
}

QDate dateOf(int year, const QString& month, const QString& day)
{
    bool okMonth = false, okDay = false;
    const int m = month.toInt(&okMonth), d = day.toInt(&okDay);
    return okMonth && okDay ? QDate(year, m, d) : QDate();
}

} // namespace

QDate readAnyDate(const QString& text)
{
    // Full-width digits, letters and separators become their half-width forms.
    const QString t = text.normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression western(
        QStringLiteral("^(\\d{4})\\s*(?:[/\\-.]|年)\\s*(\\d{1,2})\\s*(?:[/\\-.]|月)\\s*(\\d{1,2})\\s*日?$"));
    static const QRegularExpression era(QStringLiteral(
        "^(令和|平成|昭和|大正|明治|[RHSTMrhstm])\\s*(\\d{1,2}|元)\\s*(?:[/\\-.]|年)\\s*(\\d{1,2})\\s*(?:[/\\-.]|月)"
        "\\s*(\\d{1,2})\\s*日?$"));
    if (const auto m = western.match(t); m.hasMatch())
        return dateOf(m.captured(1).toInt(), m.captured(2), m.captured(3));
    if (const auto m = era.match(t); m.hasMatch()) {
        const int first = eraFirstYear(m.captured(1));
        const int year = m.captured(2) == QStringLiteral("元") ? 1 : m.captured(2).toInt();
        return first > 0 && year > 0 ? dateOf(first + year - 1, m.captured(3), m.captured(4)) : QDate();
    }
    return {};
}

QString blankDateTemplate()
{
    return QStringLiteral("        年    月     日");
}

QDate addYearsKeepingFebruary(const QDate& date, int years)
{
    QDate from = date;
    if (from.month() == 2 && from.day() == 29)
        from = QDate(from.year(), 2, 28);
    return from.addYears(years);
}

QDate addMonthsClamped(const QDate& date, int months)
{
    return date.addMonths(months); // QDate already clamps to the month's last day
}

} // namespace mirevo
