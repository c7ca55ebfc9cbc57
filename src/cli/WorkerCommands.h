#pragma once
#include <QStringList>

class QTextStream;

namespace mirevo::cli {

// `mirevo import-workers [--company NAME] [--update] FILE` and
// `mirevo export-workers [--company NAME] OUT.csv|OUT.xlsx`, on the registry
// of the program folder. Both return the exit code: 0 done, 4 some rows
// of an import rejected (the others imported), 1 a file that cannot be
// read or written (nothing changed); wrong usage throws UsageError.
int importWorkers(const QStringList& args, QTextStream& out, QTextStream& err);
int exportWorkers(const QStringList& args, QTextStream& out, QTextStream& err);

// Their lines of the usage text.
QString workerCommandsUsage();

} // namespace mirevo::cli
