#include "BloodPressure.h"

namespace mirevo::worker {
namespace {

const QChar kWave(0xFF5E); // "～"

QStringList descending(int from, int to)
{
    QStringList values;
    for (int v = from; v >= to; --v)
        values << QString::number(v);
    return values;
}

} // namespace

QString bloodPressureText(const Pressure& value)
{
    return value.high + kWave + value.low;
}

std::optional<Pressure> readBloodPressure(const QString& text)
{
    for (int highLength : {2, 3}) {
        if (text.size() > highLength && text.at(highLength) == kWave)
            return Pressure{text.left(highLength), text.mid(highLength + 1, 3)};
    }
    return std::nullopt;
}

QStringList highValues()
{
    return descending(200, 85);
}

QStringList lowValues()
{
    return descending(150, 35);
}

} // namespace mirevo::worker
