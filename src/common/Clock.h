#pragma once
#include <QDate>
#include <QDateTime>

namespace mirevo {

// The one source of "now". Tests fix it to any moment; the program runs on
// the system clock.
namespace clock {
QDateTime now();
QDate today();
void setFixed(const QDateTime& moment);
void useSystem();
} // namespace clock

} // namespace mirevo
