#include "EraReference.h"
#include "common/EraDate.h"

namespace mirevo::worker {
namespace {

constexpr int kNewestYear = 2037;
constexpr int kOldestYear = 1897;

QString eraYearText(const EraYear& era)
{
    return era.name + QString::number(era.year) + QStringLiteral("年");
}

} // namespace

std::vector<EraReferenceRow> eraReferenceTable()
{
    std::vector<EraReferenceRow> rows;
    for (int year = kNewestYear; year >= kOldestYear; --year) {
        const QString western = QString::number(year);
        // The era of the year's last day, and the one of its first day when
        // an era began during the year.
        const EraYear last = eraOf(QDate(year, 12, 31));
        const EraYear first = eraOf(QDate(year, 1, 1));
        rows.push_back({eraYearText(last), western});
        if (first.name != last.name)
            rows.push_back({eraYearText(first), western});
    }
    return rows;
}

} // namespace mirevo::worker
