#pragma once
// Runs the command-line commands in-process and keeps what they print; a small saved site for them.
#include <QString>
#include <QStringList>

namespace mirevo::test {

class TempHome;

struct CliResult {
    int code;
    QString out;
    QString err;
};

// The exit code and the standard output and error texts of one command line.
CliResult runCli(const QStringList& args);

// Saves a site with a prime contractor and one first-tier company as site.anz in `home`;
// returns its path.
QString writeSite(const TempHome& home);

} // namespace mirevo::test
