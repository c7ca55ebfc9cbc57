#include "Clock.h"

namespace mirevo::clock {
namespace {
QDateTime fixedMoment;
}

QDateTime now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setFixed(const QDateTime& moment)
{
    fixedMoment = moment;
}

void useSystem()
{
    fixedMoment = QDateTime();
}

} // namespace mirevo::clock
