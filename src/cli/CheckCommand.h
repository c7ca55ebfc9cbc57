#pragma once
#include <QStringList>

class QTextStream;

namespace mirevo {
class Project;
}

namespace mirevo::cli {

// `mirevo check [--csv] SITE.anz`: the pre-submission check of a site.
// Returns 0 without errors and warnings, 4 with any, 1 when the site
// cannot be read; wrong usage throws UsageError (exit 2 from run()).
int checkCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The check's summary line for a site read by another command.
QString checkSummary(const Project& project);

QString checkUsage();

} // namespace mirevo::cli
