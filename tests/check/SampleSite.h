#pragma once
// The sample site as the check's starting point: every case changes one
// thing of a site that has no finding.
#include "check/Finding.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <ostream>

namespace mirevo::test {

// 作成日 of the sample site: 令和 8年12月 1日.
inline const QDate kCreated(2026, 12, 1);
// A day no test date falls on, to see when the check took "today".
inline const QDate kToday(2026, 12, 10);

inline void readSample(Project& project)
{
    project::open(QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz"), project);
}

// "error:licence-expired", … in the order found.
inline QStringList codesOf(const check::Report& report)
{
    QStringList codes;
    for (const check::Finding& f : report.findings)
        codes << check::levelKey(f.level) + u':' + f.code;
    return codes;
}

inline QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// One change of the sample site and the findings it must give, in any order.
struct Case {
    const char* name;
    std::function<void(Project&)> change;
    QStringList expected;
};

inline void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace mirevo::test
