#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

class QTextStream;

namespace mirevo::cli {

// Whether the program's first argument names one of the commands.
bool isCommand(const QString& firstArgument);

// Whether the arguments (without the program name) start the windows: none,
// or one workbook or project to open. Anything else is for run(), which answers an
// unknown word with the usage and exit code 2 rather than waiting in a
// window that may have no display.
bool startsWindow(const QStringList& arguments);

// The arguments as text. A name that is not valid UTF-8 cannot be held as
// text without being changed, and a file would be written under another
// name: nullopt then, and `refused` says which argument, its odd bytes
// shown as "\xff".
std::optional<QStringList> decodeArguments(const QList<QByteArray>& raw, QString* refused);

// Runs `mirevo <command> ...` (arguments without the program name): the
// one-line result goes to `out`, notes and failures to `err`. Returns the
// exit code: 0 done, 1 failed, 2 wrong usage.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString usage();

} // namespace mirevo::cli
