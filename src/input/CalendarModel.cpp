#include "CalendarModel.h"

#include "common/Clock.h"
#include "common/EraDate.h"

#include <algorithm>

namespace mirevo {

// The Gregorian calendar came into use in Japan on 1873-01-01; earlier
// dates have no era date text the documents could use.
QDate CalendarModel::firstDate()
{
    return QDate(1873, 1, 1);
}

QDate CalendarModel::lastDate()
{
    return QDate(2999, 12, 31);
}

CalendarModel::CalendarModel()
{
    show(clock::today());
}

QDate CalendarModel::moved(const QDate& from, Move move, const QDate& today)
{
    QDate to;
    switch (move) {
    case Move::BackFiveYears:
        to = addYearsKeepingFebruary(from, -5);
        break;
    case Move::BackYear:
        to = addYearsKeepingFebruary(from, -1);
        break;
    case Move::BackMonth:
        to = addMonthsClamped(from, -1);
        break;
    case Move::Today:
        to = today;
        break;
    case Move::ForwardMonth:
        to = addMonthsClamped(from, 1);
        break;
    case Move::ForwardYear:
        to = addYearsKeepingFebruary(from, 1);
        break;
    case Move::ForwardFiveYears:
        to = addYearsKeepingFebruary(from, 5);
        break;
    }
    if (!to.isValid())
        return from;
    return std::clamp(to, firstDate(), lastDate());
}

void CalendarModel::open(int startMode)
{
    show(startMode == StartAtToday ? clock::today() : date_);
    state_ = 1;
}

void CalendarModel::move(Move m)
{
    show(moved(date_, m, clock::today()));
    state_ = 1;
}

void CalendarModel::setDate(const QDate& date)
{
    if (date.isValid())
        show(std::clamp(date, firstDate(), lastDate()));
    state_ = 1;
}

void CalendarModel::pick(const QDate& date)
{
    setDate(date);
    state_ = 0;
}

void CalendarModel::closeWithoutDate()
{
    eraLine_ = blankDateTemplate();
    resultLine_.clear();
}

void CalendarModel::show(const QDate& date)
{
    date_ = date;
    eraLine_ = eraDateText(date);
    resultLine_ = plainDateText(date);
}

} // namespace mirevo
