#pragma once
#include "Finding.h"

#include <QStringList>

namespace mirevo::check {

// The findings as UTF-8 CSV: the header `level,code,company,worker,field,message`
// and one line per finding, each line ended by LF. A cell holding a comma,
// a double quote or a line break is quoted, its quotes doubled.
QByteArray csv(const Report& report);

// The findings for a reader: the day checked on, a heading per company and
// one line per finding ("  エラー  工期 (自): …"), then the summary.
QStringList textLines(const Report& report);

// The command line's exit code for a report: 0 without errors and
// warnings, 4 with any.
int exitCode(const Report& report);

} // namespace mirevo::check
