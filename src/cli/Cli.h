#pragma once
#include <QStringList>

class QTextStream;

namespace mirevo::cli {

// Whether the program's first argument asks for the command line rather
// than the windows.
bool isCommand(const QString& firstArgument);

// Runs `mirevo <command> ...` (arguments without the program name): the
// one-line result goes to `out`, notes and failures to `err`. Returns the
// exit code: 0 done, 1 failed, 2 wrong usage.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString usage();

} // namespace mirevo::cli
